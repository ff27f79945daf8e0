#include "library/cSave.h"

#include "library/Clock.h"
#include "library/FileDialogs.h"
#include "library/GeneralDate.h"
#include "library/MainWindowPorts.h"
#include "library/Messages.h"
#include "library/StoreValue.h"
#include "library/cRecent.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {
const QString Section = QStringLiteral("Save");

QString Key(const char* key) {
    return QString::fromLatin1(key);
}
} // namespace

cSave::cSave(SettingsStore& store, AppFolders folders, const IClock& clock)
    : m_store(store), m_folders(std::move(folders)), m_clock(clock) {}

QString cSave::Text(const char* key, const QString& defaultValue) const {
    return m_store.GetSetting(Section, Key(key), defaultValue);
}

void cSave::SetText(const char* key, const QString& value) {
    m_store.SaveSetting(Section, Key(key), value);
}

std::int16_t cSave::Int16(const char* key, std::int16_t defaultValue) const {
    return StoreValue::GetInt16(m_store, Section, Key(key), defaultValue);
}

void cSave::SetInt16(const char* key, std::int16_t value) {
    m_store.SaveInt(Section, Key(key), value);
}

bool cSave::Bool(const char* key) const {
    return m_store.GetBool(Section, Key(key), false);
}

void cSave::SetBool(const char* key, bool value) {
    m_store.SaveBool(Section, Key(key), value);
}

QString cSave::Moment(const char* key) const {
    const QString stored = Text(key, QString());
    if (GeneralDate::Parse(stored)) {
        return stored;
    }
    return GeneralDate::Format(m_clock.Now());
}

QString cSave::Folder(const char* key, const QString& defaultValue) const {
    // A relative path would follow the working folder of the moment.
    const QString stored = Text(key, QString());
    return QDir::isAbsolutePath(stored) ? stored : defaultValue;
}

QString cSave::UserPath(const char* name) const {
    return JoinPath(UserFolder(), QString::fromLatin1(name));
}

