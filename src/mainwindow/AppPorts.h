#pragma once

#include "appearance/cCustom.h"
#include "appearance/cSetting.h"
#include "engine/Ports.h"
#include "history/HistoryPorts.h"
#include "library/MainWindowPorts.h"
#include "mainwindow/MenuWindow.h"
#include "scores/PlayerPorts.h"

#include <QRect>
#include <QSize>

namespace velmora {

/// The main window's size and position on its screen, in twips.
class IWindowPlacement {
public:
    enum class Shown { Normal, Maximized, Minimized };

    virtual ~IWindowPlacement() = default;
    virtual Shown State() const = 0;
    /// The screen the window opens on.
    virtual QSize ScreenSize() const = 0;
    /// The window's frame relative to the screen's origin.
    virtual QRect Geometry() const = 0;
    virtual void Maximize() = 0;
    /// Sizes the window (raised to its minimum) and moves it to `left`, `top` on the screen.
    virtual void Place(int left, int top, int width, int height) = 0;
};

/// The speaker: event sounds, and the player behind them prepared once at start-up.
class ISpeaker : public ISoundPort {
public:
    /// Prepares the player; nothing plays before.
    virtual void Prepare() = 0;
};

/// What the window gives the game: each part as its own narrow port. `events` hears about
/// every deal, caption, status change and win; it must not deal a game inside GameWon, which
/// arrives while the winning move is still running.
struct AppWindowPorts {
    IMenuWindow& menu;
    IViewOptions& view;
    IRecentMenus& recent;
    IPlayerCombo& players;
    IReplayControl& replay;
    IPlayerDialogs& dialogs;
    IBackgroundWindow& background;
    ICustomWindow& custom;
    IWindowPlacement& placement;
    ITableView& table;
    IGameEvents& events;
    ISpeaker& speaker;
};

} // namespace velmora
