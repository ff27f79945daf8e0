#pragma once

#include <string>
#include <vector>

namespace velmora::MenuLayout {

/// One entry of a menu: a command, a separator (empty name) or a submenu.
struct Item {
    std::string name;     ///< objectName of the action or submenu; empty for a separator
    std::string caption;  ///< with its access-key ampersand
    std::string shortcut; ///< in the portable text form ("F2", "Ctrl+O"), or empty
    std::vector<Item> submenu;
    bool enabled = true;
};

/// A top-level menu of the menu bar.
struct Menu {
    std::string name;
    std::string caption;
    std::vector<Item> items;
};

/// The whole menu bar, left to right.
const std::vector<Menu>& MenuBar();

/// One position of the toolbar (1..25).
struct ToolbarButton {
    int position;
    std::string key;     ///< command key; "Sep1".."Sep6" for separators, empty for the player list
    std::string toolTip; ///< empty for separators and the player list
    bool IsSeparator() const { return key.rfind("Sep", 0) == 0; }
};

const std::vector<ToolbarButton>& Toolbar();

/// The menu item whose enabled state a toolbar button follows, or empty when it stays enabled.
std::string FollowedMenuItem(int position);

} // namespace velmora::MenuLayout
