#pragma once

#include "library/MainWindowPorts.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/MenuWindow.h"
#include "scores/FinishPorts.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace velmora {

class GameSession;
class ISoundPort;
class IMessages;
class IFileDialogs;
class cOpt;
class cSave;
class cRecent;
class cPlayer;
class cScore;
class cTime;
struct SavedGame;

/// The zoom setting a Zoom menu item stands for (FitToWindow for "Fit to Window"); -1 for any
/// other command.
int ZoomOf(CommandId id);

/// The game state of the main window and the one place where commands are dispatched: starts
/// and ends games (recording lost and won ones), enables the commands and fills the status bar.
///
/// A command that opens a window gets it through a handler; until it has one it stays disabled
/// (Select, Favourites, Customize, Settings, AutoSave today). Hint and Show
/// Solution also run through handlers: the window searches in the background. To make one
/// available, register its handler where frmMain registers the others (CreateObjects):
///     m_menu->SetHandler(CommandId::ScoreBoard, [this] { ShowScoreBoard(); });
/// cMenu keeps what surrounds the window: the enabling rule, the question before a game in
/// play is given up and the sound of Select. A handler given to Open replaces its file dialog.
class cMenu final : public IGameFiles, public IFinishActions {
public:
    struct Parts {
        GameSession& session;
        cOpt& opt;
        cSave& save;
        cRecent& recent;
        cPlayer& player;
        cScore& score;
        cTime& time;
        ISoundPort& sound;
        IMessages& messages;
        IFileDialogs& fileDialogs;
        IMenuWindow& window;
    };

    explicit cMenu(Parts parts);

    /// A uniform number in [0, 1) for the random new game; reseeded from the clock by default.
    void SetRandom(std::function<double()> random) { m_random = std::move(random); }

    using Handler = std::function<void()>;
    /// What `id` opens (or, for Exit, does); an empty handler makes the command unavailable.
    void SetHandler(CommandId id, Handler handler);

    /// Whether the command can be chosen now: its rule over the game state and, for a command
    /// that opens a window, a registered handler.
    bool Enabled(CommandId id) const;
    /// Whether the menu item is ticked: the Toolbar, Status Bar, Timer and Key Hints options and
    /// the stored zoom (a zoom the menu does not offer reads as 100 %).
    bool Checked(CommandId id) const;
    /// Carries out a command as its menu item or toolbar button does; a disabled one does
    /// nothing.
    void Run(CommandId id);

    /// May the current game be given up? Asks while a game is in play; Yes counts it as lost.
    bool AllowNewGame() override;
    /// New, Select, Restart and Open; other commands are ignored.
    void SelectGame(CommandId id);
    /// The same by toolbar key ("New", "Select", "Restart", "Open"), for the end-of-game dialog.
    void SelectGame(const QString& key) override;
    /// Save, the history and replay commands and the dialogs of the toolbar keys; other
    /// commands are ignored.
    void SelectType(CommandId id);

    void NoGame() override;
    void Game_Started(bool finished);
    void GameLost();
    void GameWon() override;
    void Statusbar_Update();
    void Update_Menu();
    void ApplyPlayerChange();
    /// One tick of `tmrTime`.
    void TimeTick();

    /// Opens a saved game and enters the state its extension asks, its clock starting now; a
    /// rejected file changes nothing.
    Result<void> OpenGame(const QString& path);
    /// Opens the game kept at the last shutdown; its clock goes on from LastGameTime. A
    /// rejected file is not offered again (Unfinished = false) but stays on disk.
    Result<void> ResumeGame(const QString& path);
    /// A saved game handed over by a second start of the program: opened as a command-line file
    /// is at start-up, asking first when a game is in play (No keeps it). Empty opens nothing.
    void OpenCommandLine(const QString& commandLine);

    /// "Close Game": asks, then counts the game as lost.
    void CloseGame();
    /// A recent-games menu entry (slot 1..10).
    void OpenRecent(int slot);
    /// Snapshot Position, Undo to Snapshot and Replay All.
    void Snapshot();
    void UndoToSnapshot();
    void ReplayAll();
    /// After "Show Solution" was answered Yes and a winning line found: records the game in
    /// play as lost (as Close Game does), deals it again as a finished game on view with the
    /// line as its history and replays it forward. No score is ever recorded for it.
    void WatchSolution(const SavedGame& solution);
    /// A choice in the player list at `position` (1-based).
    void PlayerChosen(int position);
    /// The replay switches Stop on and off (it is not one of the rules of Update_Menu).
    void SetStopEnabled(bool enabled);

    // IGameFiles: the game on the table for the Save and Open commands.
    std::int32_t GameNumber() const override;
    Result<void> SaveGame(const QString& path) override;
    Result<void> OpenAndReplay(const QString& path) override;

private:
    /// False for a command that opens a window and has no handler.
    bool Available(CommandId id) const;
    void Set(CommandId id, bool enabled);
    /// Runs the handler of `id`; false when it has none.
    bool OpenWindow(CommandId id);
    void ToggleView(CommandId id);
    /// Auto-save (when switched on), the score record, then the no-game state; a game that is
    /// not in play is only put away.
    void EndGame(bool won);
    /// Session().Open and the state the file's kind asks for.
    Result<void> Open(const QString& path);
    /// A failed result in an exclamation box.
    void Report(const Result<void>& result);

    Parts m_p;
    std::function<double()> m_random;
    std::array<bool, CommandCount> m_enabled{};
    std::array<Handler, CommandCount> m_handlers;
    /// The game on view is a winning line shown by "Show Solution".
    bool m_solutionOnView = false;
};

} // namespace velmora
