#include "library/mSave.h"

#include "engine/SoundEvents.h"
#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"
#include "platform/SafeFileQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace velmora::mSave {

namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

struct ColourScheme {
    const char* name;
    int first;
    int second;
};
constexpr std::array<ColourScheme, 3> ColourSchemes{{
    {"Default Color Scheme1", 14497894, 11567280},
    {"Default Color Scheme2", 10434798, 11567280},
    {"Default Color Scheme3", 10047434, 8227032},
}};

Result<void> WriteFile(const QString& path, const QByteArray& bytes) {
    if (auto written = SafeFile::Replace(path, bytes); !written) {
        return Fail(written.error().Message());
    }
    return {};
}

Result<void> WriteFile(const QString& path, const QString& text) {
    return WriteFile(path, text.toUtf8());
}

/// Keeps the first failure of a sequence of steps.
void Note(Result<void>& first, Result<void> step) {
    if (first && !step) {
        first = std::move(step);
    }
}

/// `path` as one argument of a desktop entry's Exec key.
QString ExecArgument(const QString& path) {
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    // The desktop entry's own escapes come on top of the argument quoting.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}

void RunTool(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {folder});
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

QString AppId() {
    return QString::fromLatin1(ApplicationId);
}

/// One of the program's own desktop files, built into the program from the data folder.
QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

/// The icons of the two saved-game kinds, named after their MIME types.
constexpr std::array<const char*, 2> FileKindIcons{
    "application-vnd.velmora2003.incomplete",
    "application-vnd.velmora2003.finished",
};

/// Writes the built-in file `name` to `path`.
Result<void> CopyResource(const QString& name, const QString& path) {
    const QByteArray bytes = Resource(name);
    if (bytes.isEmpty()) {
        return Fail("The file " + name.toStdString() + " is missing from the program");
    }
    return WriteFile(path, bytes);
}

/// What an older version registered for the user: a desktop entry and a MIME package under
/// other names, the package declaring application/x-velmora2003-finished and -incomplete.
QStringList OlderRegistration(const AppFolders& folders) {
    return {JoinPath(folders.userDataFolder, QStringLiteral("applications/velmora2003.desktop")),
            JoinPath(folders.userDataFolder, QStringLiteral("mime/packages/velmora2003.xml"))};
}

QString SoundKey(int event) {
    return QStringLiteral("Sound") + QString::number(event);
}

} // namespace

bool FirstRunRequested(const SettingsStore& store) {
    if (store.IsEmpty()) {
        return true;
    }
    // Read as a number, so "1.0" asks too.
    bool ok = false;
    const double fresh =
        store.GetSetting(QStringLiteral("Install"), QStringLiteral("Fresh"), QStringLiteral("0"))
            .trimmed()
            .toDouble(&ok);
    return ok && fresh == 1.0;
}

QString DesktopEntry(const QString& programFile) {
    const QString entry = QString::fromUtf8(Resource("desktop/" + AppId() + ".desktop"));
    if (entry.isEmpty()) {
        return {};
    }
    QStringList lines = entry.split(u'\n');
    for (QString& line : lines) {
        if (!line.startsWith(QLatin1String("Exec="))) {
            continue;
        }
        // Keep the field codes after the program.
        const qsizetype space = line.indexOf(u' ');
        const QString codes = space < 0 ? QString() : line.mid(space);
        line = QStringLiteral("Exec=") + ExecArgument(programFile) + codes;
    }
    return lines.join(u'\n');
}

QString DefaultSoundScheme(const QString& installFolder) {
    std::array<QString, SoundEventCount + 1> paths;
    for (const DefaultSound& sound : DefaultSounds) {
        paths[sound.event] = JoinPath(installFolder, Latin1(sound.file));
    }
    QString text;
    for (int event = 1; event <= SoundEventCount; ++event) {
        text += u'"' + paths[event] + QStringLiteral("\"\r\n");
    }
    return text;
}

Result<void> RegisterFileTypes(const AppFolders& folders) {
    const QString data = folders.userDataFolder;
    const QString mimeFolder = JoinPath(data, QStringLiteral("mime"));
    const QString packages = JoinPath(mimeFolder, QStringLiteral("packages"));
    const QString applications = JoinPath(data, QStringLiteral("applications"));
    const QString icons = JoinPath(data, QStringLiteral("icons/hicolor/scalable"));
    const QString apps = JoinPath(icons, QStringLiteral("apps"));
    const QString mimetypes = JoinPath(icons, QStringLiteral("mimetypes"));
    const QString id = AppId();

    Result<void> result;
    for (const QString& folder : {packages, applications, apps, mimetypes}) {
        Note(result, MakeFolder(folder));
    }
    const QString entry = DesktopEntry(folders.programFile);
    Note(result, entry.isEmpty() ? Fail("The desktop entry is missing from the program")
                                 : WriteFile(JoinPath(applications, id + ".desktop"), entry));
    Note(result, CopyResource("desktop/" + id + ".mime.xml", JoinPath(packages, id + ".xml")));
    Note(result, CopyResource("icons/" + id + ".svg", JoinPath(apps, id + ".svg")));
    for (const char* kind : FileKindIcons) {
        const QString icon = QString::fromLatin1(kind) + ".svg";
        Note(result, CopyResource("icons/" + icon, JoinPath(mimetypes, icon)));
    }
    // The older registration goes only once the new one is complete, so the files keep
    // opening with the game whatever fails.
    if (result) {
        for (const QString& file : OlderRegistration(folders)) {
            if (QFileInfo::exists(file) && !QFile::remove(file)) {
                Note(result, Fail("Cannot remove " + file.toStdString()));
            }
        }
    }
    if (folders.updateDesktopDatabases) {
        RunTool(QStringLiteral("update-mime-database"), mimeFolder);
        RunTool(QStringLiteral("update-desktop-database"), applications);
    }
    return result;
}

