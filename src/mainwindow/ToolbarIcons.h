#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velmora {

/// Images of the toolbar image list, drawn by the program. Image 9 is the target pointer.
enum ToolbarImageId : int {
    ImageNew = 1,
    ImageSelect,
    ImageRestart,
    ImageOpen,
    ImageSave,
    ImageUndoAll,
    ImageUndo,
    ImageRedo,
    ImageTarget,
    ImageRedoAll,
    ImageReplayBack,
    ImageReplayStop,
    ImageReplayForward,
    ImageAddFav,
    ImageOrgFav,
    ImageOpenFav,
    ImageOptions,
    ImageScoreboard,
    ImageHelp,
    // Images of the game library dialogs.
    ImageFavourites,
    ImageClosedFolder,
    ImageFinishedGame,
    ImageIncompleteGame,
    ImageCount = ImageIncompleteGame,
};

/// The key of toolbar position 1..25: a command key ("New", "Select", ...), "Sep1".."Sep6" for
/// the separators, empty for the player-list place holder and positions outside 1..25.
QString ToolbarKey(int position);
/// The image of a command key; 0 for keys without one.
int ToolbarImageOf(const QString& key);

/// The icon of a command key, crisp at every size and device pixel ratio; disabled icons are
/// greyed. A null icon for keys without an image.
QIcon ToolbarIcon(const QString& key);
/// The icon of toolbar position 1..25 (null for the place holder and the separators).
QIcon ToolbarIcon(int position);

/// The image of the game library dialogs by its key ("Program", "Favourites", "CloseFold",
/// "OpenFold", "Comp", "Incomp"); a null icon for other keys.
QIcon LibraryIcon(const QString& key);

/// Image `index` (1..ImageCount) at `size` logical pixels for `dpr`; null for other indexes.
QPixmap ToolbarImage(int index, int size, qreal dpr);

/// The target pointer shown over a column that takes the selected card or run.
QCursor TargetCursor(qreal dpr);

/// The program's own icon, the one installed for the desktop; sharp at every scale.
QIcon ApplicationIcon();
/// The window icon: the program's icon drawn beforehand at ApplicationIconSizes and stored as
/// raw pixels, so showing the window neither decodes nor draws a picture.
QIcon WindowIcon();
inline constexpr int ApplicationIconSizes[] = {16, 32, 64, 128};
/// The resource of one size: SIZE x SIZE premultiplied RGBA, 8 bits a channel, row by row.
QString WindowIconFile(int size);
/// That picture; null when the resource is missing or not of that size.
QImage WindowIconImage(int size);

/// The toolbar's images are drawn beforehand at these sizes in device pixels (the toolbar's
/// 18 pixels at ratios 1 and 2), so the first frame draws none of them.
inline constexpr int StoredToolbarSides[] = {18, 36};
/// The resource of one side: images 1..ImageCount one below the other, each SIDE x SIDE
/// premultiplied RGBA, 8 bits a channel, row by row.
QString ToolbarImagesFile(int side);
/// Image `index` as stored at `side`; null for other sides or a missing or short resource.
QImage StoredToolbarImage(int index, int side);
/// Image `index` drawn now, `side` device pixels square, at ratio 1.
QImage PaintedToolbarImage(int index, int side);

} // namespace velmora
