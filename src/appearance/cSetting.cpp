#include "appearance/cSetting.h"

#include "appearance/BackgroundColours.h"
#include "library/AppFolders.h"
#include "library/StoreValue.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

const QString Section = QStringLiteral("Settings");
constexpr std::int16_t DefaultTimerIndex = 2;

} // namespace

// PictureFolder -------------------------------------------------------------------------------

const QStringList& PictureFolder::Patterns() {
    static const QStringList patterns{QStringLiteral("*.bmp"), QStringLiteral("*.gif"),
                                      QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    return patterns;
}

void PictureFolder::SetPath(const QString& folder) {
    m_path = folder;
    Refresh();
}

void PictureFolder::Refresh() {
    m_files.clear();
    if (m_path.isEmpty()) {
        return;
    }
    QDir dir(m_path);
    dir.setNameFilters(Patterns());
    // Without QDir::CaseSensitive the patterns match ".JPG" as well.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    m_files = dir.entryList();
}

QString PictureFolder::FullPath(int index) const {
    if (index < 0 || index >= ListCount()) {
        return {};
    }
    return JoinPath(m_path, m_files[index]);
}

int PictureFolder::IndexOf(const QString& fileName) const {
    return static_cast<int>(m_files.indexOf(fileName));
}

// cSetting ------------------------------------------------------------------------------------

cSetting::cSetting(SettingsStore& store, IBackgroundWindow* window)
    : m_store(store), m_window(window) {}

std::int16_t cSetting::Get(const char* key, std::int16_t defaultValue) const {
    return StoreValue::GetInt16(m_store, Section, QString::fromLatin1(key), defaultValue);
}

void cSetting::Set(const char* key, std::int16_t value) {
    m_store.SaveInt(Section, QString::fromLatin1(key), value);
}

std::int16_t cSetting::ColorIndex() const {
    return Get("ColorIndex", BackgroundColours::DefaultColorIndex);
}
void cSetting::ColorIndex(std::int16_t value) {
    Set("ColorIndex", value);
}
std::int16_t cSetting::EnableImage() const {
    return Get("EnableImage", 0);
}
void cSetting::EnableImage(std::int16_t value) {
    Set("EnableImage", value);
}
QString cSetting::Image() const {
    return m_store.GetSetting(Section, QStringLiteral("Image"));
}
void cSetting::Image(const QString& value) {
    m_store.SaveSetting(Section, QStringLiteral("Image"), value);
}
std::int16_t cSetting::EnableTimer() const {
    return Get("EnableTimer", 0);
}
void cSetting::EnableTimer(std::int16_t value) {
    Set("EnableTimer", value);
}
std::int16_t cSetting::TimerIndex() const {
    return Get("TimerIndex", DefaultTimerIndex);
}
void cSetting::TimerIndex(std::int16_t value) {
    Set("TimerIndex", value);
}
std::int16_t cSetting::TabIndex() const {
    return Get("TabIndex", 1);
}
void cSetting::TabIndex(std::int16_t value) {
    Set("TabIndex", value);
}
std::int16_t cSetting::SoundIndex() const {
    return Get("SoundIndex", 2);
}
void cSetting::SoundIndex(std::int16_t value) {
    Set("SoundIndex", value);
}
std::int16_t cSetting::TreeIndex() const {
    return Get("TreeIndex", 7);
}
void cSetting::TreeIndex(std::int16_t value) {
    Set("TreeIndex", value);
}

QString cSetting::Sound(int event) const {
    return m_store.GetSetting(Section, QStringLiteral("Sound") + QString::number(event));
}

void cSetting::Sound(int event, const QString& path) {
    m_store.SaveSetting(Section, QStringLiteral("Sound") + QString::number(event), path);
}

int cSetting::IntervalMilliseconds(int timerIndex) {
    // A hand-edited index outside the table would otherwise stop the start-up.
    if (timerIndex < 1 || timerIndex > static_cast<int>(TimerRows.size())) {
        timerIndex = DefaultTimerIndex;
    }
    return TimerRows[static_cast<std::size_t>(timerIndex - 1)].seconds * 1000;
}

QString cSetting::PictureToShow() const {
    if (EnableImage() != 1) {
        return {};
    }
    const QString image = Image();
    return !image.isEmpty() && QFileInfo(image).isFile() ? image : QString();
}

void cSetting::Update_BackGround() {
    Preview(ColorIndex());
}

void cSetting::Preview(int colorIndex) {
    if (m_window) {
        m_window->ShowBackground(colorIndex, PictureToShow());
    }
}

void cSetting::SetPictureFolder(const QString& folder) {
    m_file1.SetPath(folder);
}

void cSetting::Start_WTimer() {
    if (!m_window) {
        return;
    }
    m_window->SetWallpaperTimer(false, 0);
    m_rotationIndex = 0;
    const int interval = IntervalMilliseconds(TimerIndex());
    if (EnableImage() == 1 && EnableTimer() == 1 && m_file1.ListCount() >= 2) {
        m_window->SetWallpaperTimer(true, interval);
    }
}

void cSetting::WallpaperTick() {
    if (m_file1.ListCount() == 0) {
        return;
    }
    if (m_rotationIndex >= m_file1.ListCount()) {
        m_rotationIndex = 0;
    }
    const QString file = m_file1.FullPath(m_rotationIndex);
    Image(file);
    if (m_window) {
        m_window->ShowBackground(ColorIndex(), QFileInfo(file).isFile() ? file : QString());
    }
    ++m_rotationIndex;
}

void cSetting::StartRotation() {
    const QString image = Image();
    if (image.isEmpty() || !QFileInfo(image).isFile()) {
        return;
    }
    SetPictureFolder(QFileInfo(image).absolutePath());
    Start_WTimer();
}

void cSetting::UpdateAll(const SettingValues& values) {
    EnableImage(values.enableImage);
    EnableTimer(values.enableTimer);
    Image(values.image);
    for (int event = 1; event <= static_cast<int>(values.sounds.size()); ++event) {
        Sound(event, values.sounds[static_cast<std::size_t>(event - 1)]);
    }
    TabIndex(values.tabIndex);
    ColorIndex(values.colorIndex);
    TreeIndex(values.treeIndex);
    SoundIndex(values.soundIndex);
    TimerIndex(values.timerIndex);
    SetPictureFolder(values.pictureFolder);
    Update_BackGround();
    Start_WTimer();
}

} // namespace velmora
