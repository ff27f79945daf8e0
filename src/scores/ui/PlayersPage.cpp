#include "scores/ui/PlayersPage.h"

#include "library/Messages.h"
#include "scores/cUser.h"
#include "scores/frmAddPlayer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

PlayersPage::PlayersPage(cPlayer& player, cUser& user, IMessages& messages, const IClock& clock,
                         IDialogRunner& dialogs, QWidget* parent)
    : OptionsPage(parent), m_player(player), m_user(user), m_messages(messages), m_clock(clock),
      m_dialogs(dialogs) {
    auto* page = this;
    m_listView1 = new QTreeWidget(page);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setAccessibleName(QStringLiteral("Players"));
    m_listView1->setRootIsDecorated(false);
    m_listView1->setColumnCount(2);
    m_listView1->setHeaderLabels(
        {QStringLiteral("Player Name"), QStringLiteral("Player Full Name")});
    m_listView1->header()->setStretchLastSection(true);
    // Short names: the first column is as wide as its header, never cut to "Play...".
    m_listView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* cmdAdd = Button(page, "cmdAdd", "Add");
    auto* cmdRemove = Button(page, "cmdRemove", "Remove");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_listView1);
    layout->addLayout(buttons);
    connect(cmdAdd, &QPushButton::clicked, this, &PlayersPage::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &PlayersPage::cmdRemove_Click);
    m_user.SetListView(this);
}

PlayersPage::~PlayersPage() {
    m_user.SetListView(nullptr);
}

void PlayersPage::Load() {
    m_user.ListUsers();
}

void PlayersPage::Stored() {
    m_user.ListUserCombo();
}

void PlayersPage::cmdAdd_Click() {
    frmAddPlayer dialog(m_player, m_user, m_messages, m_clock, window());
    m_dialogs.Run(dialog);
}

void PlayersPage::cmdRemove_Click() {
    QTreeWidgetItem* item = m_listView1->currentItem();
    if (!item) {
        return;
    }
    const QString key = item->data(0, Qt::UserRole).toString();
    if (!m_messages.Ask(QStringLiteral("Are you sure you want to remove ") + item->text(0) +
                            QStringLiteral(" ?"),
                        MessageIcon::Critical)) {
        return;
    }
    m_user.RemoveUser(key);
}

void PlayersPage::Clear() {
    m_listView1->clear();
    const int width = m_listView1->viewport()->width();
    m_listView1->setColumnWidth(0, std::max(0, width - 7) / 3);
}

void PlayersPage::AddItem(const QString& key, const QString& name, const QString& fullName) {
    auto* item = new QTreeWidgetItem(m_listView1, {name, fullName});
    item->setData(0, Qt::UserRole, key);
    item->setIcon(0, QIcon::fromTheme(QStringLiteral("user-identity")));
}

void PlayersPage::SelectLast() {
    const int count = m_listView1->topLevelItemCount();
    if (count == 0) {
        return;
    }
    m_listView1->setCurrentItem(m_listView1->topLevelItem(count - 1));
}

} // namespace velmora
