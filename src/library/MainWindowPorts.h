#pragma once

#include "history/Error.h"

#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

/// What the view options change on the main window; implemented by the main window.
class IViewOptions {
public:
    virtual ~IViewOptions() = default;
    /// Shows or hides the game-time box `Text1` and ticks `mnuTimer` likewise.
    virtual void ShowTimerBox(bool visible) = 0;
    /// Shows or hides `StatusBar1` and ticks `mnuStatusbar` likewise.
    virtual void ShowStatusbar(bool visible) = 0;
    /// Shows or hides `Toolbar1` and ticks `mnuToolbar` likewise.
    virtual void ShowToolbar(bool visible) = 0;
    /// Interval of both replay timers `tmrForward` and `tmrBackward`.
    virtual void SetReplayInterval(int milliseconds) = 0;
    /// Lays the window out again (its resize handler).
    virtual void Relayout() = 0;
    /// Zooms the table (a percentage, 0 to fit the window) and ticks that zoom's menu item.
    virtual void SetZoom(int zoom) = 0;
    /// Shows or hides the key hints on the table and ticks `mnuKeyHints` likewise.
    virtual void ShowKeyHints(bool visible) = 0;
};

/// One entry of a recent-games submenu.
struct RecentMenuEntry {
    bool visible = false;
    /// "&" + position + " " + path, each "&" of the path doubled.
    QString caption;
};

/// The two recent-games submenus: `Recent1`(1..5) with `Recent1Sep` ("None") in `mnuComp`,
/// `Recent2`(1..5) with `Recent2Sep` in `mnuIncomp`.
struct RecentMenus {
    std::array<RecentMenuEntry, 5> finished;
    std::array<RecentMenuEntry, 5> incomplete;
    bool finishedNoneVisible = true;
    bool incompleteNoneVisible = true;
};

/// The recent-games submenus of the main window's Game menu.
class IRecentMenus {
public:
    virtual ~IRecentMenus() = default;
    virtual void ShowRecentMenus(const RecentMenus& menus) = 0;
};

/// The game on the table, as the Save and Open commands reach it.
class IGameFiles {
public:
    virtual ~IGameFiles() = default;
    /// The current game number.
    virtual std::int32_t GameNumber() const = 0;
    /// Writes the game (`cTrans.SaveToFile`).
    virtual Result<void> SaveGame(const QString& path) = 0;
    /// May the game on the table make way for an opened one? Asks while a game is in play and
    /// counts it as lost on Yes.
    virtual bool AllowNewGame() = 0;
    /// Replaces the move history by a new one, opens the file (`cTrans.OpenFromFile`) and
    /// starts the forward replay (`cTrans.Replay` with 1). A rejected file changes nothing.
    virtual Result<void> OpenAndReplay(const QString& path) = 0;
};

} // namespace velmora
