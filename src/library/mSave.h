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
/// store has no section at all (no installer writes `Fresh` here).
bool FirstRunRequested(const SettingsStore& store);

/// The first-run set-up: clears the store, registers the file types, adds the players "Guest"
/// and "Player1", stores the folder keys, creates the folder tree and an empty score file, and
/// writes the default sound scheme and the three colour schemes. An existing user files
/// folder, its saved games and its score file are kept. Every step runs; the first failure is
/// returned.
Result<void> FirstRunSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser);

/// True when the store holds neither a player nor a folder key of section "Save": settings
/// written by hand, or left by something else, that the first run never saw.
bool NeverSetUp(const SettingsStore& store);
/// The parts of the first-run set-up a store lacks, keeping every value it holds: the file
/// types, the two players when there is none, the folder keys that are missing or empty, the
/// folder tree, and the score, scheme files and sound keys that do not exist yet.
Result<void> CompleteSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser);
/// Start-up: FirstRunSetup when asked for, CompleteSetup for a store never set up; otherwise
/// only an older version's registration is replaced (its failure is not reported: the older
/// one still works). Nothing at all for a store whose file exists but cannot be read.
Result<void> SetUpAtStartUp(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                            const AddUserFunction& addUser);

/// Registers the program and its two saved-game kinds for the user: writes the installed MIME
/// package, desktop entry (its Exec naming `folders.programFile`) and icons under the user's
/// data folder, removes an older version's registration once the new one is complete, and
/// refreshes the desktop's databases when their tools are present (their failures are
/// ignored). The first failure is returned and the older registration is then kept.
Result<void> RegisterFileTypes(const AppFolders& folders);

/// True when an older version's per-user registration (under other names) is still present.
bool OlderRegistrationPresent(const AppFolders& folders);

/// The installed desktop entry with its Exec program replaced by `programFile` (LF line ends);
/// empty when the entry is missing from the program.
QString DesktopEntry(const QString& programFile);
/// The default sound scheme file text: 17 quoted paths, CR LF after each.
QString DefaultSoundScheme(const QString& installFolder);

/// The one id of the program on the desktop: desktop entry, icon, AppStream component.
inline constexpr const char* ApplicationId = "org.velmora.Velmora2003";

} // namespace velmora::mSave
