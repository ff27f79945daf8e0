#include "support/FakeDialogRunner.h"
#include "support/TempHome.h"
#include "support/Widgets.h"

#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "library/frmOptions.h"
#include "scores/cPlayer.h"
#include "scores/cUser.h"
#include "scores/ui/PlayersPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

class OptionsDialogTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        opt = std::make_unique<cOpt>(*store, &view);
        save = std::make_unique<cSave>(*store, folders, clock);
        recent = std::make_unique<cRecent>(*store);
        player = std::make_unique<cPlayer>(*store, &combo);
        user = std::make_unique<cUser>(*player, messages, &combo);
        player->AddPlayer("Guest", 1, "Guest Player", "12/1/2026 9:00:00 AM");
        player->AddPlayer("Player1", 2, "Player1", "12/1/2026 9:00:00 AM");
    }

    std::unique_ptr<frmOptions> Open() {
        const auto playersPage = [this](QWidget* parent) {
            return new PlayersPage(*player, *user, messages, clock, dialogs, parent);
        };
        auto dialog = std::make_unique<frmOptions>(
            OptionsContext{*opt, *save, *recent, playersPage, messages, fileDialogs, &view});
        dialog->show();
        return dialog;
    }
    /// Snapshot of the store file, to prove nothing was written.
    QByteArray StoreFile() const { return ReadAll(StorePath()); }
    /// `read` of each control named, in order.
    template <typename T, typename R>
    static auto Each(QWidget& dialog, std::initializer_list<const char*> names,
                     R (T::*read)() const) {
        QList<R> values;
        for (const char* name : names) {
            values << (Find<T>(dialog, name)->*read)();
        }
        return values;
    }
    static QStringList Stored(const SettingsStore& disk, const char* section,
                              std::initializer_list<const char*> keys) {
        QStringList values;
        for (const char* key : keys) {
            values << disk.GetSetting(section, key);
        }
        return values;
    }

    FakeView view;
    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    FakeDialogRunner dialogs;
    FakeCombo combo;
    std::unique_ptr<cOpt> opt;
    std::unique_ptr<cSave> save;
    std::unique_ptr<cRecent> recent;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cUser> user;
};

TEST_F(OptionsDialogTest, AFreshStoreShowsTheDefaultsOnEveryPage) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Velmora 2003 Options");

    auto* tabs = Find<QTabBar>(*dialog, "TabStrip1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(3), "Players");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Each(*dialog, {"frame1", "frame2", "frame3", "frame4"}, &QWidget::isHidden),
              (QList<bool>{false, true, true, true}));

    EXPECT_EQ(Each(*dialog,
                   {"chkFlash", "chkMessages", "chkDoubleClick", "chkUnfinished", "optRange1",
                    "optRange2", "optRange3", "chkFinish", "chkIncomp", "chkDate", "chkTime"},
                   &QAbstractButton::isChecked),
              (QList<bool>{true, true, true, true, false, false, true, true, false, true, true}));
    EXPECT_EQ(Find<QCheckBox>(*dialog, "chkDoubleClick")->text(),
              "Double Click Moves Card to Free Cell");
    EXPECT_EQ(Find<QRadioButton>(*dialog, "optRange2")->text(), "0 to 6,40,000");
    EXPECT_EQ(Each(*dialog, {"sdrFBSpeed", "sdrURAllSpeed", "sdrURSpeed", "sdrCardSpeed"},
                   &QAbstractSlider::value),
              (QList<int>{30, 5, 10, 20}));
    EXPECT_EQ(Each(*dialog,
                   {"cmdFlash", "chkDate", "txtFinished", "cmdFinished", "txtIncomplete",
                    "cmdIncomplete"},
                   &QWidget::isEnabled),
              (QList<bool>{false, true, true, true, false, false}));
    EXPECT_EQ(Find<QLineEdit>(*dialog, "txtFinished")->text(), save->FinishedDir());

    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    EXPECT_EQ(list->headerItem()->text(0), "Player Name");
    EXPECT_EQ(list->headerItem()->text(1), "Player Full Name");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Guest Player");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
}

