#pragma once

#include "library/cFavourites.h"
#include "library/ui/LibraryWidgets.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace velmora {

class IMessages;
class cSave;

/// What the favourites organiser works with.
struct FavouritesContext {
    const cSave& save;
    IMessages& messages;
    LibraryIcons icons;
};

/// "Organize Favourites": creates and deletes favourites folders, deletes games and moves them
/// between folders. Every refused change is reported and changes nothing.
class frmFavourites final : public QDialog {
    Q_OBJECT
public:
    explicit frmFavourites(const FavouritesContext& context, QWidget* parent = nullptr);

    /// Rebuilds the tree and the target combo from disk; the last folder ends up selected in
    /// both, its games listed.
    void FillFavTree();
    /// Lists the games of the folder `key` (none for the root), the first one selected.
    void ListFavGames(const QString& key);
    /// One tick of `Timer1` (100 ms): enables the buttons for the tree and the list.
    void Timer1_Timer();

    void cmdCreate_Click();
    void cmdDeleteFolder_Click();
    void cmdDeleteGame_Click();
    void cmdMove_Click();

private:
    QString SelectedFolder() const;

    FavouritesContext m_context;
    cFavourites m_favourites;
    QTreeWidget* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
    QComboBox* m_imcFav = nullptr;
    QPushButton* m_cmdDeleteFolder = nullptr;
    QPushButton* m_cmdDeleteGame = nullptr;
    QPushButton* m_cmdMove = nullptr;
    QTimer m_timer1;
};

} // namespace velmora
