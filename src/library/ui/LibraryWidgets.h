#pragma once

#include "library/GameListing.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class QComboBox;
class QPushButton;
class QStyle;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace velmora {

class ILibraryGame;
class IMessages;

/// The images of the library dialogs by key: "Program", "Favourites", "CloseFold", "OpenFold",
/// "Comp" (finished game) and "Incomp" (incomplete game).
class LibraryIcons {
public:
    using Source = std::function<QIcon(const QString& key)>;
    explicit LibraryIcons(Source source = {}) : m_source(std::move(source)) {}
    /// The source's image, or the style's standard one when there is no source.
    QIcon Icon(const QString& key, const QStyle* style) const;

private:
    Source m_source;
};

/// What the library dialogs keep on their items.
namespace LibraryRole {
inline constexpr int Key = Qt::UserRole;               ///< the path or node key
inline constexpr int Tag = Qt::UserRole + 1;           ///< what a node of the open dialog lists
inline constexpr int Image = Qt::UserRole + 2;         ///< the image key shown
inline constexpr int SelectedImage = Qt::UserRole + 3; ///< the image key shown while selected
inline constexpr int Indent = Qt::UserRole + 4;        ///< indentation level of a combo entry
} // namespace LibraryRole

/// A report list of games: one column per header, no tree lines, `multi` for several rows
/// selected at once. No header is shown when `headers` is empty.
QTreeWidget* GameList(QWidget* parent, const char* name, const QStringList& headers, bool multi);
/// A folder tree: no header, the selected node shows its selected image.
QTreeWidget* FolderTree(QWidget* parent, const char* name, const LibraryIcons& icons);
/// A combo of folders whose entries are indented by their level.
QComboBox* FolderCombo(QWidget* parent, const char* name);
QPushButton* Button(QWidget* parent, const char* name, const char* caption);

/// Adds a node to `tree` under `parent` (top level when null).
QTreeWidgetItem* AddNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text,
                         const QString& key, const QString& image, const QString& selectedImage,
                         const LibraryIcons& icons);
/// Adds an entry to a folder combo.
void AddEntry(QComboBox* combo, const QString& text, const QString& key, const QString& image,
              int indent, const LibraryIcons& icons);

/// Clears `list` and adds one row per game: its text, the creation date and time as a second
/// column when `withDate`, its image and its path.
void FillGames(QTreeWidget* list, const std::vector<GameListing::GameRow>& rows,
               const LibraryIcons& icons, bool withDate = false);
/// The paths of the selected rows, top to bottom.
QStringList SelectedKeys(const QTreeWidget* list);
/// The paths of every row.
QStringList AllKeys(const QTreeWidget* list);
/// Selects the first row, when there is one.
void SelectFirst(QTreeWidget* list);

/// Opens the game a dialog's list offers at `path`: a file that vanished since the list was
/// filled gets "Sorry File Doesn't Exists"; otherwise the game on the table is given up, after
/// asking while it is in play (asked only now, so a cancelled dialog leaves it), and a file
/// that cannot be read is reported. True when the game was opened.
bool OpenChosenGame(const QString& path, ILibraryGame& game, IMessages& messages);

} // namespace velmora
