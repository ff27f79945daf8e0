#include "mainwindow/cMenu.h"

#include "engine/Ports.h"
#include "engine/cGame.h"
#include "engine/mArray.h"
#include "history/GameSession.h"
#include "library/Messages.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cTime.h"

#include <chrono>
#include <random>
#include <set>

namespace velmora {

namespace {

double ClockSeededRandom() {
    const auto seed = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::mt19937_64 rng(seed);
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng);
}

enum Sound { SoundNew = 3, SoundSelect = 4, SoundRestart = 5, SoundClose = 6, SoundUndo = 10 };

} // namespace

cMenu::cMenu(Parts parts) : m_p(parts), m_random(ClockSeededRandom) {}

bool cMenu::Unavailable(const std::string& name) {
    static const std::set<std::string> names{
        "mnuSelect", "mnuAddFav", "mnuFavOpen", "mnuOrgFav", "mnuCustom",  "mnuSettings",
        "mnuautosave", "mnuScore", "Select",    "AddFav",    "OrgFav",     "OpenFav",
        "Scoreboard"};
    return names.contains(name);
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
        m_p.messages.Message(QString::fromStdString(result.error().message),
                             MessageIcon::Exclamation);
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
    if (key != u"New" && key != u"Select" && key != u"Restart" && key != u"Open") {
        return;
    }
    if (Unavailable(key.toStdString())) {
        return;
    }
    if (key == u"Open") {
        // File_Open asks about the game in play once a file has been chosen.
        m_p.save.File_Open(FileCommandPorts{*this, m_p.fileDialogs, m_p.messages, m_p.recent});
        return;
    }
    if (!AllowNewGame()) {
        return;
    }
    if (key == u"New") {
        const std::int32_t number = mArray::Nearest(m_random() * m_p.opt.GetRandomLimit());
        m_p.session.StartGame(number);
        Game_Started(false);
        m_p.sound.PlaySound(SoundNew);
        return;
    }
    if (key == u"Restart") {
        m_p.session.StartGame(m_p.session.State().GameNumber);
        Game_Started(false);
        m_p.sound.PlaySound(SoundRestart);
    }
}

void cMenu::SelectType(const QString& key) {
    cTrans& trans = m_p.session.Trans();
    if (key == u"Save") {
        m_p.save.File_Save(QStringLiteral(".vlg"),
                           FileCommandPorts{*this, m_p.fileDialogs, m_p.messages, m_p.recent});
    } else if (key == u"Undo") {
        trans.Undo(m_p.opt.UndoRedoSpeed());
        m_p.sound.PlaySound(SoundUndo);
    } else if (key == u"Redo") {
        trans.Redo(m_p.opt.UndoRedoSpeed());
        m_p.sound.PlaySound(SoundUndo);
    } else if (key == u"UndoAll") {
        trans.UndoAll(m_p.opt.UndoRedoAllSpeed());
    } else if (key == u"RedoAll") {
        trans.RedoAll(m_p.opt.UndoRedoAllSpeed());
    } else if (key == u"ReplayBack") {
        trans.Replay(2);
    } else if (key == u"ReplayForward") {
        trans.Replay(1);
    } else if (key == u"ReplayStop") {
        trans.ReplayStop();
    } else if (key == u"Options") {
        m_p.window.ShowOptions();
    } else if (key == u"Help") {
        m_p.window.ShowHelp();
    } else if (key == u"About") {
        m_p.window.ShowAbout();
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
}

void cMenu::Game_Started(bool finished) {
    GameState& state = m_p.session.State();
    state.GameStarted = true;
    m_p.window.ShowCards(true);
    m_p.save.SnapShot(false);
    Set("mnuUndosnap", false);
    if (!finished) {
        state.Finished = false;
        return;
    }
    m_p.window.SetTimeText(cScore::ConvertTimeS(0) + QStringLiteral(" "));
    state.Finished = true;
}

void cMenu::EndGame(bool won) {
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
        const std::int32_t points = cScore::GetScore(trans.MoveID(), m_p.time.GetGameTime(),
                                                     m_p.time.GetGamePercentage());
        m_p.window.SetPanelText(4, QStringLiteral("Game Points: ") + QString::number(points));
    } else {
        m_p.window.SetPanelText(4, {});
    }
    m_p.window.SetPanelText(5, QStringLiteral("Session Time: ") +
                                   cScore::ConvertTimeS(m_p.time.GetSessionTime()));
}

void cMenu::Set(const std::string& name, bool enabled) {
    const bool value = enabled && !Unavailable(name);
    m_enabled[name] = value;
    m_p.window.SetEnabled(name, value);
}

void cMenu::Update_Menu() {
    const GameState& state = m_p.session.State();
    const cTrans& trans = m_p.session.Trans();
    const bool started = state.GameStarted;
    for (const char* name : {"mnuRestart", "mnuSave", "mnuClose", "mnuSource", "mnuAddFav"}) {
        Set(name, started);
    }
    Set("mnuIncomp", m_p.recent.EnableInComplete());
    Set("mnuComp", m_p.recent.EnableFinish());
    Set("mnusnap", started && !state.Finished);
    if (m_p.save.SnapShotValue() != trans.MoveID()) {
        Set("mnuUndosnap", m_p.save.SnapShot());
    } else {
        Set("mnuUndosnap", false);
    }
    Set("mnuReplayAll", started && (trans.RedoPossible() || trans.UndoPossible()));
    if (m_p.window.ReplayRunning()) {
        for (const char* name :
             {"mnuUndo", "mnuRedo", "mnuUndoall", "mnuRedoall", "mnuForward", "mnuBack"}) {
            Set(name, false);
        }
        return;
    }
    Set("mnuUndo", started && trans.UndoPossible());
    Set("mnuRedo", started && trans.RedoPossible());
    Set("mnuUndoall", started && trans.UndoAllPossible());
    Set("mnuRedoall", started && trans.RedoAllPossible());
    Set("mnuForward", started && trans.RedoPossible());
    Set("mnuBack", started && trans.UndoPossible());
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
        m_p.window.SetTimeText(cScore::ConvertTimeS(m_p.time.GetGameTime()) +
                               QStringLiteral(" "));
    }
    Statusbar_Update();
}

void cMenu::CloseGame() {
    if (!m_p.messages.Ask(QStringLiteral("Are you sure you want to close this Game ?"),
                          MessageIcon::Question)) {
        return;
    }
    GameLost();
    m_p.sound.PlaySound(SoundClose);
}

void cMenu::OpenRecent(int slot) {
    const QString path = m_p.recent.GetRecent(static_cast<std::int16_t>(slot));
    if (path.isEmpty() || !AllowNewGame()) {
        return;
    }
    if (auto opened = OpenGame(path); !opened) {
        m_p.messages.Message(QString::fromStdString(opened.error().message),
                             MessageIcon::Exclamation);
    }
}

void cMenu::Snapshot() {
    m_p.save.SnapShot(true);
    m_p.save.SnapShotValue(m_p.session.Trans().MoveID());
    Set("mnuUndosnap", true);
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
