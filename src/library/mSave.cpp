#include "library/mSave.h"

#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"
#include "platform/SafeFileQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace velmora::mSave {

namespace {

/// Events 7, 8, 9, 10, 12 and 13 of the default sound scheme and their wave files.
struct DefaultSound {
    int event;
    const char* file;
};
constexpr std::array<DefaultSound, 6> DefaultSounds{{
    {7, "Move.wav"},
    {8, "Multi.wav"},
    {9, "Right.wav"},
    {10, "Undo.wav"},
    {12, "Loose.wav"},
    {13, "Win.wav"},
}};
constexpr int SoundEvents = 17;

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

Result<void> WriteFile(const QString& path, const QString& text) {
    if (auto written = SafeFile::Replace(path, text.toUtf8()); !written) {
        return Fail(written.error().Message());
    }
    return {};
}

Result<void> MakeFolder(const QString& path) {
    if (QDir().mkpath(path)) {
        return {};
    }
    return Fail("Cannot create the folder " + path.toStdString());
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

QString SoundKey(int event) {
    return QStringLiteral("Sound") + QString::number(event);
}

} // namespace

bool FirstRunRequested(const SettingsStore& store) {
    // A file that is there but cannot be read is not a fresh installation.
    if (store.Unreadable()) {
        return false;
    }
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

QString UserFilesFolder(const AppFolders& folders) {
    return JoinPath(folders.userDataFolder, QStringLiteral("Velmora 2003 Files"));
}

QString MimePackage() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Velmora 2003 Finished Game</comment>\n"
               "    <icon name=\"velmora2003-finished\"/>\n"
               "    <glob pattern=\"*.v2k\"/>\n"
               "  </mime-type>\n"
               "  <mime-type type=\"%2\">\n"
               "    <comment>Velmora 2003 Incomplete Game</comment>\n"
               "    <icon name=\"velmora2003-incomplete\"/>\n"
               "    <glob pattern=\"*.vlg\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(QString::fromLatin1(FinishedMimeType), QString::fromLatin1(IncompleteMimeType));
}

QString DesktopEntry(const QString& programFile) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Velmora 2003\n"
                          "Exec=%1 %f\n"
                          "Icon=velmora2003\n"
                          "Terminal=false\n"
                          "Categories=Game;CardGame;\n"
                          "MimeType=%2;%3;\n")
        .arg(ExecArgument(programFile), QString::fromLatin1(FinishedMimeType),
             QString::fromLatin1(IncompleteMimeType));
}

QString DefaultSoundScheme(const QString& installFolder) {
    std::array<QString, SoundEvents + 1> paths;
    for (const DefaultSound& sound : DefaultSounds) {
        paths[sound.event] = JoinPath(installFolder, QString::fromLatin1(sound.file));
    }
    QString text;
    for (int event = 1; event <= SoundEvents; ++event) {
        text += u'"' + paths[event] + QStringLiteral("\"\r\n");
    }
    return text;
}

Result<void> RegisterFileTypes(const AppFolders& folders) {
    const QString mimeFolder = JoinPath(folders.userDataFolder, QStringLiteral("mime"));
    const QString packages = JoinPath(mimeFolder, QStringLiteral("packages"));
    const QString applications =
        JoinPath(folders.userDataFolder, QStringLiteral("applications"));
    Result<void> result;
    Note(result, MakeFolder(packages));
    Note(result, WriteFile(JoinPath(packages, QStringLiteral("velmora2003.xml")), MimePackage()));
    Note(result, MakeFolder(applications));
    Note(result, WriteFile(JoinPath(applications, QStringLiteral("velmora2003.desktop")),
                           DesktopEntry(folders.programFile)));
    if (folders.updateDesktopDatabases) {
        RunTool(QStringLiteral("update-mime-database"), mimeFolder);
        RunTool(QStringLiteral("update-desktop-database"), applications);
    }
    return result;
}

Result<void> FirstRunSetup(SettingsStore& store, const AppFolders& folders, const IClock& clock,
                           const AddUserFunction& addUser) {
    store.DeleteSetting();
    Result<void> result = RegisterFileTypes(folders);

    const QString created = GeneralDate::Format(clock.Now());
    addUser(QStringLiteral("Guest"), QStringLiteral("Guest Player"), created);
    addUser(QStringLiteral("Player1"), QStringLiteral("Player1"), created);

    // The tree is built from these values, not read back: a store that cannot be written
    // must not send the files elsewhere.
    const QString user = UserFilesFolder(folders);
    const QString fav = JoinPath(user, QStringLiteral("Favorites"));
    const QString scoreFile = JoinPath(user, QStringLiteral("Velmora2003.sre"));
    const QString favDef = JoinPath(fav, QStringLiteral("Easy Games"));
    const QString incomplete = JoinPath(user, QStringLiteral("Incomplete Games"));
    const QString finished = JoinPath(user, QStringLiteral("Finished Games"));
    const QString saved = JoinPath(user, QStringLiteral("Saved Games"));
    const QString exported = JoinPath(user, QStringLiteral("Exported Files"));
    cSave save(store, folders, clock);
    save.InStallFolder(folders.programFolder);
    save.UserFolder(user);
    save.FavFolder(fav);
    save.ScoreFile(scoreFile);
    save.IncompleteDir(incomplete);
    save.FinishedDir(finished);
    save.SaveFolder(saved);
    save.ExportFolder(exported);
    save.FavDefFolder(favDef);
    if (!store.LastError().isEmpty()) {
        Note(result, Fail(store.LastError().toStdString()));
    }

    for (const QString& folder : {user, fav, favDef, incomplete, finished, saved, exported}) {
        Note(result, MakeFolder(folder));
    }

    // A reinstallation keeps the player's score file.
    if (!QFileInfo::exists(scoreFile)) {
        Note(result, WriteFile(scoreFile, QString()));
    }

    const QString install = folders.programFolder;
    Note(result, WriteFile(JoinPath(user, QStringLiteral("Default Sound Scheme.sd")),
                           DefaultSoundScheme(install)));
    for (const DefaultSound& sound : DefaultSounds) {
        store.SaveSetting(QStringLiteral("Settings"), SoundKey(sound.event),
                          JoinPath(install, QString::fromLatin1(sound.file)));
    }
    for (const ColourScheme& scheme : ColourSchemes) {
        const QString name = QString::fromLatin1(scheme.name);
        const QString text = u'"' + name + QStringLiteral("\"\r\n") +
                             QString::number(scheme.first) + QStringLiteral("\r\n") +
                             QString::number(scheme.second) + QStringLiteral("\r\n");
        Note(result, WriteFile(JoinPath(user, name + QStringLiteral(".col")), text));
    }
    return result;
}

} // namespace velmora::mSave
