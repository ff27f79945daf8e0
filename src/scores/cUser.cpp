#include "scores/cUser.h"

#include "library/Messages.h"
#include "scores/PlayerPorts.h"
#include "scores/cPlayer.h"

namespace velmora {

cUser::cUser(cPlayer& player, IMessages& messages, IPlayerCombo* combo)
    : m_player(player), m_messages(messages), m_combo(combo) {}

QString cUser::QuoteRefusal() {
    return QStringLiteral("A player name cannot contain a double quote (\").");
}

AddUserResult cUser::AddUser(const QString& name, const QString& fullName, const QString& date) {
    if (m_player.PlayerExists(name)) {
        m_messages.Message(QStringLiteral("Player exists!"), MessageIcon::Exclamation);
        return AddUserResult::Exists;
    }
    if (name.contains(u'"')) {
        m_messages.Message(QuoteRefusal(), MessageIcon::Exclamation);
        return AddUserResult::QuoteInName;
    }
    AddUserResult result = AddUserResult::EmptyName;
    if (!name.isEmpty()) {
        result = AddUserResult::Full;
        for (std::int16_t slot = 1; slot <= cPlayer::MaxPlayers; ++slot) {
            if (m_player.GetName(slot).isEmpty()) {
                m_player.AddPlayer(name, slot, fullName, date);
                result = AddUserResult::Added;
                break;
            }
        }
        if (result == AddUserResult::Full) {
            m_messages.Message(QStringLiteral("Maximum 5 Players only"), MessageIcon::Exclamation);
        }
    }
    ListUsers();
    return result;
}

bool cUser::RemoveUser(const QString& key) {
    if (m_player.TotalPlayers() < 2) {
        m_messages.Message(QStringLiteral("Minimum one player is Required !"),
                           MessageIcon::Exclamation);
        return false;
    }
    if (key.size() == 2 && key[0] == u'x' && key[1] >= u'1' && key[1] <= u'5') {
        const auto slot = static_cast<std::int16_t>(key[1].digitValue());
        const std::int16_t removed = m_player.ComboPosition(slot);
        m_player.RemovePlayer(slot);
        // A change waiting for the end of the game follows its player down the list, or goes
        // with the removed one.
        const std::int16_t pending = m_player.NewPlayerComboIndex();
        if (removed >= 1 && m_player.ChangePlayer() && pending >= removed) {
            if (pending == removed) {
                m_player.ChangePlayer(false);
            } else {
                m_player.NewPlayerComboIndex(static_cast<std::int16_t>(pending - 1));
            }
        }
    }
    ListUsers();
    m_player.CurrentComboIndex(1);
    ListUserCombo();
    return true;
}

void cUser::ListUsers() {
    if (!m_list) {
        return;
    }
    m_list->Clear();
    bool any = false;
    for (std::int16_t slot = 1; slot <= cPlayer::MaxPlayers; ++slot) {
        const QString name = m_player.GetName(slot);
        if (name.isEmpty()) {
            continue;
        }
        m_list->AddItem(QStringLiteral("x") + QString::number(slot), name,
                        m_player.GetFullName(slot));
        any = true;
    }
    if (any) {
        m_list->SelectLast();
    }
}

void cUser::ListUserCombo() {
    if (!m_combo) {
        return;
    }
    m_combo->Clear();
    bool any = false;
    for (std::int16_t slot = 1; slot <= cPlayer::MaxPlayers; ++slot) {
        const QString name = m_player.GetName(slot);
        if (name.isEmpty()) {
            continue;
        }
        m_combo->AddItem(name);
        any = true;
    }
    if (!any) {
        return;
    }
    // A stored position past the end of the list would leave no current player.
    const std::int16_t current = m_player.CurrentComboIndex();
    const std::int16_t valid = m_player.ValidComboIndex(current);
    if (valid != current) {
        m_player.CurrentComboIndex(valid);
    }
    m_combo->SelectPosition(valid);
}

} // namespace velmora