QString cSave::ScoreFile() const {
    return Folder("ScoreFile", UserPath("Velmora2003.sre"));
}
void cSave::ScoreFile(const QString& value) {
    SetText("ScoreFile", value);
}
QString cSave::InStallFolder() const {
    return Folder("InstallFolder", m_folders.programFolder);
}
void cSave::InStallFolder(const QString& value) {
    SetText("InstallFolder", value);
}
QString cSave::UserFolder() const {
    return Folder("UserFolder",
                  JoinPath(m_folders.userDataFolder, QString::fromLatin1(UserFilesFolderName)));
}
void cSave::UserFolder(const QString& value) {
    SetText("UserFolder", value);
}
QString cSave::FavFolder() const {
    return Folder("FavFolder", UserPath("Favorites"));
}
void cSave::FavFolder(const QString& value) {
    SetText("FavFolder", value);
}
QString cSave::FavDefFolder() const {
    return Folder("FavDefFolder", JoinPath(FavFolder(), QStringLiteral("Easy Games")));
}
void cSave::FavDefFolder(const QString& value) {
    SetText("FavDefFolder", value);
}
QString cSave::SaveFolder() const {
    return Folder("SaveFolder", UserPath("Saved Games"));
}
void cSave::SaveFolder(const QString& value) {
    SetText("SaveFolder", value);
}
QString cSave::ExportFolder() const {
    return Folder("ExportFolder", UserPath("Exported Files"));
}
void cSave::ExportFolder(const QString& value) {
    SetText("ExportFolder", value);
}
QString cSave::IncompleteDir() const {
    return Folder("IncompleteDir", UserPath("Incomplete Games"));
}
void cSave::IncompleteDir(const QString& value) {
    SetText("IncompleteDir", value);
}
QString cSave::FinishedDir() const {
    return Folder("FinishedDir", UserPath("Finished Games"));
}
void cSave::FinishedDir(const QString& value) {
    SetText("FinishedDir", value);
}
std::int16_t cSave::InCompleteSave() const {
    return Int16("InCompleteSave", 0);
}
void cSave::InCompleteSave(std::int16_t value) {
    SetInt16("InCompleteSave", value);
}
std::int16_t cSave::FinishedSave() const {
    return Int16("FinishedSave", 1);
}
void cSave::FinishedSave(std::int16_t value) {
    SetInt16("FinishedSave", value);
}
std::int16_t cSave::IncludeDate() const {
    return Int16("IncludeDate", 1);
}
void cSave::IncludeDate(std::int16_t value) {
    SetInt16("IncludeDate", value);
}
std::int16_t cSave::IncludeTime() const {
    return Int16("IncludeTime", 1);
}
void cSave::IncludeTime(std::int16_t value) {
    SetInt16("IncludeTime", value);
}
bool cSave::Unfinished() const {
    return Bool("Unfinished");
}
void cSave::Unfinished(bool value) {
    SetBool("Unfinished", value);
}
std::int32_t cSave::LastGameTime() const {
    return StoreValue::GetInt32(m_store, Section, Key("LastGameTime"), 0);
}
void cSave::LastGameTime(std::int32_t value) {
    m_store.SaveInt(Section, Key("LastGameTime"), value);
}
QString cSave::GameStartTime() const {
    return Moment("GameStartTime");
}
void cSave::GameStartTime(const QDateTime& value) {
    SetText("GameStartTime", GeneralDate::Format(value));
}
QString cSave::SessionStart() const {
    return Moment("SessionStart");
}
void cSave::SessionStart(const QDateTime& value) {
    SetText("SessionStart", GeneralDate::Format(value));
}
void cSave::SessionAndGameStart(const QDateTime& value) {
    const QString text = GeneralDate::Format(value);
    m_store.SaveSettingsLater(
        {{Section, Key("SessionStart"), text}, {Section, Key("GameStartTime"), text}});
}
bool cSave::SnapShot() const {
    return Bool("SnapShot");
}
void cSave::SnapShot(bool value) {
    SetBool("SnapShot", value);
}
std::int16_t cSave::SnapShotValue() const {
    return Int16("SnapShotValue", 0);
}
void cSave::SnapShotValue(std::int16_t value) {
    SetInt16("SnapShotValue", value);
}
QString cSave::LastExportedDate() const {
    return Text("LastExportedDate", "None");
}
void cSave::LastExportedDate(const QString& value) {
    SetText("LastExportedDate", value);
}
QString cSave::LastExportedFile() const {
    return Text("LastExportedFile", "None");
}
void cSave::LastExportedFile(const QString& value) {
    SetText("LastExportedFile", value);
}
QString cSave::GeneralClearedDate() const {
    return Text("GeneralClearedDate", "None");
}
void cSave::GeneralClearedDate(const QString& value) {
    SetText("GeneralClearedDate", value);
}
QString cSave::GlobalClearedDate() const {
    return Text("GlobalClearedDate", "None");
}
void cSave::GlobalClearedDate(const QString& value) {
    SetText("GlobalClearedDate", value);
}
std::int16_t cSave::width() const {
    return Int16("width", 9720);
}
void cSave::width(std::int16_t value) {
    SetInt16("width", value);
}
std::int16_t cSave::Height() const {
    return Int16("Height", 7000);
}
void cSave::Height(std::int16_t value) {
    SetInt16("Height", value);
}
std::int16_t cSave::Top() const {
    return Int16("Top", 0);
}
void cSave::Top(std::int16_t value) {
    SetInt16("Top", value);
}
std::int16_t cSave::Left() const {
    return Int16("Left", 0);
}
void cSave::Left(std::int16_t value) {
    SetInt16("Left", value);
}
bool cSave::Maximized() const {
    return Bool("Maximized");
}
void cSave::Maximized(bool value) {
    SetBool("Maximized", value);
}

QString cSave::UnfinishedFile() const {
    return JoinPath(UserFolder(), QStringLiteral("Unfinished.vlg"));
}

QString cSave::GetFileName(std::int32_t gameNumber, bool finished) const {
    const QDateTime now = m_clock.Now();
    const QString folder = finished ? FinishedDir() : IncompleteDir();
    const QString extension = finished ? QStringLiteral(".v2k") : QStringLiteral(".vlg");
    QString prefix;
    if (IncludeDate() == 1) {
        prefix += now.toString(QStringLiteral("ddMM")) + u'-';
    }
    if (IncludeTime() == 1) {
        prefix += now.toString(QStringLiteral("HHmm")) + u'-';
    }
    const QString base = prefix + QString::number(gameNumber);
    const QString plain = JoinPath(folder, base + extension);
    if (!QFileInfo::exists(plain)) {
        return plain;
    }
    for (int counter = 0;; ++counter) {
        const QString numbered = JoinPath(
            folder, base + QStringLiteral("-%1").arg(counter, 2, 10, QLatin1Char('0')) + extension);
        if (!QFileInfo::exists(numbered)) {
            return numbered;
        }
    }
}

