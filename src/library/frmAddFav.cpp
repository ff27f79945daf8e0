#include "library/frmAddFav.h"

#include "library/MainWindowPorts.h"
#include "library/Messages.h"
#include "library/cSave.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

frmAddFav::frmAddFav(const AddFavContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_favourites(context.save) {
    setObjectName(QStringLiteral("frmAddFav"));
    setWindowTitle(QStringLiteral("Add to Favorites"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Add this game to Favorites List."), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Game Name"));
    m_tree = FolderTree(this, "TreeView1", m_context.icons);
    auto* add = Button(this, "cmdAdd", "Add");
    add->setDefault(true);
    auto* cancel = Button(this, "cmdCancel", "Cancel");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text1, 1, 0);
    layout->addWidget(m_tree, 2, 0);
    layout->addLayout(buttons, 1, 1, 2, 1);
    resize(400, 300);

    auto* root =
        AddNode(m_tree, nullptr, QStringLiteral("Favourites"), QStringLiteral("Favourites"),
                QStringLiteral("Favourites"), {}, m_context.icons);
    for (const QFileInfo& folder : m_favourites.Folders()) {
        AddNode(m_tree, root, folder.fileName(), folder.absoluteFilePath(),
                QStringLiteral("CloseFold"), QStringLiteral("OpenFold"), m_context.icons);
    }
    m_tree->expandAll();
    // The first folder; the root when there is none (Add then asks for a folder).
    m_tree->setCurrentItem(root->childCount() > 0 ? root->child(0) : root);
    m_text1->setText(QString::number(m_context.game.GameNumber()) +
                     QStringLiteral(" - Played by ") + m_context.playerName);
    m_text1->selectAll();
    m_text1->setFocus();

    connect(add, &QPushButton::clicked, this, &frmAddFav::cmdAdd_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAddFav::cmdAdd_Click() {
    const QTreeWidgetItem* node = m_tree->currentItem();
    const QString folder = node ? node->data(0, LibraryRole::Key).toString() : QString();
    auto path = m_favourites.AddPath(folder, m_text1->text(), m_context.finished);
    if (!path) {
        ShowError(m_context.messages, path.error());
        return;
    }
    if (auto saved = m_context.game.SaveGame(*path); !saved) {
        ShowError(m_context.messages, saved.error());
        return;
    }
    accept();
}

} // namespace velmora