TEST_F(OptionsDialogTest, OkStoresThePagesAndUpdatesTheWindow) {
    auto dialog = Open();
    Find<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(2);
    EXPECT_FALSE(Find<QFrame>(*dialog, "frame3")->isHidden());
    EXPECT_TRUE(Find<QFrame>(*dialog, "frame1")->isHidden());
    Click(*dialog, "chkIncomp");
    EXPECT_TRUE(Find<QLineEdit>(*dialog, "txtIncomplete")->isEnabled());
    Find<QLineEdit>(*dialog, "txtIncomplete")->setText("/typed/folder");
    Click(*dialog, "chkFinish");
    EXPECT_FALSE(Find<QPushButton>(*dialog, "cmdFinished")->isEnabled());
    Find<QSlider>(*dialog, "sdrCardSpeed")->setValue(1);
    Find<QSlider>(*dialog, "sdrFBSpeed")->setValue(100);
    Find<QCheckBox>(*dialog, "chkFlash")->setChecked(false);
    Find<QRadioButton>(*dialog, "optRange1")->setChecked(true);

    Click(*dialog, "OKButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->isHidden());

    const SettingsStore disk = Reopened();
    EXPECT_EQ(Stored(disk, "Options",
                     {"CardSpeed", "FwdBackSpeed", "UndoRedoSpeed", "UndoRedoAllSpeed",
                      "EnableFlash", "ShowMessages", "RandomIndex", "TabIndex"}),
              QStringList({"1", "100", "10", "5", "0", "1", "1", "3"}));
    EXPECT_EQ(
        Stored(disk, "Save",
               {"InCompleteSave", "FinishedSave", "IncompleteDir", "FinishedDir", "IncludeDate"}),
        QStringList({"1", "0", "/typed/folder", save->FinishedDir(), "1"}));

    EXPECT_EQ(view.calls, QStringList({"interval 1000", "toolbar 1", "statusbar 1", "relayout"}));
    EXPECT_EQ(combo.items, QStringList({"Guest", "Player1"}));
    EXPECT_EQ(combo.selected, 1);

    const auto again = Open();
    EXPECT_EQ(Find<QTabBar>(*again, "TabStrip1")->currentIndex(), 2);
    EXPECT_FALSE(Find<QFrame>(*again, "frame3")->isHidden());
}

TEST_F(OptionsDialogTest, CancelStoresNothing) {
    const QByteArray before = StoreFile();
    auto dialog = Open();
    Click(*dialog, "chkMessages");
    Find<QSlider>(*dialog, "sdrURSpeed")->setValue(77);
    Click(*dialog, "chkFinish");
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "chkDate")->isEnabled()) << "no auto-save to date";
    Find<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(1);
    Click(*dialog, "CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(StoreFile(), before);
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST_F(OptionsDialogTest, ClearAsksThenEmptiesTheRecentLists) {
    recent->AddtoRecent("/g/1.vlg");
    auto dialog = Open();
    auto* clear = Find<QPushButton>(*dialog, "cmdFlash");
    ASSERT_TRUE(clear->isEnabled());

    messages.answer = false;
    Click(*dialog, "cmdFlash");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Are you Sure you want to Clear Recent List ?");
    EXPECT_EQ(messages.boxes[0].title, "Cleare Recent List");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Question);
    EXPECT_TRUE(recent->EnableInComplete());
    EXPECT_TRUE(clear->isEnabled());

    messages.answer = true;
    Click(*dialog, "cmdFlash");
    EXPECT_FALSE(recent->EnableInComplete());
    EXPECT_FALSE(clear->isEnabled());
    Click(*dialog, "CancelButton");
    EXPECT_FALSE(recent->EnableInComplete());
}

TEST_F(OptionsDialogTest, RemoveAsksFirst) {
    auto dialog = Open();
    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    list->setCurrentItem(list->topLevelItem(0));

    messages.answer = false;
    Click(*dialog, "cmdRemove");
    EXPECT_EQ(messages.Last(), "Are you sure you want to remove Guest ?");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Critical);
    EXPECT_EQ(list->topLevelItemCount(), 2);

    messages.answer = true;
    Click(*dialog, "cmdRemove");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Player1");
    EXPECT_EQ(combo.items, QStringList{"Player1"});
}

TEST_F(OptionsDialogTest, AddOpensTheAddPlayerDialog) {
    auto dialog = Open();
    dialogs.answers.push_back([](QDialog&) {
        QWidget* add = QApplication::activeModalWidget();
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add->objectName(), "frmAddPlayer");
        add->findChild<QLineEdit*>("txtFullName")->setText("Second");
        QTest::mouseClick(add->findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
    });
    Click(*dialog, "cmdAdd");
    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(2)->text(0), "Player2");
    EXPECT_EQ(list->topLevelItem(2)->text(1), "Second");
    EXPECT_EQ(player->GetDate(3), "12/5/2026 5:20:00 PM");
}

TEST_F(OptionsDialogTest, BrowseTakesOnlyAnExistingFolder) {
    save->FinishedDir(Path("stored"));
    auto dialog = Open();
    auto* box = Find<QLineEdit>(*dialog, "txtFinished");

    fileDialogs.answer = Path("missing");
    Click(*dialog, "cmdFinished");
    EXPECT_EQ(fileDialogs.lastTitle, "Select A Directory");
    EXPECT_EQ(fileDialogs.lastStart, Path("stored"));
    EXPECT_EQ(box->text(), Path("stored"));

    QDir().mkpath(Path("chosen"));
    fileDialogs.answer = Path("chosen");
    Click(*dialog, "cmdFinished");
    EXPECT_EQ(box->text(), Path("chosen"));
    EXPECT_EQ(save->FinishedDir(), Path("stored"));
}

TEST_F(OptionsDialogTest, AnOutOfRangeRandomIndexLeavesEveryRangeOff) {
    opt->RandomIndex(7);
    auto dialog = Open();
    EXPECT_EQ(Each(*dialog, {"optRange1", "optRange2", "optRange3"}, &QAbstractButton::isChecked),
              QList<bool>(3, false));
    Click(*dialog, "OKButton");
    EXPECT_EQ(opt->RandomIndex(), 7);
    EXPECT_EQ(opt->GetRandomLimit(), 0);
}

} // namespace