bool OlderRegistrationPresent(const AppFolders& folders) {
    const QStringList files = OlderRegistration(folders);
    return std::any_of(files.begin(), files.end(),
                       [](const QString& file) { return QFileInfo::exists(file); });
}

namespace {

/// The folder keys of section "Save" in the order the first run stores them: each default is
/// built from the keys stored before it.
struct FolderKey {
    const char* key;
    QString (cSave::*get)() const;
};
const std::array<FolderKey, 9> FolderKeys{{
    {"InstallFolder", &cSave::InStallFolder},
    {"UserFolder", &cSave::UserFolder},
    {"FavFolder", &cSave::FavFolder},
    {"ScoreFile", &cSave::ScoreFile},
    {"IncompleteDir", &cSave::IncompleteDir},
    {"FinishedDir", &cSave::FinishedDir},
    {"SaveFolder", &cSave::SaveFolder},
    {"ExportFolder", &cSave::ExportFolder},
    {"FavDefFolder", &cSave::FavDefFolder},
}};

bool HasValue(const SettingsStore& store, const QString& section, const QString& key) {
    return !store.GetSetting(section, key).isEmpty();
}

/// Some slot "Player1" to "Player5" holds a player's name.
bool AnyPlayer(const SettingsStore& store) {
    for (int slot = 1; slot <= 5; ++slot) {
        if (HasValue(store, QStringLiteral("Player") + QString::number(slot),
                     QStringLiteral("Name"))) {
            return true;
        }
    }
    return false;
}

/// The first-run steps on a store that may hold values already: every value it holds is kept,
/// and the scheme files are rewritten only when `replaceSchemes` is set.
Result<void> SetUp(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                   const AddUserFunction& addUser, bool replaceSchemes) {
    Result<void> result = RegisterFileTypes(folders);

    if (!AnyPlayer(store)) {
        const QString created = GeneralDate::Format(clock.Now());
        addUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"), created);
        addUser(QStringLiteral("Player1"), QStringLiteral("Player1"), created);
    }

    // A key left empty reads as its default; storing that default makes it the one in use.
    cSave save(store, folders, clock);
    const QString section = QStringLiteral("Save");
    for (const FolderKey& folder : FolderKeys) {
        const QString key = QString::fromLatin1(folder.key);
        if (!HasValue(store, section, key)) {
            store.SaveSetting(section, key, (save.*folder.get)());
        }
    }

    for (const QString& folder : {save.UserFolder(), save.FavFolder(), save.FavDefFolder(),
                                  save.IncompleteDir(), save.FinishedDir(), save.SaveFolder(),
                                  save.ExportFolder()}) {
        Note(result, MakeFolder(folder));
    }

    // A reinstallation keeps the player's score file.
    if (!QFileInfo::exists(save.ScoreFile())) {
        Note(result, WriteFile(save.ScoreFile(), QString()));
    }

    const QString user = save.UserFolder();
    const QString install = save.InStallFolder();
    auto writeScheme = [&](const QString& name, const QString& text) {
        const QString path = JoinPath(user, name);
        if (replaceSchemes || !QFileInfo::exists(path)) {
            Note(result, WriteFile(path, text));
        }
    };
    writeScheme(QStringLiteral("Default Sound Scheme.sd"), DefaultSoundScheme(install));
    for (const DefaultSound& sound : DefaultSounds) {
        const QString settings = QStringLiteral("Settings");
        if (!store.HasKey(settings, SoundKey(sound.event))) {
            store.SaveSetting(settings, SoundKey(sound.event),
                              JoinPath(install, Latin1(sound.file)));
        }
    }
    for (const ColourScheme& scheme : ColourSchemes) {
        const QString name = QString::fromLatin1(scheme.name);
        writeScheme(name + QStringLiteral(".col"),
                    u'"' + name + QStringLiteral("\"\r\n") + QString::number(scheme.first) +
                        QStringLiteral("\r\n") + QString::number(scheme.second) +
                        QStringLiteral("\r\n"));
    }
    return result;
}

} // namespace

Result<void> FirstRunSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser) {
    store.DeleteSetting();
    return SetUp(store, folders, clock, addUser, true);
}

bool NeverSetUp(const SettingsStore& store) {
    if (AnyPlayer(store)) {
        return false;
    }
    return std::none_of(FolderKeys.begin(), FolderKeys.end(), [&store](const FolderKey& folder) {
        return HasValue(store, QStringLiteral("Save"), QString::fromLatin1(folder.key));
    });
}

Result<void> CompleteSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser) {
    return SetUp(store, folders, clock, addUser, false);
}

Result<void> SetUpAtStartUp(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                            const AddUserFunction& addUser) {
    // A settings file that is there but cannot be read is no fresh installation; the store
    // reports it and keeps it as it is.
    if (store.Unreadable()) {
        return {};
    }
    if (FirstRunRequested(store)) {
        return FirstRunSetup(store, folders, clock, addUser);
    }
    if (NeverSetUp(store)) {
        return CompleteSetup(store, folders, clock, addUser);
    }
    if (OlderRegistrationPresent(folders)) {
        // An earlier version registered the file types under other names. On failure that
        // registration stays and still works, so the player is not troubled at every start.
        static_cast<void>(RegisterFileTypes(folders));
    }
    return {};
}

} // namespace velmora::mSave
