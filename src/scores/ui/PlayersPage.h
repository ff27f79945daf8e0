#pragma once

#include "library/ui/DialogRunner.h"
#include "library/ui/OptionsPage.h"
#include "scores/PlayerPorts.h"

class QTreeWidget;

namespace velmora {

class IClock;
class IMessages;
class cPlayer;
class cUser;

/// The options dialog's Players page: the player list `ListView1` with Add and Remove. Adding
/// or removing a player takes effect at once.
class PlayersPage final : public OptionsPage, private IPlayerListView {
public:
    PlayersPage(cPlayer& player, cUser& user, IMessages& messages, const IClock& clock,
                IDialogRunner& dialogs, QWidget* parent);
    ~PlayersPage() override;

    void Load() override;
    void Stored() override;

private:
    void cmdAdd_Click();
    void cmdRemove_Click();

    void Clear() override;
    void AddItem(const QString& key, const QString& name, const QString& fullName) override;
    void SelectLast() override;

    cPlayer& m_player;
    cUser& m_user;
    IMessages& m_messages;
    const IClock& m_clock;
    IDialogRunner& m_dialogs;
    QTreeWidget* m_listView1 = nullptr;
};

} // namespace velmora
