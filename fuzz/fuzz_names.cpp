// Names the player types that become file names: whatever the text, a file or folder is only
// ever created directly inside its folder, and a name the rules accept is saved there.
//   sound schemes:        "Save As.." on the sound page, in the user files folder
//   favourites folders:   "New Folder" of the favourites, in the favourites root
//   favourite games:      the add-to-favourites dialog, in a favourites folder

#include "FuzzMessages.h"
#include "FuzzSupport.h"

#include "appearance/SoundPage.h"
#include "appearance/SoundScheme.h"
#include "appearance/cSetting.h"
#include "history/GameSession.h"
#include "library/Clock.h"
#include "library/cFavourites.h"
#include "library/cSave.h"
#include "platform/SettingsStore.h"
#include "support/QuietPorts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

using namespace velmora;

namespace {

/// Every file and folder below `root`, relative to it.
QStringList Tree(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        entries << QDir(root).relativeFilePath(it.next());
    }
    entries.sort();
    return entries;
}

/// Removes everything inside `folder` but the entries named in `keep`. Paths are joined by
/// hand: to QDir a name that starts with a colon is a resource path.
void Empty(const QString& folder, const QStringList& keep) {
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot)) {
        if (keep.contains(name)) {
            continue;
        }
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) {
            QDir(path).removeRecursively();
        } else {
            QFile::remove(path);
        }
    }
}

/// A home in the scratch folder, with the process working in a folder of it, so that a path
/// taken relative to the working folder shows up too.
struct Home {
    Home() {
        FUZZ_CHECK(QDir().mkpath(userFolder) && QDir().mkpath(favouriteFolder) &&
                       QDir().mkpath(root + QStringLiteral("/cwd")),
                   "cannot make the scratch folders");
        QDir::setCurrent(root + QStringLiteral("/cwd"));
        folders.programFolder = root + QStringLiteral("/program");
        folders.userDataFolder = root + QStringLiteral("/user");
        save.FavFolder(favourites);
        game.StartGame(617);
    }

    const QString root = QString::fromStdString(fuzz::ScratchPath("names"));
    const QString userFolder = root + QStringLiteral("/user/Velmora 2003 Files");
    const QString favourites = userFolder + QStringLiteral("/Favorites");
    const QString favouriteFolder = favourites + QStringLiteral("/Easy Games");
    SettingsStore store{QString::fromStdString(fuzz::ScratchPath("names.ini"))};
    quiet::FixedClock clock;
    AppFolders folders;
    cSave save{store, folders, clock};
    cSetting setting{store};
    fuzz::Messages messages;
    SoundPage page{setting, userFolder, messages};
    cFavourites favourites_{save};
    GameSession game;
};

void SchemeName(Home& home, const QString& name) {
    home.messages.input = name;
    home.messages.boxes = 0;
    home.page.SaveSoundScheme();
    const bool accepted = !name.isEmpty() && !SoundScheme::NameProblem(name);
    const QStringList inFolder = QDir(home.userFolder).entryList(QDir::Files | QDir::Hidden);
    if (!accepted) {
        FUZZ_CHECK(inFolder.isEmpty(), "a refused scheme name made a file: " + name.toStdString());
        return;
    }
    FUZZ_CHECK(home.messages.boxes == 0, "an accepted name was not saved: " + name.toStdString());
    FUZZ_CHECK(inFolder == QStringList{name + QStringLiteral(".sd")},
               "the scheme is not the one file in its folder: " +
                   inFolder.join(u'|').toStdString());
    // The list shows the saved scheme and selects it.
    const auto& chosen =
        home.page.Schemes()[static_cast<std::size_t>(home.page.SchemePosition() - 1)];
    FUZZ_CHECK(QFileInfo(chosen.key) == QFileInfo(home.userFolder + u'/' + inFolder.value(0)),
               "the list selects " + chosen.key.toStdString() + " after saving " +
                   name.toStdString());
    Empty(home.userFolder, {QStringLiteral("Favorites")});
}

void FavouritesFolderName(Home& home, const QString& name) {
    const QStringList before =
        QDir(home.favourites).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const auto created = home.favourites_.CreateFolder(name);
    const QStringList after =
        QDir(home.favourites).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (created && *created == cFavourites::Created::Done) {
        FUZZ_CHECK(QFileInfo(home.favourites + u'/' + name).isDir() &&
                       after.size() == before.size() + 1,
                   "the new favourites folder is not in the root: " + name.toStdString());
        QDir(home.favourites + u'/' + name).removeRecursively();
        return;
    }
    FUZZ_CHECK(after == before, "a refused folder name changed the root: " + name.toStdString());
}

void FavouriteGameName(Home& home, const QString& name) {
    const auto path = home.favourites_.AddPath(home.favouriteFolder, name, true);
    if (!path) {
        return;
    }
    const QFileInfo info(*path);
    FUZZ_CHECK(info.absolutePath() == home.favouriteFolder &&
                   info.fileName() == name + QStringLiteral(".v2k"),
               "a favourite goes to " + path->toStdString());
    // The file system may still refuse the name (too long): then nothing is made.
    (void)home.game.Trans().SaveToFile(QFile::encodeName(*path).toStdString());
    const QStringList inFolder = QDir(home.favouriteFolder).entryList(QDir::Files | QDir::Hidden);
    FUZZ_CHECK(inFolder.isEmpty() || inFolder == QStringList{info.fileName()},
               "the favourite is not the one file in its folder: " +
                   inFolder.join(u'|').toStdString());
    Empty(home.favouriteFolder, {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Home home;
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList before = Tree(home.root);
    SchemeName(home, name);
    FavouritesFolderName(home, name);
    FavouriteGameName(home, name);
    const QStringList after = Tree(home.root);
    FUZZ_CHECK(after == before, "something was made outside its folder by \"" + name.toStdString() +
                                    "\": " + after.join(u'|').toStdString());
    return 0;
}
