#include "mainwindow/CommandTable.h"

namespace velmora {

namespace {

using enum CommandId;

constexpr CommandRow Menu(CommandId id, std::string_view name, std::string_view caption,
                          std::string_view shortcut = {}) {
    return CommandRow{id, name, caption, shortcut, false, 0, true, 0, {}, {}, {}, true};
}

constexpr CommandRow Button(CommandRow row, int position, std::string_view key,
                            std::string_view toolTip, std::string_view customCaption) {
    row.toolbarPosition = position;
    row.toolbarKey = key;
    row.toolTip = toolTip;
    row.customCaption = customCaption;
    return row;
}

constexpr CommandRow HiddenAtFirst(CommandRow row) {
    row.shownAtFirst = false;
    return row;
}

constexpr CommandRow Checkable(CommandRow row) {
    row.checkable = true;
    return row;
}

/// The zoom settings: one radio group.
constexpr CommandRow ZoomSetting(CommandRow row) {
    row.checkable = true;
    row.radioGroup = 1;
    return row;
}

constexpr CommandRow DisabledAtStart(CommandRow row) {
    row.enabledAtStart = false;
    return row;
}

constexpr std::array<CommandRow, CommandCount> Rows{{
    Button(Menu(New, "mnuNew", "&New Game", "F2"), 2, "New", "New Game", "New Game"),
    Button(Menu(Select, "mnuSelect", "&Select Game..", "F3"), 3, "Select", "Select Game",
           "Select Game"),
    Button(Menu(Restart, "mnuRestart", "&Restart Game"), 4, "Restart", "Restart Game",
           "Restart Game "),
    Button(Menu(Open, "mnuOpen", "&Open Game", "Ctrl+O"), 6, "Open", "Open Game", "Open Game"),
    Button(Menu(Save, "mnuSave", "&Save Game", "Ctrl+S"), 7, "Save", "Save Game", "Save Game"),
    Menu(Close, "mnuClose", "&Close Game"),
    Menu(RecentFinished, "mnuComp", "Recent &Finished"),
    Menu(RecentIncomplete, "mnuIncomp", "Recent &InComplete"),
    Menu(Exit, "mnuExit", "E&xit", "Ctrl+Q"),
    Button(Menu(Undo, "mnuUndo", "&Undo", "Ctrl+Z"), 10, "Undo", "Undo", "Undo"),
    Button(Menu(Redo, "mnuRedo", "&Redo", "Ctrl+X"), 11, "Redo", "Redo", "Redo"),
    Menu(Snapshot, "mnusnap", "Snapshot &Position", "Ctrl+P"),
    DisabledAtStart(Menu(UndoSnapshot, "mnuUndosnap", "Und&o to Snapshot")),
    HiddenAtFirst(Button(Menu(UndoAll, "mnuUndoall", "U&ndo All", "Ctrl+C"), 9, "UndoAll",
                         "Undo All", "Undo All")),
    HiddenAtFirst(Button(Menu(RedoAll, "mnuRedoall", "R&edo All", "Ctrl+V"), 12, "RedoAll",
                         "Redo All", "Redo All")),
    Menu(Hint, "mnuHint", "&Hint", "Ctrl+H"),
    Checkable(Menu(Toolbar, "mnuToolbar", "&Toolbar")),
    Checkable(Menu(Statusbar, "mnuStatusbar", "Status &Bar")),
    Checkable(Menu(Timer, "mnuTimer", "T&imer")),
    Menu(Zoom, "mnuZoom", "&Zoom"),
    ZoomSetting(Menu(Zoom100, "mnuZoom100", "&100 %")),
    ZoomSetting(Menu(Zoom125, "mnuZoom125", "12&5 %")),
    ZoomSetting(Menu(Zoom150, "mnuZoom150", "15&0 %")),
    ZoomSetting(Menu(Zoom200, "mnuZoom200", "&200 %")),
    ZoomSetting(Menu(ZoomFit, "mnuZoomFit", "&Fit to Window")),
    Checkable(Menu(KeyHints, "mnuKeyHints", "&Key Hints")),
    Menu(Source, "mnuSource", "S&ource", "F4"),
    Button(Menu(Forward, "mnuForward", "&Forward"), 16, "ReplayForward", "ReplayForward",
           "Replay Forward"),
    Button(Menu(Back, "mnuBack", "&Back"), 14, "ReplayBack", "Replay Back", "Replay Back"),
    Menu(ReplayAll, "mnuReplayAll", "Replay &All"),
    Menu(ShowSolution, "mnuShowSolution", "Show &Solution"),
    Button(DisabledAtStart(Menu(Stop, "mnuStop", "Sto&p", "Ctrl+T")), 15, "ReplayStop",
           "Replay Stop", "Stop"),
    HiddenAtFirst(Button(Menu(AddFav, "mnuAddFav", "&Add to Favorites..."), 18, "AddFav",
                         "Add to Favorites", "Add to Favorites")),
    HiddenAtFirst(Button(Menu(FavOpen, "mnuFavOpen", "O&pen from Favorites..."), 20, "OpenFav",
                         "Open Favorites", "Play from Favorites")),
    Button(Menu(OrgFav, "mnuOrgFav", "&Organize Favorites..."), 19, "OrgFav", "Organize Favorites",
           "Organize Favorites"),
    Menu(Customize, "mnuCustom", "C&ustomize"),
    Button(Menu(Options, "mnuOptions", "&Options", "F5"), 22, "Options", "Options", "Options"),
    Menu(Settings, "mnuSettings", "Se&ttings", "F6"),
    Menu(AutoSave, "mnuautosave", "&AutoSave"),
    Button(Menu(ScoreBoard, "mnuScore", "Score &Board", "F8"), 23, "Scoreboard", "ScoreBoard",
           "Score Board"),
    HiddenAtFirst(Button(Menu(Contents, "mnuContents", "H&elp Topics", "F1"), 25, "Help",
                         "Help Topics", "Help Contents")),
    Menu(About, "mnuAbout", "&About Velmora 2003"),
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (Index(Rows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumOrder(), "command rows must follow the order of CommandId");

} // namespace

const std::array<CommandRow, CommandCount>& Commands() {
    return Rows;
}

const CommandRow& RowOf(CommandId id) {
    return Rows[Index(id)];
}

std::optional<CommandId> CommandByName(std::string_view name) {
    for (const CommandRow& row : Rows) {
        if (row.name == name) {
            return row.id;
        }
    }
    return std::nullopt;
}

std::optional<CommandId> CommandByToolbarKey(std::string_view key) {
    if (key.empty()) {
        return std::nullopt;
    }
    for (const CommandRow& row : Rows) {
        if (row.toolbarKey == key) {
            return row.id;
        }
    }
    return std::nullopt;
}

} // namespace velmora
