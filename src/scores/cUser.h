#pragma once

#include <QString>

namespace velmora {

class IMessages;
class IPlayerCombo;
class IPlayerListView;
class cPlayer;

/// How AddUser ended.
enum class AddUserResult {
    Added,
    Exists,      ///< "Player exists!"
    Full,        ///< "Maximum 5 Players only"
    EmptyName,   ///< nothing added, no message
    QuoteInName, ///< the score file cannot hold a double quote in a name
};

/// Adds and removes players with their checks and fills the two player lists.
class cUser {
public:
    /// `combo` is the main window's player list; null until the main window exists.
    cUser(cPlayer& player, IMessages& messages, IPlayerCombo* combo = nullptr);

    void SetCombo(IPlayerCombo* combo) { m_combo = combo; }
    /// The options dialog's player list while the dialog is open; null otherwise.
    void SetListView(IPlayerListView* list) { m_list = list; }

    /// Adds a player in the lowest empty slot, then refreshes the options list. A refusal is
    /// told in an exclamation box; "Player exists!" refreshes nothing.
    AddUserResult AddUser(const QString& name, const QString& fullName, const QString& date);
    /// Removes the player of list key "x1" to "x5" unless it is the last one, refreshes the
    /// options list and makes the first listed player current. A pending player change keeps
    /// pointing at its player, or is dropped with the removed one. False when refused.
    bool RemoveUser(const QString& key);
    /// Refills the options dialog's player list in slot order and selects the last row.
    void ListUsers();
    /// Refills the main window's player list and selects position CurrentComboIndex; a
    /// position past the end of the list is stored and selected as 1.
    void ListUserCombo();

    static QString QuoteRefusal();

private:
    cPlayer& m_player;
    IMessages& m_messages;
    IPlayerCombo* m_combo;
    IPlayerListView* m_list = nullptr;
};

} // namespace velmora
