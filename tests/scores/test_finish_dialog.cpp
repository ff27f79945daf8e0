#include "support/AccessibleNames.h"
#include "support/TempHome.h"
#include "support/Widgets.h"

#include "library/cRecent.h"
#include "library/cSave.h"
#include "scores/FinishPorts.h"
#include "scores/cFinish.h"
#include "scores/dlgFinish.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace velmora::test {
namespace {

/// Records what the dialog asks of the game state and writes saved files as markers.
class FakeFinishActions final : public IFinishActions {
public:
    QStringList calls;
    QStringList saved;
    void GameWon() override { calls << QStringLiteral("GameWon"); }
    void NoGame() override { calls << QStringLiteral("NoGame"); }
    void SelectGame(const QString& key) override { calls << QStringLiteral("SelectGame ") + key; }
    Result<void> SaveGame(const QString& path) override {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return Fail("cannot write " + path.toStdString());
        }
        saved << path;
        return {};
    }
};

class FinishDialog : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        save = std::make_unique<cSave>(*store, folders, clock);
        recent = std::make_unique<cRecent>(*store);
        finish = std::make_unique<cFinish>(*store);
        save->SaveFolder(Path("saved"));
        save->FavFolder(Path("fav"));
        QDir().mkpath(Path("saved"));
        QDir().mkpath(Path("fav/Easy Games"));
        QDir().mkpath(Path("fav/Hard Games"));
    }

    std::unique_ptr<dlgFinish> Open() {
        return std::make_unique<dlgFinish>(FinishContext{*finish, *save, *recent, 11982, "Guest",
                                                         fileDialogs, messages, nullptr, actions,
                                                         false});
    }

    std::unique_ptr<cSave> save;
    std::unique_ptr<cRecent> recent;
    std::unique_ptr<cFinish> finish;
    FakeFileDialogs fileDialogs;
    FakeMessages messages;
    FakeFinishActions actions;
};

TEST_F(FinishDialog, FirstWinProposesTheSavedGamesFolderAndNumber) {
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "Congrats You Win !");
    EXPECT_FALSE(Find<QCheckBox>(*d, "chkSave")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*d, "chkFav")->isChecked());
    EXPECT_FALSE(Find<QLineEdit>(*d, "txtSave")->isEnabled());
    EXPECT_FALSE(Find<QListWidget>(*d, "imc1")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(*d, "txtSave")->text(), QDir::cleanPath(Path("saved/11982")));
    EXPECT_EQ(Find<QLineEdit>(*d, "txtFav")->text(), "11982 Played by Guest");
    auto* games = Find<QListWidget>(*d, "imcGame");
    ASSERT_EQ(games->count(), 4);
    EXPECT_EQ(games->currentItem()->text(), "Start a New Game");
    EXPECT_EQ(games->item(3)->text(), "Open an Existing Game");
    auto* favourites = Find<QListWidget>(*d, "imc1");
    ASSERT_EQ(favourites->count(), 2);
    EXPECT_TRUE(favourites->currentItem()->text().startsWith("Favorites -> "));
    EXPECT_EQ(UnnamedControls(*d), QStringList()) << "every control has an accessible name";
}

TEST_F(FinishDialog, OkSavesRemembersAndStartsTheNextGameAfterRecordingTheWin) {
    auto d = Open();
    Click(*d, "chkSave");
    Click(*d, "chkFav");
    Find<QListWidget>(*d, "imcGame")->setCurrentRow(2);
    Click(*d, "OKButton");

    ASSERT_EQ(actions.saved.size(), 2);
    EXPECT_EQ(QDir::cleanPath(actions.saved[0]), QDir::cleanPath(Path("saved/11982.v2k")));
    EXPECT_TRUE(actions.saved[1].endsWith("/11982 Played by Guest.v2k"));
    EXPECT_EQ(actions.calls, QStringList({"GameWon", "SelectGame Restart"}));
    EXPECT_EQ(finish->SaveEnable(), 1);
    EXPECT_EQ(finish->FavEnable(), 1);
    EXPECT_EQ(finish->LastSelectIndex(), 3);
    // With the finished auto-save on (the default) the auto-saved file is listed instead.
    EXPECT_TRUE(recent->GetRecent(1).isEmpty());

    // The next win offers the same choices, and asks before replacing the favourite copy.
    auto again = Open();
    EXPECT_TRUE(Find<QCheckBox>(*again, "chkSave")->isChecked());
    EXPECT_EQ(Find<QListWidget>(*again, "imcGame")->currentRow(), 2);
    messages.answer = false;
    Click(*again, "OKButton");
    ASSERT_EQ(messages.Questions(), 1);
    EXPECT_EQ(messages.boxes.back().text,
              "File " + actions.saved[1] + " exists! Do you want to overwrite ?");
    EXPECT_EQ(actions.saved.size(), 3); // the folder copy again, not the favourite
}

TEST_F(FinishDialog, CancelRecordsTheWinAndRemembersNothing) {
    finish->SaveEnable(1);
    auto d = Open();
    Click(*d, "chkSave");
    Click(*d, "CancelButton");
    EXPECT_EQ(actions.calls, QStringList({"GameWon", "NoGame"}));
    EXPECT_TRUE(actions.saved.isEmpty());
    EXPECT_EQ(finish->SaveEnable(), 1);

    // The window's close box is Cancel too, and one dialog records one win.
    auto closed = Open();
    closed->reject();
    closed->reject();
    EXPECT_EQ(actions.calls.count("GameWon"), 2);
}

TEST_F(FinishDialog, SaveNeedsAnExistingFolderAndBrowseKeepsTheTextWhenCancelled) {
    auto d = Open();
    Click(*d, "chkSave");
    auto* path = Find<QLineEdit>(*d, "txtSave");
    const QString before = path->text();
    fileDialogs.answer.clear();
    Click(*d, "cmdBrowse");
    EXPECT_EQ(path->text(), before);
    EXPECT_EQ(fileDialogs.lastTitle, "Select A Directory");

    path->setText("no-folder-given");
    Click(*d, "OKButton");
    EXPECT_TRUE(actions.saved.isEmpty());
    EXPECT_FALSE(QFile::exists("no-folder-given.v2k"));
    EXPECT_EQ(actions.calls.first(), "GameWon");
}

TEST_F(FinishDialog, SelectIsNotOfferedWhileItsDialogIsMissing) {
    finish->LastSelectIndex(2);
    auto d = Open();
    auto* games = Find<QListWidget>(*d, "imcGame");
    EXPECT_FALSE(games->item(1)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(games->currentRow(), 0);
}

} // namespace
} // namespace velmora::test
