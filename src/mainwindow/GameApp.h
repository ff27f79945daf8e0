#pragma once

#include "engine/Ports.h"
#include "library/AppFolders.h"
#include "mainwindow/AppPorts.h"

#include <QString>

#include <memory>

namespace velmora {

class GameSession;
class IClock;
class IDialogRunner;
class IGameFigures;
class IFileDialogs;
class IMessages;
class OptEngineOptions;
class SettingsStore;
class cCustom;
class cFinish;
class cMenu;
class cOpt;
class cPlayer;
class cRecent;
class cSave;
class cScore;
class cSetting;
class cTime;
class cUser;

/// What the program is run with: the store, the folders, the clock and the ports through which
/// it asks the player.
struct AppContext {
    SettingsStore& store;
    AppFolders folders;
    const IClock& clock;
    IMessages& messages;
    IFileDialogs& fileDialogs;
    /// The whole command-line argument text: one saved-game path, or empty.
    QString commandLine;
    /// Cards slide on the table (the window's concern; off in tests).
    bool animations = true;
    /// Prepare the sound player at start-up (off in tests, where no device may be present).
    bool sound = true;
    /// Runs the window's modal dialogs; none runs them with exec().
    IDialogRunner* dialogRunner = nullptr;
};

/// The game without its window: owns the settings owners, the game on the table with its
/// history, the clock, scores, appearance and cMenu, and runs the start-up and the shutdown.
/// It reaches the window, and the speaker, only through the ports it is given, so it runs
/// without widgets or sound devices.
class GameApp final : private IGameEvents {
public:
    /// Creates the objects in their fixed order and fills the colour table; nothing is shown
    /// and no game exists until StartUp.
    GameApp(const AppContext& context, const AppWindowPorts& window);
    ~GameApp() override;
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    /// First run, the player list, the session and game start times, the recent menus, the
    /// first game (the command-line file, the unfinished game or none), the window placement,
    /// the view options, the customisation, the sound player, the picture rotation and the
    /// start sound. Stops after choosing the first game when the player declined to give up
    /// the unfinished one (QuitRequested).
    void StartUp();
    /// True when the start-up question was answered No: the program ends without showing.
    bool QuitRequested() const { return m_quitRequested; }
    /// The end sound, the window placement, then the game in play kept as the unfinished game
    /// or recorded as lost, as EnableUnfinished says.
    void Shutdown();

    cOpt& Opt() { return *m_opt; }
    cSave& Save() { return *m_save; }
    cPlayer& Player() { return *m_player; }
    cUser& User() { return *m_user; }
    GameSession& Session() { return *m_session; }
    const GameSession& Session() const { return *m_session; }
    cTime& Time() { return *m_time; }
    cScore& Score() { return *m_score; }
    cFinish& Finish() { return *m_finish; }
    cRecent& Recent() { return *m_recent; }
    cCustom& Custom() { return *m_custom; }
    cSetting& Setting() { return *m_setting; }
    cMenu& Menu() { return *m_menu; }
    /// The game on the table as the score board reads it.
    IGameFigures& Figures();
    /// Where event sounds go (the window's speaker).
    ISoundPort& Sound() { return m_window.speaker; }

private:
    void RunOpenGame();
    void OpenAtStartUp(const QString& path);
    void RestorePlacement();
    void ApplyViewOptions();
    void StorePlacement();

    class TableFigures;

    // IGameEvents: each does the game's part and passes the event on to the window.
    void GameStarting(std::int32_t gameNumber, bool keepHistory) override;
    void SetCaption(const std::string& caption) override;
    void StatusChanged() override;
    void GameWon() override;

    AppContext m_context;
    AppWindowPorts m_window;
    bool m_quitRequested = false;

    std::unique_ptr<cOpt> m_opt;
    std::unique_ptr<cSave> m_save;
    std::unique_ptr<cPlayer> m_player;
    std::unique_ptr<cUser> m_user;
    std::unique_ptr<GameSession> m_session;
    std::unique_ptr<cTime> m_time;
    std::unique_ptr<cScore> m_score;
    std::unique_ptr<cFinish> m_finish;
    std::unique_ptr<cRecent> m_recent;
    std::unique_ptr<cCustom> m_custom;
    std::unique_ptr<cSetting> m_setting;
    std::unique_ptr<OptEngineOptions> m_engineOptions;
    std::unique_ptr<cMenu> m_menu;
    std::unique_ptr<TableFigures> m_figures;
};

} // namespace velmora
