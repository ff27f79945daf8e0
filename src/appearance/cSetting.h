#pragma once

#include "engine/SoundEvents.h"
#include "platform/SettingsStore.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace velmora {

/// What the background settings change on the main window. Implemented by frmMain; tests use a
/// fake.
class IBackgroundWindow {
public:
    virtual ~IBackgroundWindow() = default;
    /// Paints the gradient of colour table entry `colorIndex` down to black and, unless
    /// `picture` is empty, that picture over it at the table's top-left corner. A picture that
    /// cannot be read is skipped silently: the gradient stays.
    virtual void ShowBackground(int colorIndex, const QString& picture) = 0;
    /// Stops `tmrWallpaper`, or (re)starts it ticking every `milliseconds`.
    virtual void SetWallpaperTimer(bool running, int milliseconds) = 0;
};

/// One row of the rotation interval list.
struct TimerRow {
    const char* caption;
    const char* key;
    int seconds;
};

/// The rotation intervals, TimerIndex 1 to 6.
inline constexpr std::array<TimerRow, 6> TimerRows{{
    {"3 Seconds", "3s", 3},
    {"10 Seconds", "10s", 10},
    {"30 Seconds", "30s", 30},
    {"1 Minute", "60s", 60},
    {"5 Minutes", "300s", 300},
    {"30 Minutes", "1800s", 1800},
}};

/// The pictures of one folder, sorted by name: the picture list ("File1") of the main window
/// and of the settings dialog.
class PictureFolder {
public:
    /// "*.bmp", "*.gif", "*.jpg", "*.jpeg", matched without regard to case.
    static const QStringList& Patterns();

    /// Points the list at `folder` and lists its pictures at once; a missing folder lists none.
    void SetPath(const QString& folder);
    /// Lists the folder again.
    void Refresh();
    QString Path() const { return m_path; }
    const QStringList& Files() const { return m_files; }
    int ListCount() const { return static_cast<int>(m_files.size()); }
    /// The file at `index` joined to the folder; empty for an index outside the list.
    QString FullPath(int index) const;
    /// Position of the file named `fileName`, or -1.
    int IndexOf(const QString& fileName) const;

private:
    QString m_path;
    QStringList m_files;
};

/// Everything the settings dialog's OK stores, in the order it stores them.
struct SettingValues {
    std::int16_t enableImage = 0;
    std::int16_t enableTimer = 0;
    QString image;
    /// Events 1 to 17.
    std::array<QString, SoundEventCount> sounds;
    std::int16_t tabIndex = 1;
    std::int16_t colorIndex = 7;
    std::int16_t treeIndex = 7;
    std::int16_t soundIndex = 2;
    std::int16_t timerIndex = 2;
    /// The folder the main window's picture list is pointed at.
    QString pictureFolder;
};

/// The background and sound values of store section "Settings", the repainting of the main
/// window's background from them and the background picture rotation. Every getter reads the
/// store, every setter writes it.
class cSetting {
public:
    explicit cSetting(SettingsStore& store, IBackgroundWindow* window = nullptr);

    void SetWindow(IBackgroundWindow* window) { m_window = window; }

    std::int16_t ColorIndex() const;
    void ColorIndex(std::int16_t value);
    std::int16_t EnableImage() const;
    void EnableImage(std::int16_t value);
    QString Image() const;
    void Image(const QString& value);
    std::int16_t EnableTimer() const;
    void EnableTimer(std::int16_t value);
    std::int16_t TimerIndex() const;
    void TimerIndex(std::int16_t value);
    std::int16_t TabIndex() const;
    void TabIndex(std::int16_t value);
    std::int16_t SoundIndex() const;
    void SoundIndex(std::int16_t value);
    std::int16_t TreeIndex() const;
    void TreeIndex(std::int16_t value);
    /// The wave file of sound event 1..17 ("Sound1".."Sound17"); empty plays nothing.
    QString Sound(int event) const;
    void Sound(int event, const QString& path);

    /// The rotation interval of `timerIndex`; an index outside 1..6 counts as the default 2.
    static int IntervalMilliseconds(int timerIndex);

    /// Repaints the main window from the store: the gradient of ColorIndex, and the picture
    /// `Image` over it when EnableImage is 1 and the file exists.
    void Update_BackGround();
    /// The dialog's Preview: the gradient of `colorIndex` with the stored picture as
    /// Update_BackGround paints it.
    void Preview(int colorIndex);

    /// The main window's picture list.
    const PictureFolder& File1() const { return m_file1; }
    void SetPictureFolder(const QString& folder);
    /// (Re)starts the rotation: index back to 0, the timer runs only when EnableImage and
    /// EnableTimer are 1 and the list holds at least two pictures.
    void Start_WTimer();
    /// One rotation step: the next picture of the list becomes `Image` and is painted.
    void WallpaperTick();
    int RotationIndex() const { return m_rotationIndex; }
    /// Start-up: when the stored picture exists, the picture list goes to its folder and the
    /// rotation starts; otherwise nothing rotates.
    void StartRotation();

    /// The dialog's OK: stores every value in order, points the picture list at the dialog's
    /// folder, repaints and restarts the rotation.
    void UpdateAll(const SettingValues& values);

private:
    std::int16_t Get(const char* key, std::int16_t defaultValue) const;
    void Set(const char* key, std::int16_t value);
    /// The stored picture when it is to be painted, otherwise empty.
    QString PictureToShow() const;

    SettingsStore& m_store;
    IBackgroundWindow* m_window;
    PictureFolder m_file1;
    int m_rotationIndex = 0;
};

} // namespace velmora
