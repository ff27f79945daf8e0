#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora {

/// Every command of the menu bar and the toolbar. A toolbar button is the same command as its
/// menu item, so the two always share one enabled state.
enum class CommandId {
    New,
    Select,
    Restart,
    Open,
    Save,
    Close,
    RecentFinished,   ///< the "Recent Finished" submenu; its entries are indexed, not commands
    RecentIncomplete, ///< the "Recent InComplete" submenu
    Exit,
    Undo,
    Redo,
    Snapshot,
    UndoSnapshot,
    UndoAll,
    RedoAll,
    Hint,
    Toolbar,
    Statusbar,
    Timer,
    Zoom, ///< the "Zoom" submenu
    Zoom100,
    Zoom125,
    Zoom150,
    Zoom200,
    ZoomFit,
    KeyHints,
    Source,
    Forward,
    Back,
    ReplayAll,
    ShowSolution,
    Stop,
    AddFav,
    FavOpen,
    OrgFav,
    Customize,
    Options,
    Settings,
    AutoSave,
    ScoreBoard,
    Contents,
    About,
};

inline constexpr std::size_t CommandCount = static_cast<std::size_t>(CommandId::About) + 1;

/// One command: how the menu and the toolbar show it.
struct CommandRow {
    CommandId id;
    std::string_view name;     ///< objectName of the menu action
    std::string_view caption;  ///< with its access-key ampersand
    std::string_view shortcut; ///< portable text form ("F2", "Ctrl+O"), or empty
    bool checkable = false;
    /// Checkable rows with the same non-zero group are ticked one at a time.
    int radioGroup = 0;
    bool enabledAtStart = true;
    int toolbarPosition = 0;     ///< 2..25 on the toolbar, 0 when the command has no button
    std::string_view toolbarKey; ///< the button's key; the button's objectName is "tb" + key
    std::string_view toolTip;
    /// The button's caption in the customise list.
    std::string_view customCaption;
    /// Whether the button shows until the player customises the toolbar.
    bool shownAtFirst = true;
};

/// The rows in the order of CommandId.
const std::array<CommandRow, CommandCount>& Commands();
const CommandRow& RowOf(CommandId id);
/// The command whose menu action is named `name`.
std::optional<CommandId> CommandByName(std::string_view name);
/// The command of the toolbar button with key `key` ("New", "ReplayStop", ...).
std::optional<CommandId> CommandByToolbarKey(std::string_view key);

inline constexpr std::size_t Index(CommandId id) {
    return static_cast<std::size_t>(id);
}

} // namespace velmora
