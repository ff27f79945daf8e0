#pragma once

#include "history/Error.h"

#include <QString>

namespace velmora {

/// Where the program and the player's files live; passed in so tests never touch the real home.
struct AppFolders {
    /// The program's data folder (help, default sounds): "the program folder" of the store.
    QString programFolder;
    /// The user's data folder (XDG data home): holds "Velmora 2003 Files" and the per-user
    /// file-type registration.
    QString userDataFolder;
    /// Where the settings dialog looks for background pictures while none is chosen: the
    /// user's pictures folder; empty means the user files folder.
    QString picturesFolder;
    /// The program binary, started by the desktop for a saved-game file.
    QString programFile;
    /// Run update-mime-database and update-desktop-database after registering the file types.
    bool updateDesktopDatabases = true;

    /// The folders of the running program: `programFolder` as given, the user's data and
    /// pictures folders from QStandardPaths and the running binary.
    static AppFolders ForUser(const QString& programFolder);
};

/// `folder` and `name` joined by one separator; `name` alone when `folder` is empty.
QString JoinPath(const QString& folder, const QString& name);

/// Creates `folder` and its missing parents; an existing folder is left as it is.
Result<void> MakeFolder(const QString& folder);

} // namespace velmora
