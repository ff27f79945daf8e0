#include "support/TempHome.h"

#include "library/cRecent.h"
#include "library/cSave.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class SaveTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        save = std::make_unique<cSave>(*store, folders, clock);
        recent = std::make_unique<cRecent>(*store);
        games = Path("games");
        QDir().mkpath(games);
        save->IncompleteDir(games);
        save->FinishedDir(games);
    }
    FileCommandPorts Ports() { return {game, dialogs, messages, *recent}; }
    QString Game(const QString& name) const { return games + "/" + name; }

    std::unique_ptr<cSave> save;
    std::unique_ptr<cRecent> recent;
    QString games;
    FakeGameFiles game;
    FakeFileDialogs dialogs;
    FakeMessages messages;
};

TEST_F(SaveTest, AutoSaveNamesCountUpPastTakenNames) {
    EXPECT_EQ(save->GetFileName(12345, false), Game("0512-1720-12345.vlg"));
    Touch(Game("0512-1720-12345.vlg"));
    EXPECT_EQ(save->GetFileName(12345, false), Game("0512-1720-12345-00.vlg"));
    Touch(Game("0512-1720-12345-00.vlg"));
    EXPECT_EQ(save->GetFileName(12345, false), Game("0512-1720-12345-01.vlg"));

    save->IncludeTime(0);
    EXPECT_EQ(save->GetFileName(12345, false), Game("0512-12345.vlg"));

    save->IncludeDate(0);
    save->FinishedDir(Path("finished"));
    QDir().mkpath(Path("finished"));
    EXPECT_EQ(save->GetFileName(12345, true), Path("finished/12345.v2k"));
    Touch(Path("finished/12345.v2k"));
    EXPECT_EQ(save->GetFileName(12345, true), Path("finished/12345-00.v2k"));

    // Day, month, hour and minute each take two digits, the hour on the 24-hour clock.
    save->IncludeDate(1);
    save->IncludeTime(1);
    clock.now = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0));
    EXPECT_EQ(save->GetFileName(0, false), Game("0703-0905-0.vlg"));
}

TEST_F(SaveTest, AutoSaveCounterGrowsPastTwoDigits) {
    save->IncludeDate(0);
    save->IncludeTime(0);
    Touch(Game("7.vlg"));
    for (int c = 0; c < 100; ++c) {
        Touch(Game(QStringLiteral("7-%1.vlg").arg(c, 2, 10, QLatin1Char('0'))));
    }
    EXPECT_EQ(save->GetFileName(7, false), Game("7-100.vlg"));
}

TEST_F(SaveTest, SizeCheckShortensToLimitPlusThree) {
    QString longPath(60, u'a');
    longPath.replace(0, 7, "/home/x");
    longPath.replace(59, 1, "z");
    std::int16_t limit = 50;
    const QString shortened = cSave::SizeCheck(longPath, limit);
    EXPECT_EQ(shortened.size(), 53);
    EXPECT_TRUE(shortened.startsWith("/home/x..."));
    EXPECT_TRUE(shortened.endsWith("z"));
    EXPECT_EQ(longPath, shortened);

    QString exact(50, u'b');
    EXPECT_EQ(cSave::SizeCheck(exact, limit), QString(50, u'b'));

    std::int16_t none = 0;
    QString path(71, u'c');
    EXPECT_EQ(cSave::SizeCheck(path, none).size(), 73);
    EXPECT_EQ(none, 70);
}

