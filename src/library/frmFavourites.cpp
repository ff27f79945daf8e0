#include "library/frmFavourites.h"

#include "library/Messages.h"
#include "library/cSave.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {
const QString RootKey = QStringLiteral("Favorites");

int NodeCount(const QTreeWidget* tree) {
    int count = tree->topLevelItemCount();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        count += tree->topLevelItem(i)->childCount();
    }
    return count;
}
} // namespace

frmFavourites::frmFavourites(const FavouritesContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_favourites(context.save) {
    setObjectName(QStringLiteral("frmFavourites"));
    setWindowTitle(QStringLiteral("Organize Favourites"));
    setModal(true);

    m_tree = FolderTree(this, "TreeView1", m_context.icons);
    m_list = GameList(this, "ListView1", {QStringLiteral("Games")}, true);
    auto* multi = new QLabel(QStringLiteral("Ctrl+Click for MultiSelect"), this);
    multi->setObjectName(QStringLiteral("Label2"));
    auto* moveLabel = new QLabel(QStringLiteral("Move Game(s) to this Folder.."), this);
    moveLabel->setObjectName(QStringLiteral("Label1"));
    m_imcFav = FolderCombo(this, "imcFav");
    auto* create = Button(this, "cmdCreate", "Create Folder");
    m_cmdDeleteFolder = Button(this, "cmdDeleteFolder", "Delete Folder");
    m_cmdDeleteGame = Button(this, "cmdDeleteGame", "Delete Games");
    m_cmdMove = Button(this, "cmdMove", "Move");
    auto* close = Button(this, "cmdOK", "Close");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(m_cmdDeleteFolder);
    buttons->addWidget(m_cmdDeleteGame);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_tree, 0, 0, 2, 1);
    layout->addWidget(m_list, 0, 1);
    layout->addWidget(multi, 1, 1);
    layout->addWidget(moveLabel, 2, 0, 1, 2);
    auto* move = new QHBoxLayout;
    move->addWidget(m_imcFav, 1);
    move->addWidget(m_cmdMove);
    layout->addLayout(move, 3, 0, 1, 2);
    layout->addLayout(buttons, 0, 2, 4, 1);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    resize(560, 360);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        if (node) {
            ListFavGames(node->data(0, LibraryRole::Key).toString());
        }
    });
    connect(create, &QPushButton::clicked, this, &frmFavourites::cmdCreate_Click);
    connect(m_cmdDeleteFolder, &QPushButton::clicked, this, &frmFavourites::cmdDeleteFolder_Click);
    connect(m_cmdDeleteGame, &QPushButton::clicked, this, &frmFavourites::cmdDeleteGame_Click);
    connect(m_cmdMove, &QPushButton::clicked, this, &frmFavourites::cmdMove_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    FillFavTree();
    Timer1_Timer();
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &frmFavourites::Timer1_Timer);
    m_timer1.start();
}

QString frmFavourites::SelectedFolder() const {
    const QTreeWidgetItem* node = m_tree->currentItem();
    return node ? node->data(0, LibraryRole::Key).toString() : RootKey;
}

void frmFavourites::FillFavTree() {
    m_tree->clear();
    m_imcFav->clear();
    const LibraryIcons& icons = m_context.icons;
    auto* root =
        AddNode(m_tree, nullptr, RootKey, RootKey, QStringLiteral("Favourites"), {}, icons);
    for (const QFileInfo& folder : m_favourites.Folders()) {
        auto* node = AddNode(m_tree, root, folder.fileName(), folder.absoluteFilePath(),
                             QStringLiteral("CloseFold"), QStringLiteral("OpenFold"), icons);
        root->setExpanded(true);
        m_tree->setCurrentItem(node);
        AddEntry(m_imcFav, folder.fileName(), folder.absoluteFilePath(),
                 QStringLiteral("CloseFold"), 1, icons);
        m_imcFav->setCurrentIndex(m_imcFav->count() - 1);
    }
    if (!m_tree->currentItem()) {
        m_tree->setCurrentItem(root);
    }
}

void frmFavourites::ListFavGames(const QString& key) {
    FillGames(m_list, m_favourites.Games(key), m_context.icons);
    SelectFirst(m_list);
}

void frmFavourites::Timer1_Timer() {
    const bool games = m_list->topLevelItemCount() >= 1;
    m_cmdDeleteGame->setEnabled(games);
    m_cmdMove->setEnabled(games);
    m_cmdDeleteFolder->setEnabled(SelectedFolder() != RootKey && NodeCount(m_tree) >= 3);
}

void frmFavourites::cmdCreate_Click() {
    const QString name =
        m_context.messages.InputBox(QStringLiteral("Enter the folder name you want to create"));
    auto created = m_favourites.CreateFolder(name);
    if (!created) {
        ShowError(m_context.messages, created.error());
        return;
    }
    switch (*created) {
    case cFavourites::Created::Ignored:
        return;
    case cFavourites::Created::Exists:
        m_context.messages.Message(QString::fromLatin1(cFavourites::FolderExists),
                                   MessageIcon::Information);
        return;
    case cFavourites::Created::Done:
        FillFavTree();
        return;
    }
}

void frmFavourites::cmdDeleteFolder_Click() {
    if (NodeCount(m_tree) < 3) {
        m_context.messages.Message(QString::fromLatin1(cFavourites::LastFolder),
                                   MessageIcon::Information);
        return;
    }
    const QTreeWidgetItem* node = m_tree->currentItem();
    if (!node || SelectedFolder() == RootKey) {
        m_context.messages.Message(QStringLiteral("Please select the folder to delete."),
                                   MessageIcon::Exclamation);
        return;
    }
    if (!m_context.messages.Ask(QStringLiteral("Are you sure you want to delete ") + node->text(0) +
                                    QStringLiteral(" ?"),
                                MessageIcon::Critical)) {
        return;
    }
    if (auto deleted = m_favourites.DeleteFolder(SelectedFolder()); !deleted) {
        ShowError(m_context.messages, deleted.error());
    }
    FillFavTree();
    ListFavGames(SelectedFolder());
}

void frmFavourites::cmdDeleteGame_Click() {
    if (!m_context.messages.Ask(QStringLiteral("Are you sure you want to delete ?"),
                                MessageIcon::Critical)) {
        return;
    }
    if (auto deleted = m_favourites.DeleteGames(SelectedKeys(m_list)); !deleted) {
        ShowError(m_context.messages, deleted.error());
    }
    ListFavGames(SelectedFolder());
}

void frmFavourites::cmdMove_Click() {
    const QString target = m_imcFav->currentData(LibraryRole::Key).toString();
    if (target.isEmpty()) {
        return;
    }
    IMessages& messages = m_context.messages;
    auto moved =
        m_favourites.MoveGames(SelectedKeys(m_list), target, [&messages](const QString& taken) {
            return messages.Ask(QStringLiteral("File ") + taken +
                                    QStringLiteral(" exists! Do you want to overwrite ?"),
                                MessageIcon::Question);
        });
    if (!moved) {
        ShowError(m_context.messages, moved.error());
    }
    ListFavGames(SelectedFolder());
}

} // namespace velmora
