#pragma once

#include "platform/SettingsStore.h"

#include <QString>

#include <array>
#include <vector>

namespace velmora {

/// What the customisation shows and hides on the main window. Implemented by frmMain; tests
/// use a fake.
class ICustomWindow {
public:
    virtual ~ICustomWindow() = default;
    /// Toolbar position 1..25: the player list, a button or a separator.
    virtual void SetButtonVisible(int position, bool visible) = 0;
    virtual bool ButtonVisible(int position) const = 0;
    /// Status-bar panel 1..5.
    virtual void SetPanelVisible(int panel, bool visible) = 0;
    /// A top-level menu by its objectName ("mnuEdit").
    virtual void SetMenuVisible(const QString& name, bool visible) = 0;
};

/// One item of a customise list.
struct CustomItem {
    int position = 0; ///< toolbar position, panel or menu number
    QString caption;
    QString key;
    bool shownByDefault = true;
};

/// Hiding and showing the five customisable menus, the toolbar buttons and the status panels
/// (store section "Custom": "Button1".."Button25", "Panel1".."Panel5", "Menu1".."Menu5", each
/// "True" or "False"). Holds the ticks of the customise dialog's three lists.
class cCustom {
public:
    enum class List { Menu, Status, Toolbar };

    static constexpr int ToolbarPositions = 25;
    static constexpr int Panels = 5;

    /// `toolbar`: one item per toolbar button, in position order; positions without an item
    /// (the player list, the separators) are shown by default.
    cCustom(SettingsStore& store, std::vector<CustomItem> toolbar, ICustomWindow* window = nullptr);

    void SetWindow(ICustomWindow* window) { m_window = window; }

    /// The rows of each list, in list order.
    static const std::vector<CustomItem>& MenuItems();
    static const std::vector<CustomItem>& StatusItems();
    const std::vector<CustomItem>& ToolbarItems() const { return m_toolbar; }
    const std::vector<CustomItem>& Items(List list) const;
    /// The objectName of the menu at list position 1..5.
    static QString MenuName(int position);

    /// Fill the lists: every item unticked until Getvalues.
    void Create_lvwMenu();
    void Create_lvwStatus();
    void Create_lvwTree();
    /// Ticks every item from the store, with the defaults.
    void Getvalues();
    bool Ticked(List list, int position) const;
    /// Ticks or unticks an item and applies its list to the main window at once.
    void SetTicked(List list, int position, bool ticked);

    void UpdateToolbar();
    void UpdateStatusbar();
    void UpdateMenu();

    /// Stores the main window's toolbar positions 1..25 as they are shown, then the ticks of
    /// the menus and of the panels.
    void SaveAll();
    /// Shows and hides toolbar positions 1..25, panels 1..5 and the five menus as stored.
    void RestoreAll();

private:
    bool StoredButton(int position) const;
    bool Stored(const char* prefix, int number) const;
    int IndexOf(List list, int position) const;

    SettingsStore& m_store;
    std::vector<CustomItem> m_toolbar;
    ICustomWindow* m_window;
    std::array<std::vector<bool>, 3> m_ticks;
};

} // namespace velmora
