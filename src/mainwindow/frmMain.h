#pragma once

#include "library/AppFolders.h"
#include "mainwindow/AppPorts.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/GameApp.h"
#include "mainwindow/MenuLayout.h"
#include "solver/Presses.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;

namespace velmora {

class GameSession;
class IClock;
class IFileDialogs;
class IMessages;
class SettingsStore;
class SolverTask;
class TableWidget;
class LibraryCommands;
class cMenu;
class cOpt;
class cSave;
class cSound;

/// What the main window is built from: the game's context; tests pass fakes and switch
/// animations and sound off.
using MainWindowContext = AppContext;

/// The game window: menu bar, toolbar with the player list, the table and the status bar.
/// It adapts its widgets to the ports of GameApp, which owns the game and runs the start-up
/// (from this constructor) and the shutdown (when the window is closed).
class frmMain final : public QMainWindow,
                      public IMenuWindow,
                      public IViewOptions,
                      public IRecentMenus,
                      public IPlayerCombo,
                      public IGameEvents,
                      public IReplayControl,
                      public IPlayerDialogs,
                      public IBackgroundWindow,
                      public ICustomWindow,
                      public IWindowPlacement,
                      public ISpeaker {
    Q_OBJECT
public:
    explicit frmMain(const MainWindowContext& context, QWidget* parent = nullptr);
    ~frmMain() override;

    /// True when the start-up question was answered No: the program ends without showing.
    bool QuitRequested() const;

    GameApp& App() { return *m_app; }
    GameSession& Session();
    cMenu& Menu();
    TableWidget& Table() { return *m_table; }
    cOpt& Opt();
    cSave& Save();
    cSetting& Setting();

    /// How the empty-column question is answered (by dlgMove unless a test replaces it).
    void SetEmptyColumnAnswer(std::function<EmptyColumnChoice(int column)> answer) {
        m_answerEmptyColumn = std::move(answer);
    }

    /// The background search of Hint and Show Solution (tests wait on it).
    SolverTask& Solver() { return *m_solverTask; }
    /// Limits of those searches: a few seconds and a few hundred megabytes unless changed.
    void SetSolverLimits(const solver::Limits& limits) { m_solverLimits = limits; }

    // Timer ticks, public so tests can drive them without waiting.
    void GeneralTick();
    /// The end of the hint's mark on the table (`tmrHint`).
    void HintTick();
    void TimeTick();
    void ForwardTick();
    void BackwardTick();
    void FlashTick();
    /// One step of the background picture rotation (`tmrWallpaper`).
    void WallpaperTick();
    bool WallpaperRunning() const { return m_tmrWallpaper.isActive(); }
    int WallpaperInterval() const { return m_tmrWallpaper.interval(); }

    /// The warning flash: `ticks` inversions at `interval` ms, panel 3 raised meanwhile.
    void StartFlash(int interval, int ticks);
    bool FlashRunning() const;
    /// How many times the title has been shown inverted since start.
    int TitleInversions() const { return m_inversions; }
    bool Panel3Raised() const;

    /// Runs a command as a click on its menu item or toolbar button does.
    void Command(CommandId id);
    /// The same by the menu item's objectName.
    void Command(const QString& name);
    QAction* Action(const QString& name) const;

    // IMenuWindow
    void SetCaption(const QString& caption) override;
    void ShowCards(bool visible) override;
    void SetTimeText(const QString& text) override;
    void SetPanelText(int panel, const QString& text) override;
    void SetTimeTimer(bool running) override;
    bool ReplayRunning() const override;
    void SetEnabled(CommandId id, bool enabled) override;
    void SelectPlayerPosition(int position) override;
    QString PlayerAt(int position) const override;
    void FocusTable() override;
    void Relayout() override;

    /// The windows of the commands frmMain gives cMenu handlers for.
    void ShowOptions();
    void ShowSource();
    void ShowAbout();
    void ShowHelp();
    void ShowCustomize();
    void ShowSettings();

    // ICustomWindow
    void SetButtonVisible(int position, bool visible) override;
    bool ButtonVisible(int position) const override;
    void SetPanelVisible(int panel, bool visible) override;
    void SetMenuVisible(const QString& name, bool visible) override;
    /// A new score board, modal.
    void ShowScoreBoard();

    /// Closes at once with none of the shutdown steps (the Exit command).
    void ExitAtOnce();

    /// True once startUpSettled has been emitted.
    bool StartUpSettled() const { return m_startUpSettled; }

    /// A second start of the program handed over its command line: raises the window and opens
    /// the file as a command-line file is opened at start-up, once no dialog is open.
    void SecondStart(const QString& commandLine);

signals:
    /// The end-of-game dialog is about to open (tests answer it).
    void finishDialogOpening();
    /// The table's first picture is on screen.
    void firstFrameShown();
    /// Once: the start-up's deferred work is done, at the first picture or, for a window that
    /// is never shown, after a while.
    void startUpSettled();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Watches for another window shown before the table's first picture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The context's dialog runner, or exec() when it gives none.
    IDialogRunner& ModalRunner() const;

    // IViewOptions
    void ShowTimerBox(bool visible) override;
    void ShowStatusbar(bool visible) override;
    void ShowToolbar(bool visible) override;
    void SetReplayInterval(int milliseconds) override;
    void SetZoom(int zoom) override;
    void ShowKeyHints(bool visible) override;
    // IRecentMenus
    void ShowRecentMenus(const RecentMenus& menus) override;
    // IPlayerCombo
    void Clear() override;
    void AddItem(const QString& name) override;
    void SelectPosition(int position) override;
    QString SelectedText() const override;
    // IGameEvents
    void GameStarting(std::int32_t gameNumber, bool keepHistory) override;
    void StatusChanged() override;
    void GameWon() override;
    void SetCaption(const std::string& caption) override;
    // IReplayControl
    void SetStopEnabled(bool enabled) override;
    void SetForwardTimer(bool running) override;
    void SetBackwardTimer(bool running) override;
    // IPlayerDialogs
    void ShowMessage(const std::string& text) override;
    EmptyColumnChoice AskEmptyColumn(int targetColumn) override;
    // IBackgroundWindow
    void ShowBackground(int colorIndex, const QString& picture) override;
    void SetWallpaperTimer(bool running, int milliseconds) override;
    // IWindowPlacement
    Shown State() const override;
    QSize ScreenSize() const override;
    QRect Geometry() const override;
    void Maximize() override;
    void Place(int left, int top, int width, int height) override;
    // ISpeaker
    void CardMove(MoveMode mode, Location to) override;
    void PlaySound(int event) override;
    void Prepare() override;

    void CreateObjects();
    void BuildMenus();
    void BuildCommand(QMenu* menu, CommandId id);
    void BuildRecentMenu(QMenu* menu, CommandId list);
    void BuildSubmenu(QMenu* menu, const MenuLayout::Item& item);
    void BuildToolbar();
    void BuildStatusBar();
    void ShowFinish();
    /// Opens the command line a second start handed over, unless a modal dialog is open.
    void OpenHandedOver();

    void CardPressed(int card, Qt::MouseButton button);
    void CardReleased(int card, Qt::MouseButton button);
    void CardMoved(int card);
    void CardDoubleClicked(int card);
    void FreeCellClicked(int index);
    void TablePressed(int x, int y);
    /// A key of the press alphabet, handled as the pointer press it stands for.
    void KeyPressed(char key, bool shift);
    void ShowFlashState(bool inverted);
    /// The window's minimum size for the table at `scale`, within the screen.
    void ApplyMinimumSize(double scale);
    /// Gives the table the keyboard focus unless a text field has it.
    void KeepTableFocus(QWidget* focused);

    void StartHint();
    void ShowHint(const solver::Decision& decision);
    void StartShowSolution();
    void FinishShowSolution(std::int32_t gameNumber, const solver::Decision& decision);

    MainWindowContext m_context;
    bool m_exitAtOnce = false;
    /// Gives the application its window icon, once: when the table's first picture is on
    /// screen, or sooner when another window (a question at start-up) is shown first. Handing
    /// the icon to the window system as this window is made would hold its first picture back.
    void GiveWindowIcon();
    bool m_windowIconGiven = false;
    bool m_startUpSettled = false;
    bool m_shutDown = false;
    bool m_finishPending = false;

    /// The sound player; it outlives the game, which plays through it.
    std::unique_ptr<cSound> m_sound;
    std::unique_ptr<GameApp> m_app;
    std::unique_ptr<LibraryCommands> m_library;

    TableWidget* m_table = nullptr;
    QToolBar* m_toolbar = nullptr;
    QComboBox* m_playerCombo = nullptr;
    std::array<QLabel*, 5> m_panels{};
    std::map<QString, QAction*> m_actions;
    /// Per command: its menu action and its toolbar button (null where it has none).
    std::array<QAction*, CommandCount> m_commandActions{};
    std::array<QAction*, CommandCount> m_commandButtons{};
    /// Toolbar positions 1..25 (the player list, buttons and separators), index 0 unused.
    std::array<QAction*, MenuLayout::ToolbarPositions + 1> m_toolbarPositions{};
    std::array<QAction*, 5> m_recentFinished{};
    std::array<QAction*, 5> m_recentIncomplete{};
    QAction* m_recentFinishedNone = nullptr;
    QAction* m_recentIncompleteNone = nullptr;

    QTimer m_tmGeneral;
    QTimer m_tmrTime;
    QTimer m_tmrForward;
    QTimer m_tmrBackward;
    QTimer m_tmrFlash;
    QTimer m_tmrWallpaper;
    QTimer m_tmrHint;
    int m_flashCount = 0;
    int m_flashTicks = 0;
    int m_inversions = 0;
    bool m_inverted = false;
    QString m_caption;
    bool m_fillingCombo = false;
    std::optional<QString> m_handedOver;

    std::function<EmptyColumnChoice(int)> m_answerEmptyColumn;

    SolverTask* m_solverTask = nullptr;
    solver::Limits m_solverLimits;
    /// The table the running hint search started from.
    std::array<CardIndex, BoardSize> m_hintBoard{};
};

} // namespace velmora
