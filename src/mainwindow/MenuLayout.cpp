#include "mainwindow/MenuLayout.h"

namespace velmora::MenuLayout {

namespace {

using enum CommandId;

Item Cmd(CommandId id) {
    return Item{Item::Kind::Command, id, {}};
}

Item Sep() {
    return Item{};
}

Item Recent(CommandId list) {
    return Item{Item::Kind::RecentList, list, {}};
}

Item Sub(CommandId row, std::vector<CommandId> commands) {
    return Item{Item::Kind::Submenu, row, std::move(commands)};
}

std::vector<Menu> Build() {
    return {
        {"mnuGame",
         "&Game",
         {Cmd(New), Cmd(Select), Cmd(Restart), Sep(), Cmd(Open), Cmd(Save), Cmd(Close), Sep(),
          Recent(RecentFinished), Recent(RecentIncomplete), Sep(), Cmd(Exit)}},
        {"mnuEdit",
         "&Edit",
         {Cmd(Undo), Cmd(Redo), Sep(), Cmd(Snapshot), Cmd(UndoSnapshot), Sep(), Cmd(UndoAll),
          Cmd(RedoAll), Cmd(Hint)}},
        {"mnuView",
         "&View",
         {Cmd(Toolbar), Cmd(Statusbar), Cmd(Timer),
          Sub(Zoom, {Zoom100, Zoom125, Zoom150, Zoom200, ZoomFit}), Cmd(KeyHints), Sep(),
          Cmd(Source)}},
        {"mnuReplay",
         "&Replay",
         {Cmd(Forward), Cmd(Back), Cmd(ReplayAll), Cmd(ShowSolution), Sep(), Cmd(Stop)}},
        {"mnuFav", "&Favorites", {Cmd(AddFav), Cmd(FavOpen), Sep(), Cmd(OrgFav)}},
        {"mnuGo",
         "G&o",
         {Cmd(Customize), Cmd(Options), Cmd(Settings), Cmd(AutoSave), Cmd(ScoreBoard)}},
        {"mnuHelp", "&Help", {Cmd(Contents), Sep(), Cmd(About)}},
    };
}

std::array<ToolbarButton, ToolbarPositions> BuildToolbar() {
    std::array<ToolbarButton, ToolbarPositions> buttons{};
    for (int position = 1; position <= ToolbarPositions; ++position) {
        buttons[static_cast<std::size_t>(position - 1)].position = position;
    }
    constexpr std::array<std::string_view, 6> Separators{"Sep1", "Sep2", "Sep3",
                                                         "Sep4", "Sep5", "Sep6"};
    constexpr std::array<int, 6> SeparatorPositions{5, 8, 13, 17, 21, 24};
    for (std::size_t i = 0; i < Separators.size(); ++i) {
        buttons[static_cast<std::size_t>(SeparatorPositions[i] - 1)].key = Separators[i];
    }
    for (const CommandRow& row : Commands()) {
        if (row.toolbarPosition > 0) {
            ToolbarButton& button = buttons[static_cast<std::size_t>(row.toolbarPosition - 1)];
            button.key = row.toolbarKey;
            button.command = row.id;
        }
    }
    return buttons;
}

} // namespace

const std::vector<Menu>& MenuBar() {
    static const std::vector<Menu> bar = Build();
    return bar;
}

std::string RecentEntryName(CommandId list, int index) {
    const std::string prefix = list == RecentFinished ? "Recent1" : "Recent2";
    return index == 0 ? prefix + "Sep" : prefix + "_" + std::to_string(index);
}

const std::array<ToolbarButton, ToolbarPositions>& Toolbar() {
    static const std::array<ToolbarButton, ToolbarPositions> buttons = BuildToolbar();
    return buttons;
}

} // namespace velmora::MenuLayout