TEST_F(SaveTest, OpenGameChoosesWhatToShow) {
    using Action = OpenGameDecision::Action;
    save->UserFolder(Path("user"));
    QDir().mkpath(Path("user"));

    EXPECT_EQ(save->Open_Game("", messages).action, Action::NoGame);
    save->Unfinished(true);
    // Unfinished but the resume file was deleted.
    EXPECT_EQ(save->Open_Game("  ", messages).action, Action::NoGame);

    Touch(Path("user/Unfinished.vlg"));
    auto resume = save->Open_Game("", messages);
    EXPECT_EQ(resume.action, Action::ResumeUnfinished);
    EXPECT_EQ(resume.unfinishedFile, Path("user/Unfinished.vlg"));
    EXPECT_TRUE(messages.boxes.empty());

    messages.answer = true;
    auto giveUp = save->Open_Game(" " + Path("My Game.vlg") + " ", messages);
    EXPECT_EQ(giveUp.action, Action::GiveUpUnfinishedThenOpen);
    EXPECT_EQ(giveUp.file, Path("My Game.vlg"));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Are you sure you want to exit the previously\r\n"
                                      "unfinished game and start this game ?");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Question);
    EXPECT_TRUE(messages.boxes[0].title.isEmpty());

    messages.answer = false;
    EXPECT_EQ(save->Open_Game(Path("a.vlg"), messages).action, Action::Quit);

    save->Unfinished(false);
    messages.boxes.clear();
    auto open = save->Open_Game(Path("a.vlg"), messages);
    EXPECT_EQ(open.action, Action::OpenFile);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SaveTest, FileSaveStoresTheGameAndRemembersTheFolder) {
    save->SaveFolder(games);
    dialogs.answer = "";
    EXPECT_EQ(save->File_Save(".vlg", Ports()), Outcome::Cancelled);
    EXPECT_EQ(dialogs.lastName, "12345.vlg");
    EXPECT_EQ(dialogs.lastExtension, ".vlg");
    EXPECT_EQ(dialogs.lastFilter, "Velmora 2003 InComplete Game (*.vlg)|*.vlg");
    EXPECT_EQ(dialogs.lastStart, games);
    dialogs.answer = "12345.vlg"; // a bare name: no folder
    EXPECT_EQ(save->File_Save(".vlg", Ports()), Outcome::Cancelled);
    EXPECT_TRUE(game.saved.isEmpty());

    QDir().mkpath(Path("elsewhere"));
    dialogs.answer = Path("elsewhere/mine.v2k");
    EXPECT_EQ(save->File_Save(".v2k", Ports()), Outcome::Done);
    EXPECT_EQ(dialogs.lastFilter, "Velmora 2003 Finished Game (*.v2k)|*.v2k");
    EXPECT_EQ(game.saved, QStringList{Path("elsewhere/mine.v2k")});
    EXPECT_EQ(recent->GetRecent(1), Path("elsewhere/mine.v2k"));
    EXPECT_EQ(save->SaveFolder(), Path("elsewhere"));
}

TEST_F(SaveTest, FailedSaveIsToldAndListsNothing) {
    game.fail = true;
    dialogs.answer = Game("x.vlg");
    EXPECT_EQ(save->File_Save(".vlg", Ports()), Outcome::Failed);
    EXPECT_EQ(messages.Last(), "Cannot save");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(recent->GetTotalNumb(6), 0);
}

TEST_F(SaveTest, FileOpenOpensExistingFilesOnly) {
    save->SaveFolder(games);
    dialogs.answer = Game("missing.vlg");
    EXPECT_EQ(save->File_Open(Ports()), Outcome::Cancelled);
    EXPECT_EQ(dialogs.lastFilter, "Velmora 2003 InComplete Game (*.vlg)|*.vlg|"
                                  "Velmora 2003 Finished Game (*.v2k)|*.v2k");
    EXPECT_TRUE(game.opened.isEmpty());

    QDir().mkpath(Path("other"));
    Touch(Path("other/9.vlg"));
    dialogs.answer = Path("other/9.vlg");
    EXPECT_EQ(save->File_Open(Ports()), Outcome::Done);
    EXPECT_EQ(game.opened, QStringList{Path("other/9.vlg")});
    EXPECT_EQ(recent->GetRecent(6), Path("other/9.vlg"));
    EXPECT_EQ(save->SaveFolder(), Path("other"));

    game.fail = true;
    Touch(Game("bad.vlg"));
    dialogs.answer = Game("bad.vlg");
    EXPECT_EQ(save->File_Open(Ports()), Outcome::Failed);
    EXPECT_EQ(messages.Last(), "Bad file");
    EXPECT_EQ(recent->GetRecent(6), Path("other/9.vlg"));
    EXPECT_EQ(save->SaveFolder(), Path("other"));
}

TEST_F(SaveTest, DealingANewGameDoesTheBookkeeping) {
    save->Unfinished(true);
    store->SaveSetting("Save", "GameStartTime", "1/1/2026 1:00:00 AM");
    EXPECT_EQ(save->OnGameStarting(42, true), std::nullopt);
    EXPECT_TRUE(save->Unfinished());
    EXPECT_EQ(save->GameStartTime(), "1/1/2026 1:00:00 AM");

    EXPECT_EQ(save->OnGameStarting(42, false), std::nullopt);
    EXPECT_FALSE(save->Unfinished());
    EXPECT_EQ(store->GetSetting("Save", "Unfinished"), "False");
    EXPECT_EQ(save->GameStartTime(), "12/5/2026 5:20:00 PM");

    save->InCompleteSave(1);
    EXPECT_EQ(save->OnGameStarting(42, false), Game("0512-1720-42.vlg"));
}

} // namespace
