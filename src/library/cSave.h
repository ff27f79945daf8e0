#pragma once

#include "history/Error.h"
#include "library/AppFolders.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace velmora {

class IClock;
class IFileDialogs;
class IGameFiles;
class IMessages;
class cRecent;

/// The values of the options dialog's Autosave page.
struct AutoSaveSettings {
    QString incompleteDir;
    QString finishedDir;
    std::int16_t inCompleteSave = 0;
    std::int16_t finishedSave = 0;
    std::int16_t includeDate = 0;
    std::int16_t includeTime = 0;
};

/// Which Autosave page controls are enabled for the two auto-save check boxes.
struct AutoSaveEnabling {
    bool dateAndTime = false;      ///< chkDate, chkTime
    bool finishedFolder = false;   ///< txtFinished, cmdFinished
    bool incompleteFolder = false; ///< txtIncomplete, cmdIncomplete
};

/// What the main window shows at start-up.
struct OpenGameDecision {
    enum class Action {
        NoGame,           ///< cMenu.NoGame: the table stays empty
        ResumeUnfinished, ///< open `unfinishedFile`, then cMenu.Game_Started(false)
        OpenFile,         ///< open `file`
        /// Open `unfinishedFile`, count it as lost (cMenu.GameLost), then open `file`.
        GiveUpUnfinishedThenOpen,
        Quit, ///< end the program at once
    };
    Action action = Action::NoGame;
    QString unfinishedFile;
    QString file;
};

/// What the Save and Open commands work with.
struct FileCommandPorts {
    IGameFiles& game;
    IFileDialogs& dialogs;
    IMessages& messages;
    cRecent& recent;
};

/// Saved-game folders, auto-save names and switches, the unfinished game, the window placement
/// and the other values of store section "Save". Every getter reads the store, every setter
/// writes it.
class cSave {
public:
    cSave(SettingsStore& store, AppFolders folders, const IClock& clock);

    const AppFolders& Folders() const { return m_folders; }
    /// The store every value of this class lives in.
    SettingsStore& Store() const { return m_store; }

    // The folder keys. A key that is missing, empty or not an absolute path reads as its place
    // in the user files folder tree ("Velmora 2003 Files" in the user's data folder).

    /// Default: "Velmora2003.sre" in the user files folder.
    QString ScoreFile() const;
    void ScoreFile(const QString& value);
    /// Key "InstallFolder"; default: the program folder (its help and sounds).
    QString InStallFolder() const;
    void InStallFolder(const QString& value);
    QString UserFolder() const;
    void UserFolder(const QString& value);
    QString FavFolder() const;
    void FavFolder(const QString& value);
    QString FavDefFolder() const;
    void FavDefFolder(const QString& value);
    /// Starting folder of the Save and Open dialogs; follows the folder last used.
    QString SaveFolder() const;
    void SaveFolder(const QString& value);
    QString ExportFolder() const;
    void ExportFolder(const QString& value);
    QString IncompleteDir() const;
    void IncompleteDir(const QString& value);
    QString FinishedDir() const;
    void FinishedDir(const QString& value);
    std::int16_t InCompleteSave() const;
    void InCompleteSave(std::int16_t value);
    std::int16_t FinishedSave() const;
    void FinishedSave(std::int16_t value);
    std::int16_t IncludeDate() const;
    void IncludeDate(std::int16_t value);
    std::int16_t IncludeTime() const;
    void IncludeTime(std::int16_t value);
    /// An unfinished game was kept at shutdown and is to be resumed.
    bool Unfinished() const;
    void Unfinished(bool value);
    /// Seconds already played in the resumed game (32 bits; 0 when absent or not a number).
    std::int32_t LastGameTime() const;
    void LastGameTime(std::int32_t value);
    /// General date text of the current game's start; the present moment when absent or not
    /// a date.
    QString GameStartTime() const;
    void GameStartTime(const QDateTime& value);
    /// General date text of the program's start; the present moment when absent or not a date.
    QString SessionStart() const;
    void SessionStart(const QDateTime& value);
    /// SessionStart and GameStartTime both set to `value` at once for every read, and written to
    /// the settings file together when the store is next written or flushed.
    void SessionAndGameStart(const QDateTime& value);
    bool SnapShot() const;
    void SnapShot(bool value);
    std::int16_t SnapShotValue() const;
    void SnapShotValue(std::int16_t value);
    QString LastExportedDate() const;
    void LastExportedDate(const QString& value);
    QString LastExportedFile() const;
    void LastExportedFile(const QString& value);
    QString GeneralClearedDate() const;
    void GeneralClearedDate(const QString& value);
    QString GlobalClearedDate() const;
    void GlobalClearedDate(const QString& value);
    /// Main window width in twips (key in lower case).
    std::int16_t width() const;
    void width(std::int16_t value);
    std::int16_t Height() const;
    void Height(std::int16_t value);
    std::int16_t Top() const;
    void Top(std::int16_t value);
    std::int16_t Left() const;
    void Left(std::int16_t value);
    bool Maximized() const;
    void Maximized(bool value);

