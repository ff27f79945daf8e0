#pragma once

#include <QString>

namespace velmora {

/// The main window's player list `ImageCombo1`; its selected item is the current player.
class IPlayerCombo {
public:
    virtual ~IPlayerCombo() = default;
    virtual void Clear() = 0;
    /// Appends an item with the image "User".
    virtual void AddItem(const QString& name) = 0;
    /// Selects the item at the 1-based `position`; nothing is selected when out of range.
    virtual void SelectPosition(int position) = 0;
    /// Text of the selected item; empty when none is selected.
    virtual QString SelectedText() const = 0;
};

/// The options dialog's player list `ListView1`.
class IPlayerListView {
public:
    virtual ~IPlayerListView() = default;
    virtual void Clear() = 0;
    /// Appends a row: key "x" + slot, the name with the icon "User", the full name.
    virtual void AddItem(const QString& key, const QString& name, const QString& fullName) = 0;
    /// Selects the last row added.
    virtual void SelectLast() = 0;
};

} // namespace velmora
