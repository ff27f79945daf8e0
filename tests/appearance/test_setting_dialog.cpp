// The settings dialog driven headless: opening state, enabling rules, preview, OK and Cancel.

#include "AppearanceFixture.h"

#include "appearance/SoundScheme.h"
#include "appearance/cSound.h"
#include "appearance/frmSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

class SettingDialog : public AppearanceTest {
protected:
    void SetUp() override {
        AppearanceTest::SetUp();
        userFolder = Path("user");
        QDir().mkpath(userFolder);
    }

    frmSetting& Open() {
        dialog = std::make_unique<frmSetting>(
            SettingContext{*setting, sound, userFolder, pictures, Path("sounds"), messages, files});
        return *dialog;
    }
    template <typename T> T* Get(const char* name) {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Get<QPushButton>(name), Qt::LeftButton); }
    QString Stored(const char* key) { return Reopened().GetSetting("Settings", key, "<none>"); }
    QStringList Stored(std::initializer_list<const char*> keys) {
        QStringList values;
        for (const char* key : keys) {
            values << Stored(key);
        }
        return values;
    }
    QTreeWidgetItem* Node(int index) {
        for (QTreeWidgetItemIterator it(Get<QTreeWidget>("TreeView1")); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == index) {
                return *it;
            }
        }
        return nullptr;
    }

    QString userFolder;
    cSound sound{[](int) { return QString(); }};
    FakeMessages messages;
    FakeFileDialogs files;
    std::unique_ptr<frmSetting> dialog;
};

} // namespace

TEST_F(SettingDialog, OpensOnTheStoredValues) {
    const QString picture = Picture("b.jpg");
    Picture("a.gif");
    setting->TabIndex(2);
    setting->ColorIndex(15);
    setting->EnableImage(1);
    setting->Image(picture);
    setting->TimerIndex(5);
    frmSetting& w = Open();

    EXPECT_EQ(Get<QTabBar>("TabStrip1")->currentIndex(), 1);
    auto* colours = Get<QListWidget>("ListView1");
    EXPECT_EQ(colours->count(), 29);
    EXPECT_EQ(colours->currentItem()->text(), "maroon");
    EXPECT_TRUE(Get<QCheckBox>("chkImage")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("chkTimer")->isChecked());
    auto* fileList = Get<QListWidget>("File1");
    ASSERT_EQ(fileList->count(), 2);
    EXPECT_EQ(fileList->currentItem()->text(), "b.jpg");
    EXPECT_EQ(w.ChosenPicture(), picture);
    auto* intervals = Get<QComboBox>("imcTimer");
    ASSERT_EQ(intervals->count(), 6);
    EXPECT_EQ(intervals->currentText(), "5 Minutes");

    auto* schemes = Get<QComboBox>("imcSnd");
    ASSERT_EQ(schemes->count(), 1);
    EXPECT_EQ(schemes->currentText(), "No Sounds");
    auto* tree = Get<QTreeWidget>("TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Velmora 2003");
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 5);
    EXPECT_EQ(tree->currentItem(), Node(7));
    EXPECT_EQ(Node(16)->text(0), "Undo/Redo/Replay");
    EXPECT_EQ(Node(16)->parent()->text(0), "Card Move");
    EXPECT_TRUE(window.paints.empty()) << "opening repaints nothing";
}

TEST_F(SettingDialog, PictureControlsFollowTheTwoCheckBoxes) {
    Picture("a.bmp");
    Picture("b.bmp");
    frmSetting& w = Open();
    auto* image = Get<QCheckBox>("chkImage");
    auto* timer = Get<QCheckBox>("chkTimer");
    const std::vector<const char*> pictureControls{"Drive1", "Dir1", "File1", "Image1", "chkTimer"};
    auto expectEnabled = [&](bool pictures, bool rotation) {
        for (const char* name : pictureControls) {
            EXPECT_EQ(Get<QWidget>(name)->isEnabled(), pictures) << name;
        }
        EXPECT_EQ(Get<QWidget>("imcTimer")->isEnabled(), rotation);
        EXPECT_EQ(w.PreviewRunning(), rotation);
    };
    expectEnabled(false, false);
    timer->setChecked(true);
    expectEnabled(false, false);
    image->setChecked(true);
    expectEnabled(true, true);
    timer->setChecked(false);
    expectEnabled(true, false);
    timer->setChecked(true);
    image->setChecked(false);
    expectEnabled(false, false);
}

TEST_F(SettingDialog, PreviewRotationWalksTheFileListAndOkStoresTheLastShown) {
    const QString a = Picture("a.bmp");
    const QString b = Picture("b.gif", Qt::green);
    const QString c = Picture("c.jpeg", Qt::blue);
    frmSetting& w = Open();
    Get<QCheckBox>("chkImage")->setChecked(true);
    Get<QCheckBox>("chkTimer")->setChecked(true);
    auto* fileList = Get<QListWidget>("File1");

    std::vector<QString> shown;
    for (int tick = 0; tick < 4; ++tick) {
        w.PicTimerChange();
        shown.push_back(w.ChosenPicture());
        EXPECT_EQ(fileList->currentRow(), (tick % 3));
    }
    EXPECT_EQ(shown, (std::vector<QString>{a, b, c, a}));

    // Another folder with one picture: nothing rotates there.
    QDir().mkpath(pictures + "/one");
    QImage(4, 4, QImage::Format_RGB32).save(pictures + "/one/only.bmp");
    w.Dir1_Change(pictures + "/one");
    ASSERT_EQ(fileList->count(), 1);
    w.PicTimerChange();
    EXPECT_EQ(w.ChosenPicture(), a);

    Get<QComboBox>("imcTimer")->setCurrentIndex(0);
    Click("cmdOK");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(Stored({"EnableImage", "EnableTimer", "Image", "TimerIndex", "TabIndex"}),
              QStringList({"1", "1", a, "1", "1"}));
    // The main window's list follows the dialog's folder, which holds one picture.
    EXPECT_EQ(setting->File1().Path(), pictures + "/one");
    EXPECT_FALSE(window.running);
    EXPECT_EQ(window.Last().picture, a);
}

