#include "mainwindow/GameApp.h"

#include "appearance/cCustom.h"
#include "appearance/cSetting.h"
#include "engine/SoundEvents.h"
#include "engine/Types.h"
#include "engine/mGame.h"
#include "history/GameSession.h"
#include "library/Clock.h"
#include "library/Messages.h"
#include "library/OptEngineOptions.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "library/mSave.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/MenuLayout.h"
#include "mainwindow/cMenu.h"
#include "platform/SettingsStore.h"
#include "scores/ScoreBoard.h"
#include "scores/cFinish.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cTime.h"
#include "scores/cUser.h"

#include <algorithm>
#include <string_view>

namespace velmora {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// A length for the 16-bit placement settings.
std::int16_t ToInt16(int twips) {
    return static_cast<std::int16_t>(std::clamp(twips, 0, 32767));
}

/// The customise list's toolbar rows, read from the command table in position order.
std::vector<CustomItem> CustomToolbarItems() {
    std::vector<CustomItem> items;
    for (const MenuLayout::ToolbarButton& button : MenuLayout::Toolbar()) {
        if (!button.command) {
            continue;
        }
        const CommandRow& row = RowOf(*button.command);
        items.push_back(
            {button.position, Text(row.customCaption), Text(row.toolbarKey), row.shownAtFirst});
    }
    return items;
}

} // namespace

/// The game on the table as the score board reads it.
class GameApp::TableFigures final : public IGameFigures {
public:
    TableFigures(const GameSession& session, cTime& time) : m_session(session), m_time(time) {}
    bool GameInProgress() const override {
        return m_session.State().GameStarted && !m_session.State().Finished;
    }
    std::int32_t MoveNumber() const override { return m_session.Trans().MoveID(); }
    std::int32_t CardsLeft() const override { return m_time.GetCardLeft(); }
    std::int32_t GameTime() override { return m_time.GetGameTime(); }
    std::int32_t SessionTime() override { return m_time.GetSessionTime(); }

private:
    const GameSession& m_session;
    cTime& m_time;
};

GameApp::GameApp(const AppContext& context, const AppWindowPorts& window)
    : m_context(context), m_window(window) {
    SettingsStore& store = m_context.store;
    m_opt = std::make_unique<cOpt>(store, &m_window.view);
    m_save = std::make_unique<cSave>(store, m_context.folders, m_context.clock);
    m_player = std::make_unique<cPlayer>(store, &m_window.players);
    m_user = std::make_unique<cUser>(*m_player, m_context.messages, &m_window.players);
    m_engineOptions = std::make_unique<OptEngineOptions>(*m_opt);
    m_custom = std::make_unique<cCustom>(store, CustomToolbarItems(), &m_window.custom);
    m_setting = std::make_unique<cSetting>(store, &m_window.background);

    EnginePorts ports;
    ports.view = &m_window.table;
    ports.sound = &m_window.speaker;
    ports.options = m_engineOptions.get();
    ports.dialogs = &m_window.dialogs;
    ports.events = this;
    m_session = std::make_unique<GameSession>(ports, &m_window.replay);
    m_time = std::make_unique<cTime>(m_session->State(), *m_save, m_context.clock);
    m_score = std::make_unique<cScore>(*m_save, *m_player, m_context.clock);
    m_finish = std::make_unique<cFinish>(store);
    m_recent = std::make_unique<cRecent>(store, &m_window.recent);
    m_menu = std::make_unique<cMenu>(
        cMenu::Parts{*m_session, *m_opt, *m_save, *m_recent, *m_player, *m_score, *m_time,
                     m_window.speaker, m_context.messages, m_context.fileDialogs, m_window.menu});
    m_figures = std::make_unique<TableFigures>(*m_session, *m_time);
    m_setting->Update_BackGround();
}

GameApp::~GameApp() = default;

IGameFigures& GameApp::Figures() {
    return *m_figures;
}

void GameApp::StartUp() {
    auto done = mSave::SetUpAtStartUp(
        m_context.store, m_context.folders, m_context.clock,
        [this](const QString& name, const QString& fullName, const QString& date) {
            m_user->AddUser(name, fullName, date);
        });
    if (!done) {
        ShowError(m_context.messages, done.error());
    }
    m_user->ListUserCombo();
    // Written to the settings file once the window is on screen (frmMain flushes the store).
    m_save->SessionAndGameStart(m_context.clock.Now());
    m_recent->UpdateRecent();
    m_window.menu.ShowCards(false);
    RunOpenGame();
    if (m_quitRequested) {
        return;
    }
    RestorePlacement();
    ApplyViewOptions();
    m_custom->RestoreAll();
    if (m_context.sound) {
        m_window.speaker.Prepare();
    }
    m_setting->StartRotation();
    m_window.speaker.PlaySound(SoundStartSession);
}

