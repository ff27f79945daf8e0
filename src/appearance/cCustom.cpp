#include "appearance/cCustom.h"

namespace velmora {

namespace {

const QString Section = QStringLiteral("Custom");

std::size_t Slot(cCustom::List list) {
    return static_cast<std::size_t>(list);
}

} // namespace

cCustom::cCustom(SettingsStore& store, std::vector<CustomItem> toolbar, ICustomWindow* window)
    : m_store(store), m_toolbar(std::move(toolbar)), m_window(window) {}

const std::vector<CustomItem>& cCustom::MenuItems() {
    static const std::vector<CustomItem> items{
        {1, QStringLiteral("Edit"), QStringLiteral("Edit")},
        {2, QStringLiteral("View"), QStringLiteral("View")},
        {3, QStringLiteral("Replay"), QStringLiteral("Replay")},
        {4, QStringLiteral("Favorites"), QStringLiteral("Favorites")},
        {5, QStringLiteral("Help"), QStringLiteral("Help")},
    };
    return items;
}

QString cCustom::MenuName(int position) {
    static const std::array<const char*, 5> names{"mnuEdit", "mnuView", "mnuReplay", "mnuFav",
                                                  "mnuHelp"};
    if (position < 1 || position > static_cast<int>(names.size())) {
        return {};
    }
    return QString::fromLatin1(names[static_cast<std::size_t>(position - 1)]);
}

const std::vector<CustomItem>& cCustom::StatusItems() {
    static const std::vector<CustomItem> items{
        {1, QStringLiteral("Total Moves"), QStringLiteral("Moves")},
        {2, QStringLiteral("Cards Left"), QStringLiteral("CardsLeft")},
        {3, QStringLiteral("Possible Moves"), QStringLiteral("PossibleMoves")},
        {4, QStringLiteral("Game Points"), QStringLiteral("Game Points")},
        {5, QStringLiteral("Session Time"), QStringLiteral("SessionTime")},
    };
    return items;
}

const std::vector<CustomItem>& cCustom::Items(List list) const {
    switch (list) {
    case List::Menu:
        return MenuItems();
    case List::Status:
        return StatusItems();
    case List::Toolbar:
        return m_toolbar;
    }
    return m_toolbar;
}

void cCustom::Create_lvwMenu() {
    m_ticks[Slot(List::Menu)].assign(MenuItems().size(), false);
}

void cCustom::Create_lvwStatus() {
    m_ticks[Slot(List::Status)].assign(StatusItems().size(), false);
}

void cCustom::Create_lvwTree() {
    m_ticks[Slot(List::Toolbar)].assign(m_toolbar.size(), false);
}

bool cCustom::Stored(const char* prefix, int number) const {
    return m_store.GetBool(Section, QString::fromLatin1(prefix) + QString::number(number), true);
}

bool cCustom::StoredButton(int position) const {
    bool shown = true;
    for (const CustomItem& item : m_toolbar) {
        if (item.position == position) {
            shown = item.shownByDefault;
        }
    }
    return m_store.GetBool(Section, QStringLiteral("Button") + QString::number(position), shown);
}

void cCustom::Getvalues() {
    for (const List list : {List::Menu, List::Status, List::Toolbar}) {
        const std::vector<CustomItem>& items = Items(list);
        std::vector<bool>& ticks = m_ticks[Slot(list)];
        ticks.resize(items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            const int position = items[i].position;
            ticks[i] = list == List::Toolbar  ? StoredButton(position)
                       : list == List::Status ? Stored("Panel", position)
                                              : Stored("Menu", position);
        }
    }
}

int cCustom::IndexOf(List list, int position) const {
    const std::vector<CustomItem>& items = Items(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].position == position) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool cCustom::Ticked(List list, int position) const {
    const int index = IndexOf(list, position);
    const std::vector<bool>& ticks = m_ticks[Slot(list)];
    return index >= 0 && static_cast<std::size_t>(index) < ticks.size() &&
           ticks[static_cast<std::size_t>(index)];
}

void cCustom::SetTicked(List list, int position, bool ticked) {
    const int index = IndexOf(list, position);
    std::vector<bool>& ticks = m_ticks[Slot(list)];
    if (index < 0) {
        return;
    }
    if (static_cast<std::size_t>(index) >= ticks.size()) {
        ticks.resize(Items(list).size(), false);
    }
    ticks[static_cast<std::size_t>(index)] = ticked;
    switch (list) {
    case List::Menu:
        UpdateMenu();
        return;
    case List::Status:
        UpdateStatusbar();
        return;
    case List::Toolbar:
        UpdateToolbar();
        return;
    }
}

void cCustom::UpdateToolbar() {
    if (!m_window) {
        return;
    }
    for (const CustomItem& item : m_toolbar) {
        m_window->SetButtonVisible(item.position, Ticked(List::Toolbar, item.position));
    }
}

void cCustom::UpdateStatusbar() {
    if (!m_window) {
        return;
    }
    for (const CustomItem& item : StatusItems()) {
        m_window->SetPanelVisible(item.position, Ticked(List::Status, item.position));
    }
}

void cCustom::UpdateMenu() {
    if (!m_window) {
        return;
    }
    for (const CustomItem& item : MenuItems()) {
        m_window->SetMenuVisible(MenuName(item.position), Ticked(List::Menu, item.position));
    }
}

void cCustom::SaveAll() {
    if (m_window) {
        for (int position = 1; position <= ToolbarPositions; ++position) {
            m_store.SaveBool(Section, QStringLiteral("Button") + QString::number(position),
                             m_window->ButtonVisible(position));
        }
    }
    for (const CustomItem& item : MenuItems()) {
        m_store.SaveBool(Section, QStringLiteral("Menu") + QString::number(item.position),
                         Ticked(List::Menu, item.position));
    }
    for (const CustomItem& item : StatusItems()) {
        m_store.SaveBool(Section, QStringLiteral("Panel") + QString::number(item.position),
                         Ticked(List::Status, item.position));
    }
}

void cCustom::RestoreAll() {
    if (!m_window) {
        return;
    }
    for (int position = 1; position <= ToolbarPositions; ++position) {
        m_window->SetButtonVisible(position, StoredButton(position));
    }
    for (int panel = 1; panel <= Panels; ++panel) {
        m_window->SetPanelVisible(panel, Stored("Panel", panel));
    }
    for (const CustomItem& item : MenuItems()) {
        m_window->SetMenuVisible(MenuName(item.position), Stored("Menu", item.position));
    }
}

} // namespace velmora