void cSave::SaveAutoSave(std::int16_t inCompleteSave, std::int16_t finishedSave,
                         const QString& incompleteDir, const QString& finishedDir,
                         std::int16_t includeTime, std::int16_t includeDate) {
    InCompleteSave(inCompleteSave);
    FinishedSave(finishedSave);
    IncompleteDir(incompleteDir);
    FinishedDir(finishedDir);
    IncludeTime(includeTime);
    IncludeDate(includeDate);
}

AutoSaveSettings cSave::GetSave() const {
    AutoSaveSettings page;
    page.finishedDir = FinishedDir();
    page.incompleteDir = IncompleteDir();
    page.inCompleteSave = InCompleteSave();
    page.finishedSave = FinishedSave();
    page.includeDate = IncludeDate();
    page.includeTime = IncludeTime();
    return page;
}

AutoSaveEnabling cSave::AutoSave_Change(bool finishChecked, bool incompChecked) {
    return {finishChecked || incompChecked, finishChecked, incompChecked};
}

OpenGameDecision cSave::Open_Game(const QString& commandLine, IMessages& messages) const {
    OpenGameDecision decision;
    decision.file = commandLine.trimmed();
    decision.unfinishedFile = UnfinishedFile();
    const bool resumable = Unfinished() && QFileInfo::exists(decision.unfinishedFile);
    if (decision.file.isEmpty()) {
        decision.action = resumable ? OpenGameDecision::Action::ResumeUnfinished
                                    : OpenGameDecision::Action::NoGame;
        return decision;
    }
    if (!resumable) {
        decision.action = OpenGameDecision::Action::OpenFile;
        return decision;
    }
    decision.action = AskExitUnfinished(messages)
                          ? OpenGameDecision::Action::GiveUpUnfinishedThenOpen
                          : OpenGameDecision::Action::Quit;
    return decision;
}

bool cSave::AskExitUnfinished(IMessages& messages) {
    return messages.Ask(QStringLiteral("Are you sure you want to exit the previously\r\n"
                                       "unfinished game and start this game ?"),
                        MessageIcon::Question);
}

Outcome cSave::File_Save(const QString& extension, const FileCommandPorts& ports) {
    const bool incomplete = extension == QStringLiteral(".vlg");
    static_cast<void>(MakeFolder(SaveFolder()));
    const QString name = ports.dialogs.SaveFileName(
        SaveFolder(), QString::number(ports.game.GameNumber()) + extension, extension,
        QString::fromLatin1(incomplete ? IncompleteFilter : FinishedFilter));
    const QFileInfo info(name);
    if (name.isEmpty() || !info.isAbsolute() || !info.absoluteDir().exists()) {
        return Outcome::Cancelled;
    }
    if (auto saved = ports.game.SaveGame(name); !saved) {
        ShowError(ports.messages, saved.error());
        return Outcome::Failed;
    }
    ports.recent.AddtoRecent(name);
    SaveFolder(info.absolutePath());
    return Outcome::Done;
}

Outcome cSave::File_Open(const FileCommandPorts& ports) {
    const QString filter =
        QString::fromLatin1(IncompleteFilter) + u'|' + QString::fromLatin1(FinishedFilter);
    static_cast<void>(MakeFolder(SaveFolder()));
    const QString file = ports.dialogs.OpenFileName(SaveFolder(), filter);
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile()) {
        return Outcome::Cancelled;
    }
    // Asked only now, so a cancelled chooser leaves the game in play.
    if (!ports.game.AllowNewGame()) {
        return Outcome::Cancelled;
    }
    if (auto opened = ports.game.OpenAndReplay(file); !opened) {
        ShowError(ports.messages, opened.error());
        return Outcome::Failed;
    }
    ports.recent.AddtoRecent(file);
    SaveFolder(info.absolutePath());
    return Outcome::Done;
}

std::optional<QString> cSave::OnGameStarting(std::int32_t gameNumber, bool keepHistory) {
    if (keepHistory) {
        return std::nullopt;
    }
    std::optional<QString> gameFile;
    if (InCompleteSave() == 1) {
        gameFile = GetFileName(gameNumber, false);
    }
    StartGameClock();
    return gameFile;
}

void cSave::StartGameClock() {
    GameStartTime(m_clock.Now());
    Unfinished(false);
}

QString cSave::SizeCheck(QString& path, std::int16_t& limit) {
    if (limit < 1) {
        limit = 70;
    }
    if (path.size() > limit) {
        const qsizetype tail = std::max<qsizetype>(0, limit - 7);
        path = path.left(7) + QStringLiteral("...") + path.right(tail);
    }
    return path;
}

} // namespace velmora
