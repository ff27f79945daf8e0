#pragma once

#include "mainwindow/CommandTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::MenuLayout {

/// One entry of a menu: a command, a separator, a recent-games submenu or a submenu of
/// commands.
struct Item {
    enum class Kind { Command, Separator, RecentList, Submenu };
    Kind kind = Kind::Separator;
    /// The command (Kind::Command) or the submenu's row (Kind::RecentList, Kind::Submenu).
    CommandId command = CommandId::New;
    /// The commands of a Kind::Submenu, top to bottom.
    std::vector<CommandId> submenu;
};

/// A top-level menu of the menu bar.
struct Menu {
    std::string_view name;
    std::string_view caption;
    std::vector<Item> items;
};

/// The whole menu bar, left to right.
const std::vector<Menu>& MenuBar();

/// Entries per recent-games submenu.
inline constexpr int RecentEntries = 5;
/// The objectName of entry `index` (1..5) of a recent-games submenu ("Recent1_3"), or of its
/// "None" entry for index 0 ("Recent1Sep").
std::string RecentEntryName(CommandId list, int index);

/// One position of the toolbar (1..25).
struct ToolbarButton {
    int position = 0;
    /// The command's key, "Sep1".."Sep6" for separators, empty for the player list.
    std::string_view key;
    std::optional<CommandId> command;
    bool IsSeparator() const { return !command && !key.empty(); }
};

inline constexpr int ToolbarPositions = 25;

/// Positions 1..25 in order; the buttons come from the command table.
const std::array<ToolbarButton, ToolbarPositions>& Toolbar();

} // namespace velmora::MenuLayout
