// cMenu without widgets: the enabling rules over every game state, handlers, and the table.

#include "support/TempHome.h"

#include "engine/GameState.h"
#include "engine/SoundEvents.h"
#include "engine/cGame.h"
#include "history/GameSession.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "mainwindow/MenuLayout.h"
#include "mainwindow/cMenu.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cTime.h"

#include <set>
#include <string>

using namespace velmora;
using namespace velmora::test;
using enum CommandId;

namespace {

class FakeMenuWindow final : public IMenuWindow {
public:
    std::array<std::optional<bool>, CommandCount> shown{};
    bool replayRunning = false;
    int relayouts = 0;

    void SetCaption(const QString&) override {}
    void ShowCards(bool) override {}
    void SetTimeText(const QString&) override {}
    void SetPanelText(int, const QString&) override {}
    void SetTimeTimer(bool) override {}
    bool ReplayRunning() const override { return replayRunning; }
    void SetEnabled(CommandId id, bool enabled) override { shown[Index(id)] = enabled; }
    void SelectPlayerPosition(int) override {}
    QString PlayerAt(int) const override { return {}; }
    void FocusTable() override {}
    void Relayout() override { ++relayouts; }
};

/// The replay timers as the main window runs them: Stop follows the replay.
class FakeReplay final : public IReplayControl {
public:
    FakeMenuWindow* window = nullptr;
    cMenu* menu = nullptr;
    bool forward = false;
    bool backward = false;

    void SetStopEnabled(bool enabled) override { menu->SetStopEnabled(enabled); }
    void SetForwardTimer(bool running) override { forward = running, Update(); }
    void SetBackwardTimer(bool running) override { backward = running, Update(); }

private:
    void Update() { window->replayRunning = forward || backward; }
};

/// Commands that open a window and so need a handler.
const std::set<CommandId> Windows{Select,     Exit,      Source,  AddFav,   FavOpen,
                                  OrgFav,     Customize, Options, Settings, AutoSave,
                                  ScoreBoard, Contents,  About};

class cMenuTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        opt = std::make_unique<cOpt>(*store);
        save = std::make_unique<cSave>(*store, folders, clock);
        recent = std::make_unique<cRecent>(*store);
        player = std::make_unique<cPlayer>(*store);
        score = std::make_unique<cScore>(*save, *player, clock);
        session = std::make_unique<GameSession>(EnginePorts{}, &replay);
        time = std::make_unique<cTime>(session->State(), *save, clock);
        menu = std::make_unique<cMenu>(cMenu::Parts{*session, *opt, *save, *recent, *player, *score,
                                                    *time, sound, messages, files, window});
        menu->SetRandom([] { return 0.0; });
        replay.window = &window;
        replay.menu = menu.get();
    }

    void GiveEveryWindowAHandler() {
        for (const CommandId id : Windows) {
            menu->SetHandler(id, [this, id] { opened.push_back(id); });
        }
    }

    /// Moves the exposed card of `column` to free cell `cell` as one player move.
    void MoveToFreeCell(int column, int cell) {
        cGame& game = session->State().MutableGame();
        const Location from = game.GetBottomCardLocation(static_cast<Location>(column));
        ASSERT_NE(from, NoLocation);
        game.SetLocation(from, FreeCell(cell), MoveMode::First, Motion::Instant());
    }

    /// Every command is enabled exactly when it is in `expected`, and the window shows what
    /// cMenu answers for each command it was told about.
    void ExpectEnabled(const std::set<CommandId>& expected, const char* when) {
        menu->Update_Menu();
        for (const CommandRow& row : Commands()) {
            EXPECT_EQ(menu->Enabled(row.id), expected.contains(row.id)) << row.name << " " << when;
            if (window.shown[Index(row.id)]) {
                EXPECT_EQ(*window.shown[Index(row.id)], menu->Enabled(row.id))
                    << row.name << " shown " << when;
            }
        }
    }

    FakeMessages messages;
    FakeFileDialogs files;
    FakeMenuWindow window;
    FakeReplay replay;
    RecordingSound sound;
    std::vector<CommandId> opened;
    std::unique_ptr<cOpt> opt;
    std::unique_ptr<cSave> save;
    std::unique_ptr<cRecent> recent;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cScore> score;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<cTime> time;
    std::unique_ptr<cMenu> menu;
};

