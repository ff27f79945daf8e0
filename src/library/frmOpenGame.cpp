#include "library/frmOpenGame.h"

#include "library/LibraryPorts.h"
#include "library/Messages.h"
#include "library/cSave.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

frmOpenGame::frmOpenGame(const OpenGameContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_library(context.save, context.recent) {
    setObjectName(QStringLiteral("frmOpenGame"));
    setWindowTitle(QStringLiteral("Open Game"));
    setModal(true);

    m_tree = FolderTree(this, "TreeView1", m_context.icons);
    m_list = GameList(this, "ListView1", {QStringLiteral("Game List")}, false);
    m_cmdSelect = Button(this, "cmdSelect", "Select");
    m_cmdSelect->setDefault(true);
    m_cmdSelect->setEnabled(false);
    auto* browse = Button(this, "cmdBrowse", "Browse");
    auto* cancel = Button(this, "cmdCancel", "Cancel");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdSelect);
    buttons->addWidget(browse);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_tree, 0, 0);
    layout->addWidget(m_list, 0, 1);
    layout->addLayout(buttons, 0, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    resize(600, 360);

    std::vector<QTreeWidgetItem*> items;
    for (const GameLibrary::Node& node : m_library.Nodes()) {
        QTreeWidgetItem* parentItem =
            node.parent < 0 ? nullptr : items[static_cast<std::size_t>(node.parent)];
        const bool root = node.parent < 0;
        auto* item =
            AddNode(m_tree, parentItem, node.text, node.key,
                    root ? QStringLiteral("Program") : QStringLiteral("CloseFold"),
                    root ? QStringLiteral("Program") : QStringLiteral("OpenFold"), m_context.icons);
        item->setData(0, LibraryRole::Tag, node.tag);
        items.push_back(item);
    }
    m_tree->expandAll();
    // The root is current from the start, so focusing the tree lists nothing by itself.
    m_tree->setCurrentItem(items.front());

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](const QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](const QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    connect(m_list, &QTreeWidget::itemClicked, this, [this] { m_cmdSelect->setEnabled(true); });
    connect(m_cmdSelect, &QPushButton::clicked, this, &frmOpenGame::cmdSelect_Click);
    connect(browse, &QPushButton::clicked, this, &frmOpenGame::cmdBrowse_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOpenGame::TreeView1_NodeClick(const QTreeWidgetItem* node) {
    if (!node) {
        return;
    }
    FillGames(m_list,
              m_library.Games(node->data(0, LibraryRole::Tag).toString(),
                              node->data(0, LibraryRole::Key).toString()),
              m_context.icons);
    SelectFirst(m_list);
    m_cmdSelect->setEnabled(true);
}

void frmOpenGame::cmdSelect_Click() {
    const QStringList selected = SelectedKeys(m_list);
    if (selected.isEmpty()) {
        return;
    }
    if (OpenChosenGame(selected.front(), m_context.game, m_context.messages)) {
        accept();
    }
}

void frmOpenGame::cmdBrowse_Click() {
    const FileCommandPorts ports{m_context.files, m_context.fileDialogs, m_context.messages,
                                 m_context.recent};
    if (m_context.save.File_Open(ports) == Outcome::Done) {
        accept();
    }
}

} // namespace velmora
