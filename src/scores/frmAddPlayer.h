#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace velmora {

class IClock;
class IMessages;
class cPlayer;
class cUser;

/// "Add a Player": proposes a free name "Player1" to "Player4", checks the name and adds the
/// player through cUser.
class frmAddPlayer : public QDialog {
    Q_OBJECT

public:
    frmAddPlayer(const cPlayer& player, cUser& user, IMessages& messages, const IClock& clock,
                 QWidget* parent = nullptr);

    /// The lowest of "Player1" to "Player4" that is no player's name; empty when all are.
    static QString ProposedName(const cPlayer& player);

    static constexpr int MaxNameLength = 8;

private:
    void cmdAdd_Click();

    cUser& m_user;
    IMessages& m_messages;
    const IClock& m_clock;
    QLineEdit* m_txtPlayer;
    QLineEdit* m_txtFullName;
};

} // namespace velmora