void GameApp::OpenAtStartUp(const QString& path) {
    if (auto opened = m_menu->OpenGame(path); !opened) {
        ShowError(m_context.messages, opened.error());
        m_menu->NoGame();
    }
}

void GameApp::RunOpenGame() {
    const OpenGameDecision decision = m_save->Open_Game(m_context.commandLine, m_context.messages);
    switch (decision.action) {
    case OpenGameDecision::Action::NoGame:
        m_menu->NoGame();
        return;
    case OpenGameDecision::Action::ResumeUnfinished:
        if (auto opened = m_menu->ResumeGame(decision.unfinishedFile); !opened) {
            ShowError(m_context.messages, opened.error());
            m_menu->NoGame();
            return;
        }
        m_menu->Game_Started(false);
        return;
    case OpenGameDecision::Action::OpenFile:
        OpenAtStartUp(decision.file);
        return;
    case OpenGameDecision::Action::GiveUpUnfinishedThenOpen:
        if (auto opened = m_menu->ResumeGame(decision.unfinishedFile); opened) {
            m_menu->GameLost();
        } else {
            ShowError(m_context.messages, opened.error());
        }
        OpenAtStartUp(decision.file);
        return;
    case OpenGameDecision::Action::Quit:
        m_quitRequested = true;
        return;
    }
}

void GameApp::RestorePlacement() {
    IWindowPlacement& window = m_window.placement;
    if (m_save->Maximized()) {
        window.Maximize();
        return;
    }
    // Only the corner is checked: a size is raised to the window's minimum when it is placed.
    const QSize screen = window.ScreenSize();
    int left = m_save->Left();
    int top = m_save->Top();
    if (left < 1 || left >= screen.width() / 2) {
        left = 0;
        m_save->Left(0);
    }
    if (top < 1 || top >= screen.height() / 2) {
        top = 0;
        m_save->Top(0);
    }
    window.Place(left, top, m_save->width(), m_save->Height());
}

void GameApp::ApplyViewOptions() {
    IViewOptions& view = m_window.view;
    view.ShowToolbar(m_opt->ShowToolbar() != 0);
    view.ShowStatusbar(m_opt->ShowStatusbar() != 0);
    view.SetZoom(m_opt->Zoom());
    view.ShowKeyHints(m_opt->KeyHints() != 0);
    view.ShowTimerBox(m_opt->ShowTimer() != 0);
}

void GameApp::Shutdown() {
    m_window.speaker.PlaySound(SoundEndSession);
    StorePlacement();
    GameState& state = m_session->State();
    const bool inPlay = state.GameStarted && !state.Finished;
    if (m_opt->EnableUnfinished() == 1 && inPlay) {
        mGame::ClearSelection(state);
        auto saved = MakeFolder(m_save->UserFolder());
        if (saved) {
            saved = m_session->Trans().SaveToFile(m_save->UnfinishedFile().toStdString());
        }
        if (!saved) {
            ShowError(m_context.messages, saved.error());
            return;
        }
        m_save->LastGameTime(m_time->GameTimeToStore());
        m_save->Unfinished(true);
        return;
    }
    if (m_opt->EnableUnfinished() == 0 && inPlay) {
        m_menu->GameLost();
    }
    m_save->Unfinished(false);
    m_save->LastGameTime(0);
}

void GameApp::StorePlacement() {
    switch (m_window.placement.State()) {
    case IWindowPlacement::Shown::Maximized:
        m_save->Maximized(true);
        return;
    case IWindowPlacement::Shown::Minimized:
        return;
    case IWindowPlacement::Shown::Normal: {
        const QRect frame = m_window.placement.Geometry();
        m_save->Maximized(false);
        m_save->Height(ToInt16(frame.height()));
        m_save->width(ToInt16(frame.width()));
        m_save->Top(ToInt16(frame.y()));
        m_save->Left(ToInt16(frame.x()));
        return;
    }
    }
}

// IGameEvents -------------------------------------------------------------------------------

void GameApp::GameStarting(std::int32_t gameNumber, bool keepHistory) {
    m_window.events.GameStarting(gameNumber, keepHistory);
    m_time->RunGameClock();
    m_window.menu.SetTimeTimer(true);
    m_menu->SetStopEnabled(false);
    if (!keepHistory) {
        // The incomplete auto-save name it returns is not needed: games are auto-saved under
        // a fresh name when they end.
        m_save->OnGameStarting(gameNumber, keepHistory);
    }
}

void GameApp::SetCaption(const std::string& caption) {
    m_window.events.SetCaption(caption);
}

void GameApp::StatusChanged() {
    if (m_menu) {
        m_menu->Statusbar_Update();
    }
    m_window.events.StatusChanged();
}

void GameApp::GameWon() {
    // The points shown and recorded are those of the winning move, however long the player
    // takes over the dialog.
    m_time->StopGameClock();
    m_window.events.GameWon();
}

} // namespace velmora
