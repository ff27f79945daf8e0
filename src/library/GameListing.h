#pragma once

#include "history/Error.h"

#include <QDateTime>
#include <QFileInfoList>
#include <QString>
#include <QStringList>

#include <vector>

/// Saved-game files as the library dialogs list, name and remove them.
namespace velmora::GameListing {

/// One game of a list.
struct GameRow {
    QString key;           ///< the file's full path
    QString text;          ///< what the list shows
    bool finished = false; ///< shown with the finished-game image ("Comp")
    /// When the file was created (its last change where the file system keeps no creation time).
    QDateTime created;
};

/// Which files of a folder a listing takes, by the last three characters of their names.
enum class Kinds {
    Incomplete, ///< "VLG"
    Finished,   ///< "V2K"
    Games,      ///< "VLG" or "V2K"
    Any,        ///< every file
};

/// True when the last three characters of `name` in upper case are "V2K".
bool IsFinished(const QString& name);
/// The image key of a game: "Comp" for a finished one (IsFinished), else "Incomp".
QString IconKey(const QString& name);
/// The file name of `path` without its extension (the text after its last dot).
QString BaseName(const QString& path);

/// The subfolders of `folder` in the order the file system returns them; empty when it cannot
/// be read.
QFileInfoList Subfolders(const QString& folder);
/// The files (no folders, no hidden files) of `folder` that `kinds` takes, in the order the file
/// system returns them, as rows showing their base names; empty when it cannot be read.
std::vector<GameRow> ListFolder(const QString& folder, Kinds kinds);
/// The files of `folder` that `kinds` takes.
QFileInfoList Files(const QString& folder, Kinds kinds);
/// A row for `info` showing `text`.
GameRow Row(const QFileInfo& info, const QString& text);

/// True when the owner may not write `path`: the file system's read-only mark. Checked on the
/// permission bits, so it holds for every user.
bool IsReadOnly(const QString& path);
/// Deletes every file of `paths`. When one of them no longer exists, is read-only or lies in a
/// read-only folder nothing is deleted and the error names it.
Result<void> RemoveFiles(const QStringList& paths);

/// What the open dialogs say when the chosen game vanished after the list was filled.
inline constexpr const char* MissingFile = "Sorry File Doesn't Exists";

/// "The file NAME no longer exists." and the like: the reasons a file or folder was refused.
std::string Vanished(const QString& kind, const QString& path);
std::string ReadOnly(const QString& kind, const QString& path);

} // namespace velmora::GameListing
