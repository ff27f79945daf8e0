// GameApp without widgets: the order of the start-up and shutdown steps, what the shutdown
// stores, and the unfinished game resumed by the next start.

#include "support/TempHome.h"

#include "appearance/cSetting.h"
#include "engine/GameState.h"
#include "engine/SoundEvents.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "history/GameSession.h"
#include "library/cOpt.h"
#include "library/cSave.h"
#include "mainwindow/GameApp.h"
#include "mainwindow/cMenu.h"
#include "scores/cScore.h"
#include "scores/cTime.h"

using namespace velmora;
using namespace velmora::test;

namespace {

/// Every port of the window in one fake that writes each call it cares about into `log`.
class RecordingWindow final : public IMenuWindow,
                              public IViewOptions,
                              public IRecentMenus,
                              public IPlayerCombo,
                              public IReplayControl,
                              public IPlayerDialogs,
                              public IBackgroundWindow,
                              public ICustomWindow,
                              public IWindowPlacement,
                              public IGameEvents,
                              public ISpeaker {
public:
    QStringList log;
    QStringList players;
    Shown shown = Shown::Normal;
    QRect frame{1500, 3000, 9900, 7500};

    AppWindowPorts Ports() {
        return {*this, *this, *this, *this, *this, *this, *this, *this, *this, table, *this, *this};
    }

    // IMenuWindow
    void SetCaption(const QString& caption) override { log << "caption " + caption; }
    void ShowCards(bool visible) override { log << QStringLiteral("cards %1").arg(visible); }
    void SetTimeText(const QString&) override {}
    void SetPanelText(int, const QString&) override {}
    void SetTimeTimer(bool) override {}
    bool ReplayRunning() const override { return false; }
    void SetEnabled(CommandId, bool) override {}
    void SelectPlayerPosition(int) override {}
    QString PlayerAt(int) const override { return {}; }
    void FocusTable() override {}
    void Relayout() override {}
    // IViewOptions
    void ShowTimerBox(bool v) override { log << QStringLiteral("timer %1").arg(v); }
    void ShowStatusbar(bool v) override { log << QStringLiteral("statusbar %1").arg(v); }
    void ShowToolbar(bool v) override { log << QStringLiteral("toolbar %1").arg(v); }
    void SetReplayInterval(int) override {}
    void SetZoom(int zoom) override { log << QStringLiteral("zoom %1").arg(zoom); }
    void ShowKeyHints(bool v) override { log << QStringLiteral("keyhints %1").arg(v); }
    // IRecentMenus
    void ShowRecentMenus(const RecentMenus&) override { log << QStringLiteral("recent menus"); }
    // IPlayerCombo
    void Clear() override { players.clear(); }
    void AddItem(const QString& name) override { players << name; }
    void SelectPosition(int) override { log << "players " + players.join(u','); }
    QString SelectedText() const override { return players.value(0); }
    // IReplayControl
    void SetStopEnabled(bool) override {}
    void SetForwardTimer(bool) override {}
    void SetBackwardTimer(bool) override {}
    // IPlayerDialogs
    void ShowMessage(const std::string&) override {}
    EmptyColumnChoice AskEmptyColumn(int) override { return EmptyColumnChoice::Cancel; }
    // IBackgroundWindow
    void ShowBackground(int, const QString&) override {}
    void SetWallpaperTimer(bool running, int) override {
        log << QStringLiteral("wallpaper %1").arg(running);
    }
    // ICustomWindow: one line for the whole customisation, at its first call.
    void SetButtonVisible(int position, bool) override {
        if (position == 1) {
            log << QStringLiteral("customised");
        }
    }
    bool ButtonVisible(int) const override { return true; }
    void SetPanelVisible(int, bool) override {}
    void SetMenuVisible(const QString&, bool) override {}
    // IWindowPlacement
    Shown State() const override { return shown; }
    QSize ScreenSize() const override { return {1024 * 15, 768 * 15}; }
    QRect Geometry() const override { return frame; }
    void Maximize() override { log << QStringLiteral("maximized"); }
    void Place(int left, int top, int width, int height) override {
        log << QStringLiteral("placed %1,%2 %3x%4").arg(left).arg(top).arg(width).arg(height);
    }
    // IGameEvents
    void GameStarting(std::int32_t number, bool) override {
        log << QStringLiteral("game %1").arg(number);
    }
    void SetCaption(const std::string&) override {}
    void StatusChanged() override {}
    void GameWon() override {}
    // ISpeaker
    void CardMove(MoveMode, Location) override {}
    void PlaySound(int event) override { log << QStringLiteral("sound %1").arg(event); }
    void Prepare() override { log << QStringLiteral("speaker prepared"); }

    NullTableView table;
};

class GameAppTest : public TempHome {
protected:
    /// A new program run over the shared store, started up with `commandLine`.
    GameApp& Start(const QString& commandLine = {}) {
        window.log.clear();
        app.reset();
        app = std::make_unique<GameApp>(
            AppContext{*store, folders, clock, messages, files, commandLine, false, true},
            window.Ports());
        app->Menu().SetRandom([] { return 0.5; });
        app->StartUp();
        return *app;
    }

