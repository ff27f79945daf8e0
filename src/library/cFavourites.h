#pragma once

#include "history/Error.h"
#include "library/GameListing.h"

#include <QFileInfoList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora {

class cSave;

/// The favourites: the direct subfolders of the favourites root (`cSave.FavFolder`) and the files
/// in them, read from disk every time (there is no index). Every change stays inside the root:
/// a folder or game outside it is refused, and a refused change changes nothing.
class cFavourites {
public:
    explicit cFavourites(const cSave& save) : m_save(save) {}

    /// What creating a folder did.
    enum class Created {
        Ignored, ///< a name of fewer than 1 or more than 30 characters: nothing happens
        Exists,  ///< the folder is there already
        Done,
    };

    /// The favourites root.
    QString Root() const;
    /// The favourites folders in the order the file system returns them.
    QFileInfoList Folders() const;
    /// True when `path` is a favourites folder: an existing direct subfolder of the root.
    bool IsFolder(const QString& path) const;

    /// Every file of the favourites folder `folder`, shown by DisplayName; none for any other
    /// key (the root entries "Favorites" and "Favourites" among them).
    std::vector<GameListing::GameRow> Games(const QString& folder) const;
    /// A file name without its last four characters (the dot and the extension); a name too
    /// short to have them is shown whole.
    static QString DisplayName(const QString& fileName);

    /// Creates the folder `name` in the root. A name that is "." or "..", holds "/", "\" or a
    /// null character, or that the file system refuses, is an error.
    Result<Created> CreateFolder(const QString& name);
    /// Deletes a favourites folder with the files in it; never the last one, and never a folder
    /// that holds folders of its own, a read-only file or is itself read-only.
    Result<void> DeleteFolder(const QString& folder);
    /// Deletes favourite games; all or, when one is refused, none.
    Result<void> DeleteGames(const QStringList& games);
    /// Moves favourite games into the favourites folder `target` under their own names. A game
    /// already in `target` stays; a game whose name is taken in `target` replaces that file only
    /// when `replace`(the taken path) answers true (asked before anything moves). When a game,
    /// its folder or a file to replace is refused, nothing moves.
    Result<void> MoveGames(const QStringList& games, const QString& target,
                           const std::function<bool(const QString& taken)>& replace);
    /// Where the add dialog saves the game on the table: `name` + ".v2k" or ".vlg" in the
    /// favourites folder `folder`. Refused without a folder, without a name, or for a name
    /// holding "/", "\" or a null character.
    Result<QString> AddPath(const QString& folder, const QString& name, bool finished) const;

    static constexpr int MaxNameLength = 30;
    static constexpr const char* FolderExists = "Folder Exists";
    static constexpr const char* LastFolder = "Minimum one folder must exists";

private:
    /// True when `path` is a file directly in a favourites folder.
    bool IsGame(const QString& path) const;
    Result<void> CheckGames(const QStringList& games) const;

    const cSave& m_save;
};

} // namespace velmora
