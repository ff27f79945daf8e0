#pragma once

#include "library/GameLibrary.h"
#include "library/ui/LibraryWidgets.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class IFileDialogs;
class IGameFiles;
class ILibraryGame;
class IMessages;
class cRecent;
class cSave;

/// What the open-game dialog works with.
struct OpenGameContext {
    cSave& save;
    cRecent& recent;
    ILibraryGame& game;
    /// The Browse fall-back: the Open command's file dialog and the game it opens into.
    IGameFiles& files;
    IFileDialogs& fileDialogs;
    IMessages& messages;
    LibraryIcons icons;
};

/// "Open Game": every place saved games are kept as one tree; opens the chosen game.
class frmOpenGame final : public QDialog {
    Q_OBJECT
public:
    explicit frmOpenGame(const OpenGameContext& context, QWidget* parent = nullptr);

    /// Lists the games of `node`, selects the first and enables Select.
    void TreeView1_NodeClick(const QTreeWidgetItem* node);
    /// Opens the selected game (OpenChosenGame) and closes; nothing without a selected row. The
    /// dialog stays open when the game was not opened.
    void cmdSelect_Click();
    /// The Open command's file dialog; closes when it opened a game.
    void cmdBrowse_Click();

private:
    OpenGameContext m_context;
    GameLibrary m_library;
    QTreeWidget* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_cmdSelect = nullptr;
};

} // namespace velmora