TEST_F(SettingDialog, ClickingAFileChoosesItAndOkStartsTheRotation) {
    Picture("a.bmp");
    const QString b = Picture("b.bmp");
    frmSetting& w = Open();
    Get<QCheckBox>("chkImage")->setChecked(true);
    Get<QCheckBox>("chkTimer")->setChecked(true);
    auto* fileList = Get<QListWidget>("File1");
    const QRect row = fileList->visualItemRect(fileList->item(1));
    QTest::mouseClick(fileList->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(w.ChosenPicture(), b);

    Click("cmdOK");
    EXPECT_EQ(Stored("Image"), b);
    EXPECT_TRUE(window.running);
    EXPECT_EQ(window.interval, 10000);
    EXPECT_EQ(window.Last().picture, b);
}

TEST_F(SettingDialog, PreviewPaintsTheMainWindowAndCancelPutsTheStoreBack) {
    setting->ColorIndex(4);
    const QByteArray before = ReadAll(StorePath());
    frmSetting& w = Open();
    auto* colours = Get<QListWidget>("ListView1");
    colours->setCurrentRow(21); // sandybrown
    Click("Command1");
    ASSERT_EQ(window.paints.size(), 1U);
    EXPECT_EQ(window.Last().colorIndex, 22);

    Get<QCheckBox>("chkImage")->setChecked(true);
    Click("cmdCancel");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_EQ(window.paints.size(), 2U);
    EXPECT_EQ(window.Last().colorIndex, 4);
    EXPECT_EQ(window.Last().picture, QString());
    EXPECT_EQ(ReadAll(StorePath()), before) << "Cancel stores nothing";
    EXPECT_EQ(window.starts, 0);
}

TEST_F(SettingDialog, BrowsingGivesAnEventItsFileAndNoSoundsClearsAllOnOk) {
    for (int event = 1; event <= 17; ++event) {
        setting->Sound(event, "/old/" + QString::number(event) + ".wav");
    }
    SoundScheme::Paths paths;
    paths[0] = "/scheme/start.wav";
    ASSERT_TRUE(SoundScheme::Save(userFolder + "/Quiet.sd", paths));
    setting->SoundIndex(2);
    setting->TreeIndex(3);
    frmSetting& w = Open();
    auto* path = Get<QLineEdit>("txtSound");

    // A category node: nothing to browse or play.
    for (const char* name : {"cmdBrowse", "cmdPlay", "cmdStop", "txtSound"}) {
        EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
    }
    Get<QTreeWidget>("TreeView1")->setCurrentItem(Node(8));
    EXPECT_TRUE(Get<QWidget>("cmdBrowse")->isEnabled());
    EXPECT_FALSE(Get<QWidget>("cmdPlay")->isEnabled()) << "the Quiet scheme leaves End empty";
    files.answer = "/chosen/end.wav";
    Click("cmdBrowse");
    EXPECT_EQ(files.lastFilter, "Sound Files(*.wav)|*.wav");
    EXPECT_EQ(path->text(), "/chosen/end.wav");
    EXPECT_TRUE(Get<QWidget>("cmdPlay")->isEnabled());
    EXPECT_EQ(Get<QTreeWidget>("TreeView1")->currentItem(), Node(8));
    EXPECT_EQ(w.Sounds().Working()[1], "/chosen/end.wav");

    Get<QTreeWidget>("TreeView1")->setCurrentItem(Node(7));
    EXPECT_EQ(path->text(), "/scheme/start.wav");
    QTest::mouseClick(path, Qt::LeftButton);
    EXPECT_EQ(path->selectedText(), "/scheme/start.wav");

    auto* schemes = Get<QComboBox>("imcSnd");
    schemes->setCurrentIndex(0);
    emit schemes->activated(0);
    EXPECT_EQ(path->text(), "");
    Click("cmdOK");
    EXPECT_EQ(Stored({"Sound1", "Sound8", "Sound17", "SoundIndex", "TreeIndex"}),
              QStringList({"", "", "", "1", "7"}));
}

TEST_F(SettingDialog, SaveAsAndDeleteRefreshTheSchemeList) {
    frmSetting& w = Open();
    auto* schemes = Get<QComboBox>("imcSnd");
    messages.inputs = {"Mine"};
    Click("cmdSaveSound");
    ASSERT_EQ(schemes->count(), 2);
    EXPECT_EQ(schemes->currentText(), "Mine");

    messages.answers = {true};
    Click("cmdDelSound");
    EXPECT_EQ(schemes->count(), 1);
    EXPECT_EQ(schemes->currentText(), "No Sounds");
    EXPECT_EQ(w.Sounds().SchemePosition(), 1);
}
