#include "library/mSave.h"

#include "engine/SoundEvents.h"
#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

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

Result<void> WriteFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail("Cannot write " + path.toStdString() + ": " +
                    file.errorString().toStdString());
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        return Fail("Cannot write " + path.toStdString() + ": " +
                    file.errorString().toStdString());
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

    cSave save(store, folders, clock);
    save.InStallFolder(folders.programFolder);
    save.UserFolder(UserFilesFolder(folders));
    const QString user = save.UserFolder();
    save.FavFolder(JoinPath(user, QStringLiteral("Favorites")));
    save.ScoreFile(JoinPath(user, QStringLiteral("Velmora2003.sre")));
    save.IncompleteDir(JoinPath(user, QStringLiteral("Incomplete Games")));
    save.FinishedDir(JoinPath(user, QStringLiteral("Finished Games")));
    save.SaveFolder(JoinPath(user, QStringLiteral("Saved Games")));
    save.ExportFolder(JoinPath(user, QStringLiteral("Exported Files")));
    save.FavDefFolder(JoinPath(save.FavFolder(), QStringLiteral("Easy Games")));

    for (const QString& folder : {save.UserFolder(), save.FavFolder(), save.FavDefFolder(),
                                  save.IncompleteDir(), save.FinishedDir(), save.SaveFolder(),
                                  save.ExportFolder()}) {
        Note(result, MakeFolder(folder));
    }

    // A reinstallation keeps the player's score file.
    if (!QFileInfo::exists(save.ScoreFile())) {
        Note(result, WriteFile(save.ScoreFile(), QString()));
    }

    const QString install = save.InStallFolder();
    Note(result, WriteFile(JoinPath(user, QStringLiteral("Default Sound Scheme.sd")),
                           DefaultSoundScheme(install)));
    for (const DefaultSound& sound : DefaultSounds) {
        store.SaveSetting(QStringLiteral("Settings"), SoundKey(sound.event),
                          JoinPath(install, Latin1(sound.file)));
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
