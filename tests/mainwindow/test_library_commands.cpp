// The game library's commands in the main window: each opens its dialog over the game.

#include "MainWindowFixture.h"

#include "library/frmAddFav.h"
#include "library/frmAutoSave.h"
#include "library/frmFavourites.h"
#include "library/frmOpenGame.h"
#include "library/frmSelectFav.h"
#include "library/frmSelectGame.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

using LibraryCommandsTest = MainWindowTest;

void ClickButton(QWidget& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

// A disabled command does nothing, so each dialog shown also proves its command offered.
TEST_F(LibraryCommandsTest, EveryLibraryCommandOpensItsDialog) {
    frmMain& w = Start();
    const auto nothing = [](auto&) {};
    EXPECT_TRUE(WithDialog<frmOpenGame>(w, "mnuOpen", nothing));
    EXPECT_TRUE(WithDialog<frmFavourites>(w, "mnuOrgFav", nothing));
    EXPECT_TRUE(WithDialog<frmAutoSave>(w, "mnuautosave", nothing));
    EXPECT_TRUE(WithDialog<frmSelectFav>(w, "mnuFavOpen", nothing));
}

TEST_F(LibraryCommandsTest, SelectDealsTheTypedGame) {
    frmMain& w = Start();
    ASSERT_TRUE(WithDialog<frmSelectGame>(w, "mnuSelect", [](frmSelectGame& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("13.5"));
        ClickButton(dialog, "cmdSelect");
    }));
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_FALSE(State(w).Finished);
    EXPECT_EQ(State(w).GameNumber, 14);
}

TEST_F(LibraryCommandsTest, AFavouriteAddedIsPlayedBackUnderItsName) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    ASSERT_TRUE(WithDialog<frmAddFav>(w, "mnuAddFav",
                                      [](frmAddFav& dialog) { ClickButton(dialog, "cmdAdd"); }));
    const QDir easy(w.Save().FavDefFolder());
    const QStringList added = easy.entryList(QDir::Files);
    ASSERT_EQ(added.size(), 1);
    EXPECT_TRUE(added[0].startsWith(QStringLiteral("0 - Played by ")));
    EXPECT_TRUE(added[0].endsWith(QStringLiteral(".vlg")));

    // Playing it gives up the game in play first, after asking.
    messages.answers = {true};
    ASSERT_TRUE(WithDialog<frmSelectFav>(
        w, "mnuFavOpen", [](frmSelectFav& dialog) { ClickButton(dialog, "cmdPlay"); }));
    EXPECT_EQ(messages.Questions(), 1);
    EXPECT_EQ(Scores(w).size(), 1U);
    EXPECT_TRUE(State(w).GameStarted);
    EXPECT_EQ(State(w).GameNumber, 0);
    EXPECT_TRUE(w.Session().Trans().UndoPossible()) << "the saved move is put back";
    EXPECT_TRUE(w.windowTitle().endsWith(" [" + added[0].chopped(4) + "]"))
        << w.windowTitle().toStdString();
}

TEST_F(LibraryCommandsTest, OpenAsksAboutTheGameInPlayOnlyOnceAGameIsChosen) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    const QString saved = w.Save().SaveFolder() + QStringLiteral("/7.vlg");
    QDir().mkpath(w.Save().SaveFolder());
    ASSERT_TRUE(w.Menu().SaveGame(saved));

    messages.answers = {false, true};
    int askedBeforeChoosing = -1;
    auto choose = [&](frmOpenGame& dialog) {
        askedBeforeChoosing = messages.Questions();
        auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        tree->setCurrentItem(
            tree->findItems(QStringLiteral("Saved Games"), Qt::MatchExactly | Qt::MatchRecursive)
                .front());
        ClickButton(dialog, "cmdSelect");
    };
    ASSERT_TRUE(WithDialog<frmOpenGame>(w, "mnuOpen", choose));
    EXPECT_EQ(askedBeforeChoosing, 0);
    EXPECT_TRUE(Scores(w).empty()) << "No keeps the game in play";
    ASSERT_TRUE(WithDialog<frmOpenGame>(w, "mnuOpen", choose));
    EXPECT_EQ(messages.Questions(), 2);
    EXPECT_EQ(Scores(w).size(), 1U);
    EXPECT_TRUE(w.Session().Trans().UndoPossible()) << "the saved game is on the table";
}

} // namespace
