#include "scores/frmAddPlayer.h"

#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/Messages.h"
#include "scores/cPlayer.h"
#include "scores/cUser.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

frmAddPlayer::frmAddPlayer(const cPlayer& player, cUser& user, IMessages& messages,
                           const IClock& clock, QWidget* parent)
    : QDialog(parent), m_user(user), m_messages(messages), m_clock(clock),
      m_txtPlayer(new QLineEdit(this)), m_txtFullName(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmAddPlayer"));
    setWindowTitle(QStringLiteral("Add a Player"));
    setModal(true);

    m_txtPlayer->setObjectName(QStringLiteral("txtPlayer"));
    m_txtPlayer->setAccessibleName(QStringLiteral("Player Name"));
    m_txtFullName->setObjectName(QStringLiteral("txtFullName"));
    m_txtFullName->setAccessibleName(QStringLiteral("Full Name"));
    auto* cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Player Name :"), this), 0, 0);
    fields->addWidget(m_txtPlayer, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Full Name :"), this), 1, 0);
    fields->addWidget(m_txtFullName, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &frmAddPlayer::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_txtPlayer->setText(ProposedName(player));
    m_txtPlayer->selectAll();
    m_txtPlayer->setFocus();
}

QString frmAddPlayer::ProposedName(const cPlayer& player) {
    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("Player") + QString::number(n);
        if (!player.PlayerExists(name)) {
            return name;
        }
    }
    return {};
}

void frmAddPlayer::cmdAdd_Click() {
    const QString name = m_txtPlayer->text();
    if (name.isEmpty()) {
        m_messages.Message(QStringLiteral("PlayerName is Required"), MessageIcon::Exclamation);
        return;
    }
    if (name.size() > MaxNameLength) {
        m_messages.Message(QStringLiteral("Maximum 8 Characters only"), MessageIcon::Exclamation);
        return;
    }
    if (name.contains(u'"')) {
        m_messages.Message(cUser::QuoteRefusal(), MessageIcon::Exclamation);
        return;
    }
    m_user.AddUser(name, m_txtFullName->text(), GeneralDate::Format(m_clock.Now()));
    accept();
}

} // namespace velmora
