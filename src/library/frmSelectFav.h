#pragma once

#include "library/cFavourites.h"
#include "library/ui/LibraryWidgets.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace velmora {

class ILibraryGame;
class IMessages;
class cSave;

/// What the play-from-favourites dialog works with.
struct SelectFavContext {
    const cSave& save;
    ILibraryGame& game;
    IMessages& messages;
    LibraryIcons icons;
};

/// "Play From Favorites": opens a favourite game.
class frmSelectFav final : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectFav(const SelectFavContext& context, QWidget* parent = nullptr);

    /// Lists the games of the folder `key` (none for the root) and enables Play when there are
    /// any, the first one selected.
    void ListFavGames(const QString& key);
    /// Opens the selected game (OpenChosenGame), adds its name to the window caption and closes;
    /// the dialog stays open when the game was not opened.
    void cmdPlay_Click();

private:
    SelectFavContext m_context;
    cFavourites m_favourites;
    QComboBox* m_imc1 = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_cmdPlay = nullptr;
};

} // namespace velmora
