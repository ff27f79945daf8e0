#include "library/frmSelectFav.h"

#include "library/LibraryPorts.h"
#include "library/Messages.h"
#include "library/cSave.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

frmSelectFav::frmSelectFav(const SelectFavContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_favourites(context.save) {
    setObjectName(QStringLiteral("frmSelectFav"));
    setWindowTitle(QStringLiteral("Play From Favorites"));
    setModal(true);

    m_imc1 = FolderCombo(this, "imc1");
    m_list = GameList(this, "ListView1", {}, false);
    m_cmdPlay = Button(this, "cmdPlay", "Play");
    m_cmdPlay->setDefault(true);
    auto* cancel = Button(this, "cmdCancel", "Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdPlay);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_imc1);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(360, 340);

    const LibraryIcons& icons = m_context.icons;
    AddEntry(m_imc1, QStringLiteral("Favorites"), QStringLiteral("Favorites"),
             QStringLiteral("Favourites"), 0, icons);
    for (const QFileInfo& folder : m_favourites.Folders()) {
        AddEntry(m_imc1, folder.fileName(), folder.absoluteFilePath(), QStringLiteral("CloseFold"),
                 1, icons);
        m_imc1->setCurrentIndex(m_imc1->count() - 1);
    }
    ListFavGames(m_imc1->currentData(LibraryRole::Key).toString());

    connect(m_imc1, &QComboBox::activated, this, [this](int index) {
        ListFavGames(m_imc1->itemData(index, LibraryRole::Key).toString());
    });
    connect(m_cmdPlay, &QPushButton::clicked, this, &frmSelectFav::cmdPlay_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelectFav::ListFavGames(const QString& key) {
    FillGames(m_list, m_favourites.Games(key), m_context.icons);
    SelectFirst(m_list);
    m_cmdPlay->setEnabled(m_list->topLevelItemCount() > 0);
}

void frmSelectFav::cmdPlay_Click() {
    const QTreeWidgetItem* row = m_list->currentItem();
    if (!row || !row->isSelected()) {
        return;
    }
    const QString path = row->data(0, LibraryRole::Key).toString();
    if (!OpenChosenGame(path, m_context.game, m_context.messages)) {
        return;
    }
    m_context.game.AppendCaption(QStringLiteral(" [") + row->text(0) + u']');
    accept();
}

} // namespace velmora
