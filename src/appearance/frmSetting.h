#pragma once

#include "appearance/SoundPage.h"
#include "appearance/cSetting.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class IFileDialogs;
class IMessages;
class TabPages;
class cSound;

/// What the settings dialog reads, writes and asks through.
struct SettingContext {
    cSetting& setting;
    cSound& sound;
    /// The user files folder, where the sound schemes live.
    QString userFolder;
    /// Where the picture page opens when no stored picture exists.
    QString pictureFolder;
    /// Where Browse opens when the event has no wave file yet.
    QString soundFolder;
    IMessages& messages;
    IFileDialogs& fileDialogs;
};

/// "Settings": the background colour, the background picture with its rotation, and the event
/// sounds with their schemes. OK stores everything and applies it to the main window; Cancel
/// repaints the main window from the store and stores nothing.
class frmSetting : public QDialog {
    Q_OBJECT

public:
    explicit frmSetting(const SettingContext& context, QWidget* parent = nullptr);
    ~frmSetting() override;

    /// Milliseconds between two pictures of the preview rotation.
    static constexpr int PreviewInterval = 1500;

    /// One tick of the preview rotation (`tmrPic`), public so tests need not wait.
    void PicTimerChange();
    bool PreviewRunning() const { return m_tmrPic.isActive(); }
    /// The picture OK will store.
    QString ChosenPicture() const { return m_chosenPicture; }
    /// Points the folder and file lists at `folder`, as choosing it in the folder list does.
    void Dir1_Change(const QString& folder);
    const SoundPage& Sounds() const { return m_sounds; }

    void reject() override;

private:
    QWidget* BuildColour();
    QWidget* BuildImage();
    QWidget* BuildSound();

    void Form_Load();
    void Tabinit();
    void colorinit();
    void DrawPic(int colorIndex);
    int SelectedColour() const;
    void Image_Init();
    void Create_timerCombo();
    void Update_Controls();
    void Drive1_Change(int index);
    void FillFileList();
    void FileBoxClick(int row);
    void ShowPicture(const QString& path);

    void Update_SoundCombo();
    void Update_SoundTree();
    void mainTimerChange();
    void TreeView1_Click(QTreeWidgetItem* item);
    void BrowseWaveFiles();
    void SoundComboClick(int index);
    void SaveSoundScheme();
    void DeleteSoundScheme();

    void UpdateAll();

    SettingContext m_context;
    SoundPage m_sounds;
    QString m_chosenPicture;
    PictureFolder m_files;
    int m_previewIndex = 0;
    QTimer m_tmrPic;

    TabPages* m_pages = nullptr;

    QListWidget* m_listView1 = nullptr;
    QWidget* m_preview = nullptr;

    QCheckBox* m_chkImage = nullptr;
    QCheckBox* m_chkTimer = nullptr;
    QComboBox* m_imcTimer = nullptr;
    QComboBox* m_drive1 = nullptr;
    QTreeView* m_dir1 = nullptr;
    QFileSystemModel* m_dirModel = nullptr;
    QListWidget* m_file1 = nullptr;
    QWidget* m_image1 = nullptr;

    QTreeWidget* m_treeView1 = nullptr;
    std::array<QTreeWidgetItem*, SoundNodeCount> m_nodes{};
    QLineEdit* m_txtSound = nullptr;
    QPushButton* m_cmdBrowse = nullptr;
    QPushButton* m_cmdPlay = nullptr;
    QPushButton* m_cmdStop = nullptr;
    QComboBox* m_imcSnd = nullptr;
};

} // namespace velmora