std::set<CommandId> Plus(std::set<CommandId> a, std::initializer_list<CommandId> b) {
    a.insert(b);
    return a;
}

} // namespace

TEST_F(cMenuTest, EnablingFollowsTheGameStateTheHistoryAndTheReplay) {
    GiveEveryWindowAHandler();
    const std::set<CommandId> always{New,      Select,   Open,       Exit,     Toolbar,   Statusbar,
                                     Timer,    Zoom,     Zoom100,    Zoom125,  Zoom150,   Zoom200,
                                     ZoomFit,  KeyHints, FavOpen,    OrgFav,   Customize, Options,
                                     Settings, AutoSave, ScoreBoard, Contents, About};
    menu->NoGame();
    ExpectEnabled(always, "without a game");
    menu->Run(Restart);
    EXPECT_FALSE(session->State().GameStarted) << "a disabled command does nothing";

    menu->Run(New);
    ASSERT_TRUE(session->State().GameStarted);
    const std::set<CommandId> inPlay =
        Plus(always, {Restart, Save, Close, Source, AddFav, Snapshot});
    ExpectEnabled(inPlay, "at the deal");

    // Game 0: neither move sends a card home by itself.
    MoveToFreeCell(1, 0);
    ASSERT_EQ(session->Trans().TotalTrans(), 1);
    ExpectEnabled(Plus(inPlay, {Undo, Back, ReplayAll}), "after one record");
    MoveToFreeCell(2, 1);
    ASSERT_EQ(session->Trans().TotalTrans(), 2);
    ExpectEnabled(Plus(inPlay, {Undo, Back, UndoAll, ReplayAll}), "after two records");

    menu->Run(Undo);
    ExpectEnabled(Plus(inPlay, {Undo, Back, Redo, Forward, ReplayAll}), "one of two undone");
    menu->Run(Undo);
    ExpectEnabled(Plus(inPlay, {Redo, Forward, RedoAll, ReplayAll}), "both undone");

    menu->Run(Forward);
    ASSERT_TRUE(window.replayRunning);
    ExpectEnabled(Plus(inPlay, {ReplayAll, Stop}), "while replaying");
    menu->Run(Stop);
    ASSERT_FALSE(window.replayRunning);
    ExpectEnabled(Plus(inPlay, {Redo, Forward, RedoAll, ReplayAll}), "after Stop");

    // A snapshot is offered back only once the history has moved away from it.
    menu->Run(RedoAll);
    menu->Run(CommandId::Snapshot);
    ExpectEnabled(Plus(inPlay, {Undo, Back, UndoAll, ReplayAll}), "at the snapshot");
    menu->Run(Undo);
    ExpectEnabled(Plus(inPlay, {Undo, Back, Redo, Forward, ReplayAll, UndoSnapshot}),
                  "away from the snapshot");

    // The same game on view: no snapshot, and the one taken is forgotten.
    menu->Game_Started(true);
    ExpectEnabled(
        Plus(always, {Restart, Save, Close, Source, AddFav, Undo, Back, Redo, Forward, ReplayAll}),
        "on view");
}

TEST_F(cMenuTest, AWindowCommandIsAvailableOnceItHasAHandler) {
    menu->Update_Menu();
    for (const CommandId id : Windows) {
        EXPECT_FALSE(menu->Enabled(id)) << RowOf(id).name;
    }
    EXPECT_TRUE(menu->Enabled(New));
    EXPECT_TRUE(menu->Enabled(Open)) << "Open has its file dialog without a handler";

    menu->Run(ScoreBoard);
    EXPECT_TRUE(opened.empty());
    menu->SetHandler(ScoreBoard, [this] { opened.push_back(ScoreBoard); });
    EXPECT_TRUE(menu->Enabled(ScoreBoard));
    EXPECT_EQ(window.shown[Index(ScoreBoard)], true) << "the window learns at once";
    menu->Run(ScoreBoard);
    EXPECT_EQ(opened, std::vector<CommandId>{ScoreBoard});

    // Select: the question before a game in play is given up, the window, then its sound.
    menu->SetHandler(Select, [this] { opened.push_back(Select); });
    menu->Run(New);
    sound.events.clear();
    messages.answer = false;
    menu->Run(Select);
    EXPECT_EQ(messages.Questions(), 1);
    EXPECT_EQ(opened.size(), 1U) << "answered No: no window";
    messages.answer = true;
    menu->SelectGame(QStringLiteral("Select"));
    EXPECT_EQ(opened.back(), Select);
    EXPECT_FALSE(session->State().GameStarted) << "the game in play was given up";
    EXPECT_EQ(sound.events, std::vector<int>{SoundSelectGame});

    // A handler given to Open replaces the file dialog.
    menu->SetHandler(Open, [this] { opened.push_back(Open); });
    menu->Run(Open);
    EXPECT_EQ(opened.back(), Open);
    EXPECT_TRUE(files.lastFilter.isEmpty()) << "no file dialog";
}