    /// A new game with two moves to free cells, one of the column cards left selected.
    void PlayTwoMovesAndSelect() {
        app->Menu().Run(CommandId::New);
        GameState& state = app->Session().State();
        for (int column : {0, 1}) {
            const Location from = state.Game().GetBottomCardLocation(static_cast<Location>(column));
            state.MutableGame().SetLocation(from, FreeCell(column), MoveMode::First,
                                            Motion::Instant());
        }
        mGame::SelectLocation(state, state.Game().GetBottomCardLocation(2));
        ASSERT_NE(state.SelectedLocation, NoLocation);
    }

    QString Stored(const char* key) {
        return Reopened().GetSetting(QStringLiteral("Save"), QString::fromLatin1(key));
    }
    int ScoreLines() { return static_cast<int>(ReadAll(app->Save().ScoreFile()).count('\n')); }

    FakeMessages messages;
    FakeFileDialogs files;
    RecordingWindow window;
    std::unique_ptr<GameApp> app;
};

} // namespace

TEST_F(GameAppTest, StartUpRunsItsStepsInOrderWithTheFirstRunBeforeThePlayerList) {
    const QString picture = Path(QStringLiteral("picture.bmp"));
    Touch(picture);
    cSetting(*store).Image(picture);
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("Left"), QStringLiteral("1"));
    store->SaveSetting(QStringLiteral("Save"), QStringLiteral("Top"), QStringLiteral("5760"));

    Start();
    // The first run made a player, so the list shows one; the cards are hidden before the empty
    // table's caption, the window is placed (Top at half the screen goes back to 0) before the
    // bars show, and the start sound comes last.
    ASSERT_FALSE(window.players.isEmpty()) << window.log.join(u'\n').toStdString();
    EXPECT_EQ(window.log,
              (QStringList{"players " + window.players.join(u','), "recent menus", "cards 0",
                           "cards 0", "caption Velmora 2003", "placed 1,0 9720x7000", "toolbar 1",
                           "statusbar 1", "zoom 100", "keyhints 0", "timer 1", "customised",
                           "speaker prepared", "wallpaper 0", "sound 1"}));
    EXPECT_EQ(Stored("Top"), QStringLiteral("0"));
    EXPECT_EQ(Stored("Left"), QStringLiteral("1"));
    EXPECT_FALSE(app->Save().SessionStart().isEmpty());
    EXPECT_EQ(app->Save().SessionStart(), app->Save().GameStartTime());
}

TEST_F(GameAppTest, DecliningToGiveUpTheUnfinishedGameEndsTheStartUpBeforeThePlacement) {
    const QString named = Path(QStringLiteral("named.vlg"));
    Start();
    PlayTwoMovesAndSelect();
    app->Shutdown();
    ASSERT_TRUE(QFile::exists(app->Save().UnfinishedFile()));
    GameSession other;
    other.StartGame(7);
    ASSERT_TRUE(other.Trans().SaveToFile(named.toStdString()).has_value());

    messages.answer = false;
    Start(named);
    EXPECT_TRUE(app->QuitRequested());
    EXPECT_EQ(messages.Questions(), 1);
    EXPECT_FALSE(window.log.contains(QStringLiteral("sound 1")))
        << window.log.join(u'\n').toStdString();
    EXPECT_FALSE(std::any_of(window.log.begin(), window.log.end(),
                             [](const QString& line) { return line.startsWith(u"placed"); }));
    EXPECT_EQ(Stored("Unfinished"), QStringLiteral("True"));

    // Yes: the unfinished game is recorded as lost, then the named file is opened.
    messages.answer = true;
    Start(named);
    EXPECT_FALSE(app->QuitRequested());
    EXPECT_EQ(ScoreLines(), 1);
    EXPECT_EQ(app->Session().State().GameNumber, 7);
    EXPECT_TRUE(app->Session().State().GameStarted);
}

