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
    EXPECT_TRUE(window.buttons[9]);
    EXPECT_FALSE(window.buttons[10]);
    EXPECT_FALSE(window.buttons[13]);
    EXPECT_FALSE(window.panels[2]);
    EXPECT_TRUE(window.panels[3]);
    EXPECT_FALSE(window.menus["mnuFav"]);

    custom->Create_lvwMenu();
    custom->Create_lvwStatus();
    custom->Create_lvwTree();
    custom->Getvalues();
    EXPECT_TRUE(custom->Ticked(cCustom::List::Toolbar, 9));
    EXPECT_FALSE(custom->Ticked(cCustom::List::Toolbar, 10));
    EXPECT_FALSE(custom->Ticked(cCustom::List::Toolbar, 25));
    EXPECT_FALSE(custom->Ticked(cCustom::List::Status, 2));
    EXPECT_FALSE(custom->Ticked(cCustom::List::Menu, 4));
    EXPECT_TRUE(custom->Ticked(cCustom::List::Menu, 5));
}

TEST_F(CustomTest, SaveAllStoresTheShownToolbarAndTheTicks) {
    custom->RestoreAll();
    custom->Create_lvwMenu();
    custom->Create_lvwStatus();
    custom->Create_lvwTree();
    custom->Getvalues();
    custom->SetTicked(cCustom::List::Status, 4, false);
    custom->SetTicked(cCustom::List::Toolbar, 25, true);
    custom->SetTicked(cCustom::List::Menu, 1, false);
    EXPECT_FALSE(window.panels[4]) << "applied at once";
    EXPECT_TRUE(window.buttons[25]);
    EXPECT_FALSE(window.menus["mnuEdit"]);
    EXPECT_EQ(Stored("Panel4"), "<none>") << "nothing stored before OK";

    custom->SaveAll();
    EXPECT_EQ(Stored("Panel4"), "False");
    EXPECT_EQ(Stored("Panel5"), "True");
    EXPECT_EQ(Stored("Menu1"), "False");
    EXPECT_EQ(Stored("Button25"), "True");
    EXPECT_EQ(Stored("Button9"), "False");
    EXPECT_EQ(Stored("Button1"), "True");
    EXPECT_EQ(Stored("Button13"), "True");
}