TEST_F(cMenuTest, ViewCommandsToggleTheirOptionAndTick) {
    EXPECT_TRUE(menu->Checked(Toolbar));
    menu->Run(Toolbar);
    EXPECT_FALSE(menu->Checked(Toolbar));
    EXPECT_EQ(opt->ShowToolbar(), 0);
    menu->Run(Timer);
    EXPECT_FALSE(menu->Checked(Timer));
    EXPECT_TRUE(menu->Checked(Statusbar));
    EXPECT_EQ(window.relayouts, 1) << "the timer box needs no new layout";
    EXPECT_FALSE(menu->Checked(New));

    EXPECT_FALSE(menu->Checked(KeyHints));
    menu->Run(KeyHints);
    EXPECT_EQ(opt->KeyHints(), 1);
}

TEST_F(cMenuTest, ZoomItemsAreOneRadioGroupOverTheStoredZoom) {
    const std::vector<CommandId> items{Zoom100, Zoom125, Zoom150, Zoom200, ZoomFit};
    auto ticked = [&] {
        std::vector<CommandId> on;
        std::copy_if(items.begin(), items.end(), std::back_inserter(on),
                     [&](CommandId id) { return menu->Checked(id); });
        return on;
    };
    EXPECT_EQ(ticked(), std::vector<CommandId>{Zoom100}) << "100 % by default";
    for (const CommandId id : items) {
        EXPECT_EQ(RowOf(id).radioGroup, RowOf(Zoom100).radioGroup);
        menu->Run(id);
        EXPECT_EQ(ticked(), std::vector<CommandId>{id}) << RowOf(id).name;
    }
    EXPECT_EQ(opt->Zoom(), 0) << "Fit to Window is stored as 0";
    opt->Zoom(175);
    EXPECT_EQ(ticked(), std::vector<CommandId>{Zoom100}) << "an odd zoom shows as 100 %";
}

TEST(CommandTable, NamesKeysAndPositionsAreUnique) {
    std::set<std::string_view> names;
    std::set<std::string_view> keys;
    std::set<int> positions;
    for (const CommandRow& row : Commands()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_EQ(CommandByName(row.name), row.id) << row.name;
        if (row.toolbarPosition == 0) {
            EXPECT_TRUE(row.toolbarKey.empty()) << row.name;
            continue;
        }
        EXPECT_TRUE(keys.insert(row.toolbarKey).second) << row.toolbarKey;
        EXPECT_TRUE(positions.insert(row.toolbarPosition).second) << row.toolbarKey;
        EXPECT_EQ(CommandByToolbarKey(row.toolbarKey), row.id) << row.toolbarKey;
    }
    EXPECT_EQ(keys.size(), 18U);
    EXPECT_EQ(CommandByName("mnuGame"), std::nullopt);

    // Every toolbar position is taken once: the player list, a separator or a button.
    int separators = 0;
    for (const MenuLayout::ToolbarButton& button : MenuLayout::Toolbar()) {
        const bool placeHolder = button.position == 1;
        EXPECT_EQ(button.key.empty(), placeHolder) << button.position;
        separators += button.IsSeparator() ? 1 : 0;
    }
    EXPECT_EQ(separators, 6);

    // Every command row appears exactly once in the menu bar.
    std::multiset<CommandId> inMenus;
    for (const MenuLayout::Menu& menu : MenuLayout::MenuBar()) {
        for (const MenuLayout::Item& item : menu.items) {
            if (item.kind != MenuLayout::Item::Kind::Separator) {
                inMenus.insert(item.command);
            }
            inMenus.insert(item.submenu.begin(), item.submenu.end());
        }
    }
    EXPECT_EQ(inMenus.size(), CommandCount);
    for (const CommandRow& row : Commands()) {
        EXPECT_EQ(inMenus.count(row.id), 1U) << row.name;
    }
}