TEST_F(GameAppTest, ShutdownKeepsTheGameInPlayAndTheNextStartResumesIt) {
    Start();
    PlayTwoMovesAndSelect();
    const GameState& before = app->Session().State();
    const std::int32_t number = before.GameNumber;
    const auto board = before.Game().Board();
    const int records = app->Session().Trans().TotalTrans();
    clock.Advance(95);

    window.log.clear();
    app->Shutdown();
    EXPECT_EQ(window.log.value(0), QStringLiteral("sound 2"));
    EXPECT_EQ(app->Session().State().SelectedLocation, NoLocation);
    EXPECT_EQ(Stored("Unfinished"), QStringLiteral("True"));
    EXPECT_EQ(Stored("LastGameTime"), QStringLiteral("95"));
    EXPECT_EQ(Stored("Maximized"), QStringLiteral("False"));
    EXPECT_EQ(Stored("Left"), QStringLiteral("1500"));
    EXPECT_EQ(Stored("Top"), QStringLiteral("3000"));
    EXPECT_EQ(Stored("width"), QStringLiteral("9900"));
    EXPECT_EQ(Stored("Height"), QStringLiteral("7500"));
    EXPECT_EQ(ScoreLines(), 0);

    clock.Advance(3600);
    Start();
    const GameState& after = app->Session().State();
    EXPECT_TRUE(after.GameStarted);
    EXPECT_FALSE(after.Finished);
    EXPECT_EQ(after.GameNumber, number);
    EXPECT_EQ(after.Game().Board(), board);
    EXPECT_EQ(app->Session().Trans().TotalTrans(), records);
    EXPECT_EQ(app->Session().Trans().CurrentTrans(), records);
    // The hour the program was closed does not count.
    EXPECT_EQ(app->Time().GetGameTime(), 95);
    EXPECT_EQ(messages.Questions(), 0);
}

TEST_F(GameAppTest, ShutdownWithoutKeepingRecordsTheGameLostAndAMinimizedWindowKeepsItsPlace) {
    Start();
    app->Opt().EnableUnfinished(0);
    PlayTwoMovesAndSelect();
    window.shown = IWindowPlacement::Shown::Minimized;
    window.log.clear();
    clock.Advance(30);
    app->Shutdown();
    // The end sound comes before the game is put away.
    EXPECT_EQ(window.log.value(0), QStringLiteral("sound 2"));
    EXPECT_TRUE(window.log.contains(QStringLiteral("caption Velmora 2003")));
    EXPECT_EQ(ScoreLines(), 1);
    const auto lost =
        cScore::ParseRecord(QString::fromUtf8(ReadAll(app->Save().ScoreFile())).trimmed());
    ASSERT_TRUE(lost.has_value());
    EXPECT_EQ(lost->Time, 30);
    EXPECT_LT(lost->Perc, 100);
    EXPECT_EQ(Stored("Unfinished"), QStringLiteral("False"));
    EXPECT_EQ(Stored("LastGameTime"), QStringLiteral("0"));
    EXPECT_FALSE(QFile::exists(app->Save().UnfinishedFile()));
    EXPECT_EQ(Stored("Left"), QStringLiteral("0"));
    EXPECT_EQ(Stored("Height"), QString());

    // Maximized is all a maximised window stores; with no game nothing is recorded.
    window.shown = IWindowPlacement::Shown::Maximized;
    app->Shutdown();
    EXPECT_EQ(Stored("Maximized"), QStringLiteral("True"));
    EXPECT_EQ(Stored("Height"), QString());
    EXPECT_EQ(ScoreLines(), 1);
    Start();
    EXPECT_TRUE(window.log.contains(QStringLiteral("maximized")));
    EXPECT_FALSE(app->Session().State().GameStarted);
}
