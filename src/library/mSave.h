#pragma once

#include "history/Error.h"
#include "library/AppFolders.h"
#include "platform/SettingsStore.h"

#include <QString>

#include <functional>

namespace velmora {
class IClock;
}

/// First-run set-up and the per-user registration of the saved-game file types.
namespace velmora::mSave {

/// Adds a player (cUser.AddUser): name, full name, creation date text.
using AddUserFunction =
    std::function<void(const QString& name, const QString& fullName, const QString& date)>;

/// True when the store asks for the first-run set-up: "Install"/`Fresh` is exactly 1, or the
/// store has no section at all (no installer writes `Fresh` here). Never for a store whose file
/// exists but cannot be read.
bool FirstRunRequested(const SettingsStore& store);

/// The first-run set-up: clears the store, registers the file types, adds the players "Guest"
/// and "Player1", stores the folder keys, creates the folder tree and an empty score file, and
/// writes the default sound scheme and the three colour schemes. An existing user files
/// folder, its saved games and its score file are kept. Every step runs; the first failure is
/// returned.
Result<void> FirstRunSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser);

/// Writes the MIME package for ".vlg" and ".v2k" and the desktop entry that opens them with
/// the program under the user's data folder, then refreshes the desktop's databases when
/// their tools are present (their failures are ignored).
Result<void> RegisterFileTypes(const AppFolders& folders);

/// The user files folder: "Velmora 2003 Files" in the user's data folder.
QString UserFilesFolder(const AppFolders& folders);
/// The MIME package text (LF line ends, as the desktop tools expect).
QString MimePackage();
/// The desktop entry text for `programFile` (LF line ends).
QString DesktopEntry(const QString& programFile);
/// The default sound scheme file text: 17 quoted paths, CR LF after each.
QString DefaultSoundScheme(const QString& installFolder);

inline constexpr const char* FinishedMimeType = "application/x-velmora2003-finished";
inline constexpr const char* IncompleteMimeType = "application/x-velmora2003-incomplete";

} // namespace velmora::mSave
