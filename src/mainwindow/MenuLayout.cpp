#include "mainwindow/MenuLayout.h"

namespace velmora::MenuLayout {

namespace {

Item Cmd(std::string name, std::string caption, std::string shortcut = {}) {
    return Item{std::move(name), std::move(caption), std::move(shortcut), {}, true};
}

Item Sep() {
    return Item{};
}

Item Recent(const std::string& list) {
    Item sub;
    for (int i = 1; i <= 5; ++i) {
        sub.submenu.push_back(Cmd(list + "_" + std::to_string(i), "&" + std::to_string(i)));
    }
    Item none = Cmd(list + "Sep", "None");
    none.enabled = false;
    sub.submenu.push_back(none);
    return sub;
}

std::vector<Menu> Build() {
    Item finished = Recent("Recent1");
    finished.name = "mnuComp";
    finished.caption = "Recent &Finished";
    Item incomplete = Recent("Recent2");
    incomplete.name = "mnuIncomp";
    incomplete.caption = "Recent &InComplete";
    Item undoSnap = Cmd("mnuUndosnap", "Und&o to Snapshot");
    undoSnap.enabled = false;
    Item stop = Cmd("mnuStop", "Sto&p", "Ctrl+T");
    stop.enabled = false;

    return {
        {"mnuGame",
         "&Game",
         {Cmd("mnuNew", "&New Game", "F2"), Cmd("mnuSelect", "&Select Game..", "F3"),
          Cmd("mnuRestart", "&Restart Game"), Sep(), Cmd("mnuOpen", "&Open Game", "Ctrl+O"),
          Cmd("mnuSave", "&Save Game", "Ctrl+S"), Cmd("mnuClose", "&Close Game"), Sep(), finished,
          incomplete, Sep(), Cmd("mnuExit", "E&xit", "Ctrl+Q")}},
        {"mnuEdit",
         "&Edit",
         {Cmd("mnuUndo", "&Undo", "Ctrl+Z"), Cmd("mnuRedo", "&Redo", "Ctrl+X"), Sep(),
          Cmd("mnusnap", "Snapshot &Position", "Ctrl+P"), undoSnap, Sep(),
          Cmd("mnuUndoall", "U&ndo All", "Ctrl+C"), Cmd("mnuRedoall", "R&edo All", "Ctrl+V")}},
        {"mnuView",
         "&View",
         {Cmd("mnuToolbar", "&Toolbar"), Cmd("mnuStatusbar", "Status &Bar"),
          Cmd("mnuTimer", "T&imer"), Sep(), Cmd("mnuSource", "S&ource", "F4")}},
        {"mnuReplay",
         "&Replay",
         {Cmd("mnuForward", "&Forward"), Cmd("mnuBack", "&Back"),
          Cmd("mnuReplayAll", "Replay &All"), Sep(), stop}},
        {"mnuFav",
         "&Favorites",
         {Cmd("mnuAddFav", "&Add to Favorites..."), Cmd("mnuFavOpen", "O&pen from Favorites..."),
          Sep(), Cmd("mnuOrgFav", "&Organize Favorites...")}},
        {"mnuGo",
         "G&o",
         {Cmd("mnuCustom", "C&ustomize"), Cmd("mnuOptions", "&Options", "F5"),
          Cmd("mnuSettings", "Se&ttings", "F6"), Cmd("mnuautosave", "&AutoSave"),
          Cmd("mnuScore", "Score &Board", "F8")}},
        {"mnuHelp",
         "&Help",
         {Cmd("mnuContents", "H&elp Topics", "F1"), Sep(), Cmd("mnuAbout", "&About Velmora 2003")}},
    };
}

} // namespace

const std::vector<Menu>& MenuBar() {
    static const std::vector<Menu> bar = Build();
    return bar;
}

const std::vector<ToolbarButton>& Toolbar() {
    static const std::vector<ToolbarButton> buttons{
        {1, "", ""},
        {2, "New", "New Game"},
        {3, "Select", "Select Game"},
        {4, "Restart", "Restart Game"},
        {5, "Sep1", ""},
        {6, "Open", "Open Game"},
        {7, "Save", "Save Game"},
        {8, "Sep2", ""},
        {9, "UndoAll", "Undo All"},
        {10, "Undo", "Undo"},
        {11, "Redo", "Redo"},
        {12, "RedoAll", "Redo All"},
        {13, "Sep3", ""},
        {14, "ReplayBack", "Replay Back"},
        {15, "ReplayStop", "Replay Stop"},
        {16, "ReplayForward", "ReplayForward"},
        {17, "Sep4", ""},
        {18, "AddFav", "Add to Favorites"},
        {19, "OrgFav", "Organize Favorites"},
        {20, "OpenFav", "Open Favorites"},
        {21, "Sep5", ""},
        {22, "Options", "Options"},
        {23, "Scoreboard", "ScoreBoard"},
        {24, "Sep6", ""},
        {25, "Help", "Help Topics"},
    };
    return buttons;
}

std::string FollowedMenuItem(int position) {
    switch (position) {
    case 4:
        return "mnuRestart";
    case 7:
        return "mnuSave";
    case 9:
        return "mnuUndoall";
    case 10:
        return "mnuUndo";
    case 11:
        return "mnuRedo";
    case 12:
        return "mnuRedoall";
    case 14:
        return "mnuBack";
    case 15:
        return "mnuStop";
    case 16:
        return "mnuForward";
    case 18:
        return "mnuAddFav";
    default:
        return {};
    }
}

} // namespace velmora::MenuLayout
