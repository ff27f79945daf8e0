#include "mainwindow/cMenu.h"

#include "engine/Ports.h"
#include "engine/Rounding.h"
#include "engine/SoundEvents.h"
#include "engine/cGame.h"
#include "history/GameSession.h"
#include "library/ClockRandom.h"
#include "library/Messages.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "mainwindow/TableGeometry.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cTime.h"

namespace velmora {

namespace {

/// Commands that open a window: unavailable until a handler is registered.
bool NeedsHandler(CommandId id) {
    switch (id) {
    case CommandId::Select:
    case CommandId::Exit:
    case CommandId::Source:
    case CommandId::AddFav:
    case CommandId::FavOpen:
    case CommandId::OrgFav:
    case CommandId::Customize:
    case CommandId::Options:
    case CommandId::Settings:
    case CommandId::AutoSave:
    case CommandId::ScoreBoard:
    case CommandId::Contents:
    case CommandId::About:
    case CommandId::Hint:
    case CommandId::ShowSolution:
        return true;
    case CommandId::New:
    case CommandId::Restart:
    case CommandId::Open:
    case CommandId::Save:
    case CommandId::Close:
    case CommandId::RecentFinished:
    case CommandId::RecentIncomplete:
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::Snapshot:
    case CommandId::UndoSnapshot:
    case CommandId::UndoAll:
    case CommandId::RedoAll:
    case CommandId::Toolbar:
    case CommandId::Statusbar:
    case CommandId::Timer:
    case CommandId::Zoom:
    case CommandId::Zoom100:
    case CommandId::Zoom125:
    case CommandId::Zoom150:
    case CommandId::Zoom200:
    case CommandId::ZoomFit:
    case CommandId::KeyHints:
    case CommandId::Forward:
    case CommandId::Back:
    case CommandId::ReplayAll:
    case CommandId::Stop:
        return false;
    }
    return false;
}

} // namespace

int ZoomOf(CommandId id) {
    switch (id) {
    case CommandId::Zoom100:
        return 100;
    case CommandId::Zoom125:
        return 125;
    case CommandId::Zoom150:
        return 150;
    case CommandId::Zoom200:
        return 200;
    case CommandId::ZoomFit:
        return FitToWindow;
    default:
        return -1;
    }
}

cMenu::cMenu(Parts parts) : m_p(parts), m_random(ClockSeededRandom) {
    for (const CommandRow& row : Commands()) {
        m_enabled[Index(row.id)] = row.enabledAtStart;
    }
}

void cMenu::SetHandler(CommandId id, Handler handler) {
    m_handlers[Index(id)] = std::move(handler);
    m_p.window.SetEnabled(id, Enabled(id));
}

bool cMenu::Available(CommandId id) const {
    return !NeedsHandler(id) || m_handlers[Index(id)];
}

bool cMenu::Enabled(CommandId id) const {
    return m_enabled[Index(id)] && Available(id);
}

bool cMenu::Checked(CommandId id) const {
    switch (id) {
    case CommandId::Toolbar:
        return m_p.opt.ShowToolbar() != 0;
    case CommandId::Statusbar:
        return m_p.opt.ShowStatusbar() != 0;
    case CommandId::Timer:
        return m_p.opt.ShowTimer() != 0;
    case CommandId::KeyHints:
        return m_p.opt.KeyHints() != 0;
    case CommandId::Zoom100:
    case CommandId::Zoom125:
    case CommandId::Zoom150:
    case CommandId::Zoom200:
    case CommandId::ZoomFit:
        return NormalZoom(m_p.opt.Zoom()) == ZoomOf(id);
    default:
        return false;
    }
}

bool cMenu::OpenWindow(CommandId id) {
    const Handler& handler = m_handlers[Index(id)];
    if (!handler) {
        return false;
    }
    handler();
    return true;
}

void cMenu::Run(CommandId id) {
    if (!Enabled(id)) {
        return;
    }
    switch (id) {
    case CommandId::New:
    case CommandId::Select:
    case CommandId::Restart:
    case CommandId::Open:
        SelectGame(id);
        return;
    case CommandId::Save:
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::UndoAll:
    case CommandId::RedoAll:
    case CommandId::Forward:
    case CommandId::Back:
    case CommandId::Stop:
    case CommandId::AddFav:
    case CommandId::FavOpen:
    case CommandId::OrgFav:
    case CommandId::ScoreBoard:
    case CommandId::Options:
    case CommandId::Contents:
    case CommandId::About:
        SelectType(id);
        return;
    case CommandId::Close:
        CloseGame();
        return;
    case CommandId::Snapshot:
        Snapshot();
        return;
    case CommandId::UndoSnapshot:
        UndoToSnapshot();
        return;
    case CommandId::ReplayAll:
        ReplayAll();
        return;
    case CommandId::Hint:
        OpenWindow(id);
        return;
    case CommandId::ShowSolution:
        if (m_p.messages.Ask(QStringLiteral("Give up this game and watch how it can be won?"),
                             MessageIcon::Question)) {
            OpenWindow(id);
        }
        return;
    case CommandId::Toolbar:
    case CommandId::Statusbar:
    case CommandId::Timer:
    case CommandId::KeyHints:
        ToggleView(id);
        return;
    case CommandId::Zoom100:
    case CommandId::Zoom125:
    case CommandId::Zoom150:
    case CommandId::Zoom200:
    case CommandId::ZoomFit:
        m_p.opt.Zoom(static_cast<std::int16_t>(ZoomOf(id)));
        return;
    case CommandId::Exit:
    case CommandId::Source:
    case CommandId::Customize:
    case CommandId::Settings:
    case CommandId::AutoSave:
        OpenWindow(id);
        return;
    case CommandId::RecentFinished:
    case CommandId::RecentIncomplete:
    case CommandId::Zoom:
        return;
    }
}

void cMenu::ToggleView(CommandId id) {
    if (id == CommandId::Toolbar) {
        m_p.opt.ShowToolbar(m_p.opt.ShowToolbar() != 0 ? 0 : 1);
        m_p.window.Relayout();
    } else if (id == CommandId::Statusbar) {
        m_p.opt.ShowStatusbar(m_p.opt.ShowStatusbar() != 0 ? 0 : 1);
        m_p.window.Relayout();
    } else if (id == CommandId::Timer) {
        m_p.opt.ShowTimer(m_p.opt.ShowTimer() != 0 ? 0 : 1);
    } else if (id == CommandId::KeyHints) {
        m_p.opt.KeyHints(m_p.opt.KeyHints() != 0 ? 0 : 1);
    }
}

std::int32_t cMenu::GameNumber() const {
    return m_p.session.State().GameNumber;
}

Result<void> cMenu::SaveGame(const QString& path) {
    return m_p.session.Trans().SaveToFile(path.toStdString());
}

Result<void> cMenu::OpenGame(const QString& path) {
    auto opened = Open(path);
    if (opened) {
        // Timed from the moment it is opened, as a dealt game is.
        m_p.save.StartGameClock();
    }
    return opened;
}

Result<void> cMenu::ResumeGame(const QString& path) {
    auto opened = Open(path);
    if (!opened) {
        // Told once: the file stays for the player to look at, but is not offered again.
        m_p.save.Unfinished(false);
        m_p.save.LastGameTime(0);
    }
    return opened;
}

void cMenu::OpenCommandLine(const QString& commandLine) {
    const QString path = commandLine.trimmed();
    if (path.isEmpty()) {
        return;
    }
    const GameState& state = m_p.session.State();
    if (state.GameStarted && !state.Finished) {
        if (!cSave::AskExitUnfinished(m_p.messages)) {
            return;
        }
        GameLost();
    }
    Report(OpenGame(path));
}

void cMenu::Report(const Result<void>& result) {
    if (!result) {
        ShowError(m_p.messages, result.error());
    }
}

Result<void> cMenu::Open(const QString& path) {
    std::string name = path.toStdString();
    auto kind = m_p.session.Open(name);
    if (!kind) {
        return std::unexpected(kind.error());
    }
    if (*kind == SavedGameKind::Finished) {
        Game_Started(true);
    } else if (*kind == SavedGameKind::Incomplete) {
        Game_Started(false);
    }
    return {};
}

Result<void> cMenu::OpenAndReplay(const QString& path) {
    auto opened = OpenGame(path);
    if (opened) {
        m_p.session.Trans().Replay(1);
    }
    return opened;
}

bool cMenu::AllowNewGame() {
    const GameState& state = m_p.session.State();
    if (!state.GameStarted || state.Finished) {
        return true;
    }
    if (!m_p.messages.Ask(QStringLiteral("Are you sure You want to Quit this Game ?"),
                          MessageIcon::Question, QStringLiteral("Velmora 2003"))) {
        return false;
    }
    GameLost();
    return true;
}

void cMenu::SelectGame(const QString& key) {
    if (const auto id = CommandByToolbarKey(key.toStdString())) {
        SelectGame(*id);
    }
}

void cMenu::SelectGame(CommandId id) {
    const bool gameCommand = id == CommandId::New || id == CommandId::Select ||
                             id == CommandId::Restart || id == CommandId::Open;
    if (!gameCommand || !Available(id)) {
        return;
    }
    if (id == CommandId::Open) {
        // Asked about the game in play once a file has been chosen (File_Open).
        if (!OpenWindow(id)) {
            m_p.save.File_Open(FileCommandPorts{*this, m_p.fileDialogs, m_p.messages, m_p.recent});
        }
        return;
    }
    if (!AllowNewGame()) {
        return;
    }
    switch (id) {
    case CommandId::New: {
        const auto number =
            static_cast<std::int32_t>(RoundHalfEven(m_random() * m_p.opt.GetRandomLimit()));
        m_p.session.StartGame(number);
        Game_Started(false);
        m_p.sound.PlaySound(SoundNewGame);
        return;
    }
    case CommandId::Select:
        OpenWindow(id);
        m_p.sound.PlaySound(SoundSelectGame);
        return;
    case CommandId::Restart:
        m_p.session.StartGame(m_p.session.State().GameNumber);
        Game_Started(false);
        m_p.sound.PlaySound(SoundRestartGame);
        return;
    default:
        return;
    }
}

void cMenu::SelectType(CommandId id) {
    cTrans& trans = m_p.session.Trans();
    switch (id) {
    case CommandId::Save:
        m_p.save.File_Save(QStringLiteral(".vlg"),
                           FileCommandPorts{*this, m_p.fileDialogs, m_p.messages, m_p.recent});
        return;
    case CommandId::Undo:
        trans.Undo(m_p.opt.UndoRedoSpeed());
        m_p.sound.PlaySound(SoundUndo);
        return;
    case CommandId::Redo:
        trans.Redo(m_p.opt.UndoRedoSpeed());
        m_p.sound.PlaySound(SoundUndo);
        return;
    case CommandId::UndoAll:
        trans.UndoAll(m_p.opt.UndoRedoAllSpeed());
        return;
    case CommandId::RedoAll:
        trans.RedoAll(m_p.opt.UndoRedoAllSpeed());
        return;
    case CommandId::Back:
        trans.Replay(2);
        return;
    case CommandId::Forward:
        trans.Replay(1);
        return;
    case CommandId::Stop:
        trans.ReplayStop();
        return;
    case CommandId::AddFav:
    case CommandId::FavOpen:
    case CommandId::OrgFav:
    case CommandId::ScoreBoard:
    case CommandId::Options:
    case CommandId::Contents:
    case CommandId::About:
        OpenWindow(id);
        return;
    default:
        return;
    }
}

void cMenu::NoGame() {
    GameState& state = m_p.session.State();
    state.GameStarted = false;
    state.Finished = false;
    m_p.window.SetTimeTimer(false);
    m_p.window.SetTimeText(cScore::ConvertTimeS(0) + QStringLiteral(" "));
    m_p.window.ShowCards(false);
    m_p.save.SnapShot(false);
    for (int panel = 1; panel <= 5; ++panel) {
        m_p.window.SetPanelText(panel, {});
    }
    m_p.window.SetCaption(QStringLiteral("Velmora 2003"));
    ApplyPlayerChange();
    m_p.session.NewHistory();
    m_solutionOnView = false;
}

void cMenu::Game_Started(bool finished) {
    GameState& state = m_p.session.State();
    state.GameStarted = true;
    m_solutionOnView = false;
    m_p.window.ShowCards(true);
    m_p.save.SnapShot(false);
    Set(CommandId::UndoSnapshot, false);
    if (!finished) {
        state.Finished = false;
        return;
    }
    m_p.window.SetTimeText(cScore::ConvertTimeS(0) + QStringLiteral(" "));
    state.Finished = true;
}

void cMenu::EndGame(bool won) {
    if (m_solutionOnView) {
        // The winning line shown is not the player's game.
        NoGame();
        return;
    }
    const GameState& state = m_p.session.State();
    // Only a game in play is recorded; a finished game on view is put away.
    if (!state.GameStarted || state.Finished) {
        NoGame();
        return;
    }
    const bool autoSave = won ? m_p.save.FinishedSave() == 1 : m_p.save.InCompleteSave() == 1;
    if (autoSave) {
        auto saved = MakeFolder(won ? m_p.save.FinishedDir() : m_p.save.IncompleteDir());
        const QString path = m_p.save.GetFileName(state.GameNumber, won);
        if (saved) {
            saved = SaveGame(path);
        }
        if (saved) {
            m_p.recent.AddtoRecent(path);
        }
        Report(saved);
    }
    const std::int32_t seconds = m_p.time.GameTimeToStore();
    Report(m_p.score.SaveScore(state.GameNumber, m_p.session.Trans().MoveID(), seconds,
                               m_p.time.GetGamePercentage()));
    // However the game ended, a game kept at the last shutdown must not come back.
    m_p.save.Unfinished(false);
    m_p.save.LastGameTime(0);
    NoGame();
}

void cMenu::GameLost() {
    EndGame(false);
}

void cMenu::GameWon() {
    EndGame(true);
}

void cMenu::Statusbar_Update() {
    const GameState& state = m_p.session.State();
    const cTrans& trans = m_p.session.Trans();
    int possible = state.HasGame() ? state.Game().GetPossibleMoves() : 0;
    const int left = m_p.time.GetCardLeft();
    if (left == 0) {
        possible = 0;
    }
    m_p.window.SetPanelText(1, QStringLiteral("Movements: ") + QString::number(trans.MoveID()));
    m_p.window.SetPanelText(2, QStringLiteral("Cards Left: ") + QString::number(left));
    m_p.window.SetPanelText(3, QStringLiteral("Possible Moves: ") + QString::number(possible));
    if (!state.Finished) {
        const std::int32_t points =
            cScore::GetScore(trans.MoveID(), m_p.time.GetGameTime(), m_p.time.GetGamePercentage());
        m_p.window.SetPanelText(4, QStringLiteral("Game Points: ") + QString::number(points));
    } else {
        m_p.window.SetPanelText(4, {});
    }
    m_p.window.SetPanelText(5, QStringLiteral("Session Time: ") +
                                   cScore::ConvertTimeS(m_p.time.GetSessionTime()));
}

void cMenu::Set(CommandId id, bool enabled) {
    m_enabled[Index(id)] = enabled;
    m_p.window.SetEnabled(id, Enabled(id));
}

void cMenu::SetStopEnabled(bool enabled) {
    Set(CommandId::Stop, enabled);
}

void cMenu::Update_Menu() {
    using enum CommandId;
    const GameState& state = m_p.session.State();
    const cTrans& trans = m_p.session.Trans();
    const bool started = state.GameStarted;
    for (const CommandId id : {Restart, Save, Close, Source, AddFav}) {
        Set(id, started);
    }
    Set(RecentIncomplete, m_p.recent.EnableInComplete());
    Set(RecentFinished, m_p.recent.EnableFinish());
    Set(CommandId::Snapshot, started && !state.Finished);
    if (m_p.save.SnapShotValue() != trans.MoveID()) {
        Set(UndoSnapshot, m_p.save.SnapShot());
    } else {
        Set(UndoSnapshot, false);
    }
    Set(CommandId::ReplayAll, started && (trans.RedoPossible() || trans.UndoPossible()));
    const bool inPlay = started && !state.Finished && !m_p.window.ReplayRunning();
    Set(Hint, inPlay);
    Set(ShowSolution, inPlay);
    if (m_p.window.ReplayRunning()) {
        for (const CommandId id : {Undo, Redo, UndoAll, RedoAll, Forward, Back}) {
            Set(id, false);
        }
        return;
    }
    Set(Undo, started && trans.UndoPossible());
    Set(Redo, started && trans.RedoPossible());
    Set(UndoAll, started && trans.UndoAllPossible());
    Set(RedoAll, started && trans.RedoAllPossible());
    Set(Forward, started && trans.RedoPossible());
    Set(Back, started && trans.UndoPossible());
}

void cMenu::ApplyPlayerChange() {
    if (!m_p.player.ChangePlayer()) {
        return;
    }
    m_p.player.ChangePlayer(false);
    m_p.player.CurrentComboIndex(m_p.player.ValidComboIndex(m_p.player.NewPlayerComboIndex()));
    m_p.window.SelectPlayerPosition(m_p.player.CurrentComboIndex());
}

void cMenu::TimeTick() {
    if (!m_p.session.State().Finished) {
        m_p.window.SetTimeText(cScore::ConvertTimeS(m_p.time.GetGameTime()) + QStringLiteral(" "));
    }
    Statusbar_Update();
}

void cMenu::CloseGame() {
    if (!m_p.messages.Ask(QStringLiteral("Are you sure you want to close this Game ?"),
                          MessageIcon::Question)) {
        return;
    }
    GameLost();
    m_p.sound.PlaySound(SoundCloseGame);
}

void cMenu::OpenRecent(int slot) {
    const QString path = m_p.recent.GetRecent(static_cast<std::int16_t>(slot));
    if (path.isEmpty() || !AllowNewGame()) {
        return;
    }
    if (auto opened = OpenGame(path); !opened) {
        ShowError(m_p.messages, opened.error());
    }
}

void cMenu::Snapshot() {
    m_p.save.SnapShot(true);
    m_p.save.SnapShotValue(m_p.session.Trans().MoveID());
    Set(CommandId::UndoSnapshot, true);
}

void cMenu::UndoToSnapshot() {
    if (m_p.save.SnapShot()) {
        m_p.session.Trans().PlayNum(m_p.save.SnapShotValue());
    }
}

void cMenu::ReplayAll() {
    m_p.session.Trans().UndoAll(1);
    m_p.session.Trans().Replay(1);
}

void cMenu::WatchSolution(const SavedGame& solution) {
    GameLost();
    m_p.sound.PlaySound(SoundCloseGame);
    m_p.session.Trans().OpenRecords(solution);
    Game_Started(true);
    m_solutionOnView = true;
    m_p.session.Trans().Replay(1);
}

void cMenu::PlayerChosen(int position) {
    if (!m_p.player.ChangePlayer() && position == m_p.player.CurrentComboIndex()) {
        m_p.window.FocusTable();
        return;
    }
    if (!m_p.session.State().GameStarted) {
        m_p.player.CurrentComboIndex(static_cast<std::int16_t>(position));
        m_p.window.FocusTable();
        return;
    }
    m_p.messages.Message(QStringLiteral("Velmora 2003 cannot change Player in middle of the "
                                        "Game.\r\n Player will be changed to  ") +
                             m_p.window.PlayerAt(position) +
                             QStringLiteral("  after you finish this game."),
                         MessageIcon::Information);
    m_p.player.ChangePlayer(true);
    m_p.player.NewPlayerComboIndex(static_cast<std::int16_t>(position));
    m_p.window.SelectPlayerPosition(m_p.player.CurrentComboIndex());
    m_p.window.FocusTable();
}

} // namespace velmora