    /// "Unfinished.vlg" in the user files folder.
    QString UnfinishedFile() const;

    /// The path for a new auto-save file of game `gameNumber`: [ddmm-][hhmm-]number[-cc]
    /// with ".v2k" in FinishedDir or ".vlg" in IncompleteDir, the first name not yet taken.
    QString GetFileName(std::int32_t gameNumber, bool finished) const;
    /// The Autosave page's OK: writes the six values in this order.
    void SaveAutoSave(std::int16_t inCompleteSave, std::int16_t finishedSave,
                      const QString& incompleteDir, const QString& finishedDir,
                      std::int16_t includeTime, std::int16_t includeDate);
    /// The stored values of the Autosave page.
    AutoSaveSettings GetSave() const;
    /// The Autosave page's enabling rules.
    static AutoSaveEnabling AutoSave_Change(bool finishChecked, bool incompChecked);

    /// Start-up: the command-line file, the unfinished game or nothing. `commandLine` is the
    /// whole argument text; it is trimmed but its letter case is kept. When both a file and a
    /// pending unfinished game exist the player is asked first.
    OpenGameDecision Open_Game(const QString& commandLine, IMessages& messages) const;
    /// The Save command: asks for a name preset to the game number and `extension` (".vlg" or
    /// ".v2k") in SaveFolder, saves there, lists the file as recent and remembers its folder.
    /// Cancelled when the dialog gave no usable path; Failed when the save failed (the player
    /// is told why).
    Outcome File_Save(const QString& extension, const FileCommandPorts& ports);
    /// The Open command: asks for a ".vlg" or ".v2k" file in SaveFolder, then whether a game in
    /// play may be given up, and opens it with a forward replay; on success lists it as recent
    /// and remembers its folder. Cancelled when the dialog gave no existing file or the game in
    /// play is kept; Failed when the file was rejected (the player is told).
    Outcome File_Open(const FileCommandPorts& ports);

    /// The settings bookkeeping of dealing a game: with `keepHistory` false stores the present
    /// moment as GameStartTime and Unfinished = false and returns the incomplete auto-save
    /// name for the game when InCompleteSave is 1 (the current game file); nullopt otherwise.
    std::optional<QString> OnGameStarting(std::int32_t gameNumber, bool keepHistory);
    /// The game clock of a new game in play or on view: GameStartTime = now, nothing carried
    /// over from an unfinished game (Unfinished = false).
    void StartGameClock();

    /// The question before a game named on a command line replaces the game left unfinished
    /// or in play; true for Yes.
    static bool AskExitUnfinished(IMessages& messages);

    /// The path shortened for display: the first 7 characters, "...", then the last
    /// `limit` − 7, when longer than `limit` (so limit + 3 characters). A limit below 1
    /// becomes 70. Both arguments receive the values used.
    static QString SizeCheck(QString& path, std::int16_t& limit);

    static constexpr const char* IncompleteFilter = "Velmora 2003 InComplete Game (*.vlg)|*.vlg";
    static constexpr const char* FinishedFilter = "Velmora 2003 Finished Game (*.v2k)|*.v2k";
    /// The user files folder's name inside the user's data folder.
    static constexpr const char* UserFilesFolderName = "Velmora 2003 Files";

private:
    QString Text(const char* key, const QString& defaultValue) const;
    void SetText(const char* key, const QString& value);
    std::int16_t Int16(const char* key, std::int16_t defaultValue) const;
    void SetInt16(const char* key, std::int16_t value);
    bool Bool(const char* key) const;
    void SetBool(const char* key, bool value);
    QString Moment(const char* key) const;
    QString Folder(const char* key, const QString& defaultValue) const;
    /// `name` in UserFolder.
    QString UserPath(const char* name) const;

    SettingsStore& m_store;
    AppFolders m_folders;
    const IClock& m_clock;
};

} // namespace velmora
