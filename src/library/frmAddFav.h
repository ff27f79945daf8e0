#pragma once

#include "library/cFavourites.h"
#include "library/ui/LibraryWidgets.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace velmora {

class IGameFiles;
class IMessages;
class cSave;

/// What the add-to-favourites dialog works with.
struct AddFavContext {
    const cSave& save;
    /// The game on the table: its number and its writer.
    IGameFiles& game;
    /// The game on the table is a finished game on view (saved as ".v2k", else ".vlg").
    bool finished = false;
    QString playerName;
    IMessages& messages;
    LibraryIcons icons;
};

/// "Add to Favorites": saves the game on the table into a favourites folder under a name the
/// player may change.
class frmAddFav final : public QDialog {
    Q_OBJECT
public:
    explicit frmAddFav(const AddFavContext& context, QWidget* parent = nullptr);

    /// Saves the game as the typed name in the selected folder (replacing a file of that name)
    /// and closes. The root selected, an unusable name or a failed save is reported and the
    /// dialog stays open.
    void cmdAdd_Click();

private:
    AddFavContext m_context;
    cFavourites m_favourites;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace velmora
