#pragma once

#include "library/MainWindowPorts.h"
#include "mainwindow/MenuWindow.h"
#include "scores/FinishPorts.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

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

/// The game state of the main window and the one place where commands are dispatched: starts
/// and ends games (recording lost and won ones), enables the commands and fills the status bar.
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

    /// May the current game be given up? Asks while a game is in play; Yes counts it as lost.
    bool AllowNewGame() override;
    /// "New", "Select", "Restart", "Open"; other keys are ignored.
    void SelectGame(const QString& key) override;
    /// Every other command key; unknown keys are ignored.
    void SelectType(const QString& key);

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
    /// A choice in the player list at `position` (1-based).
    void PlayerChosen(int position);

    /// The enabled state last computed for each command name.
    const std::map<std::string, bool>& Enabled() const { return m_enabled; }

    // IGameFiles: the game on the table for the Save and Open commands.
    std::int32_t GameNumber() const override;
    Result<void> SaveGame(const QString& path) override;
    Result<void> OpenAndReplay(const QString& path) override;

    /// Commands whose windows are not part of the program yet: always disabled.
    static bool Unavailable(const std::string& name);

private:
    void Set(const std::string& name, bool enabled);
    /// Auto-save (when switched on), the score record, then the no-game state; a game that is
    /// not in play is only put away.
    void EndGame(bool won);
    /// Session().Open and the state the file's kind asks for.
    Result<void> Open(const QString& path);
    /// A failed result in an exclamation box.
    void Report(const Result<void>& result);

    Parts m_p;
    std::function<double()> m_random;
    std::map<std::string, bool> m_enabled;
};

} // namespace velmora
