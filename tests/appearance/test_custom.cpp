// Customising menus, toolbar and status bar: defaults, ticks applied at once, storing.

#include "support/TempHome.h"

#include "appearance/cCustom.h"

#include <map>

using namespace velmora;
using namespace velmora::test;

namespace {

class FakeCustomWindow final : public ICustomWindow {
public:
    std::map<int, bool> buttons;
    std::map<int, bool> panels;
    std::map<QString, bool> menus;

    FakeCustomWindow() {
        for (int position = 1; position <= 25; ++position) {
            buttons[position] = true;
        }
    }
    void SetButtonVisible(int position, bool visible) override { buttons[position] = visible; }
    bool ButtonVisible(int position) const override { return buttons.at(position); }
    void SetPanelVisible(int panel, bool visible) override { panels[panel] = visible; }
    void SetMenuVisible(const QString& name, bool visible) override { menus[name] = visible; }
};

/// Part of the real toolbar: two buttons shown and two hidden by default.
std::vector<CustomItem> Toolbar() {
    return {{4, "Restart Game ", "Restart", true},
            {9, "Undo All", "UndoAll", false},
            {10, "Undo", "Undo", true},
            {25, "Help Contents", "Help", false}};
}

class CustomTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        custom = std::make_unique<cCustom>(*store, Toolbar(), &window);
    }
    QString Stored(const QString& key) { return Reopened().GetSetting("Custom", key, "<none>"); }
    /// What the customise dialog does when it opens.
    void OpenLists() {
        custom->Create_lvwMenu();
        custom->Create_lvwStatus();
        custom->Create_lvwTree();
        custom->Getvalues();
    }

    FakeCustomWindow window;
    std::unique_ptr<cCustom> custom;
};

} // namespace

TEST_F(CustomTest, AFreshStoreShowsAllButTheButtonsHiddenByDefault) {
    custom->RestoreAll();
    for (int position = 1; position <= 25; ++position) {
        const bool hidden = position == 9 || position == 25;
        EXPECT_EQ(window.buttons[position], !hidden) << position;
    }
    for (int panel = 1; panel <= 5; ++panel) {
        EXPECT_TRUE(window.panels[panel]) << panel;
    }
    EXPECT_EQ(window.menus.size(), 5U);
    for (const char* menu : {"mnuEdit", "mnuView", "mnuReplay", "mnuFav", "mnuHelp"}) {
        EXPECT_TRUE(window.menus[menu]) << menu;
    }
    EXPECT_TRUE(Reopened().Sections().isEmpty()) << "restoring stores nothing";
}

TEST_F(CustomTest, StoredChoicesOverrideTheDefaults) {
    store->SaveSetting("Custom", "Button9", "True");
    store->SaveSetting("Custom", "Button10", "False");
    store->SaveSetting("Custom", "Button13", "False"); // a separator
    store->SaveSetting("Custom", "Panel2", "False");
    store->SaveSetting("Custom", "Menu4", "False");
    custom->RestoreAll();
    EXPECT_EQ((std::vector<bool>{window.buttons[9], window.buttons[10], window.buttons[13],
                                 window.panels[2], window.panels[3], window.menus["mnuFav"]}),
              (std::vector<bool>{true, false, false, false, true, false}));

    OpenLists();
    using L = cCustom::List;
    EXPECT_EQ((std::vector<bool>{custom->Ticked(L::Toolbar, 9), custom->Ticked(L::Toolbar, 10),
                                 custom->Ticked(L::Toolbar, 25), custom->Ticked(L::Status, 2),
                                 custom->Ticked(L::Menu, 4), custom->Ticked(L::Menu, 5)}),
              (std::vector<bool>{true, false, false, false, false, true}));
}

TEST_F(CustomTest, SaveAllStoresTheShownToolbarAndTheTicks) {
    custom->RestoreAll();
    OpenLists();
    custom->SetTicked(cCustom::List::Status, 4, false);
    custom->SetTicked(cCustom::List::Toolbar, 25, true);
    custom->SetTicked(cCustom::List::Menu, 1, false);
    EXPECT_FALSE(window.panels[4]) << "applied at once";
    EXPECT_TRUE(window.buttons[25]);
    EXPECT_FALSE(window.menus["mnuEdit"]);
    EXPECT_EQ(Stored("Panel4"), "<none>") << "nothing stored before OK";

    custom->SaveAll();
    QStringList stored;
    for (const char* key :
         {"Panel4", "Panel5", "Menu1", "Button25", "Button9", "Button1", "Button13"}) {
        stored << Stored(key);
    }
    EXPECT_EQ(stored, QStringList({"False", "True", "False", "True", "False", "True", "True"}));
}
