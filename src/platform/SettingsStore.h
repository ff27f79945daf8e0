#pragma once

#include "platform/SafeFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <functional>

namespace velmora {

/// The per-user key/value store: sections of keys under one application, every value text.
/// Section and key names match without regard to case. The file is the only truth: a read
/// first re-reads the file when it changed on disk, and a write changes the current file under
/// a lock file and replaces it whole, so stores in other objects or processes never lose each
/// other's values. A write is on disk before the call returns (SaveSettingsLater alone waits);
/// no read creates a key.
class SettingsStore {
public:
    /// The application name every value lives under.
    static constexpr const char* Application = "Velmora 2003";
    /// A larger file is refused as unreadable (and left alone) rather than loaded.
    static constexpr std::size_t MaxFileSize = std::size_t{64} * 1024 * 1024;

    /// A store kept in the INI file `filePath` (created on the first write).
    explicit SettingsStore(QString filePath);
    /// The per-user store file: "<config folder>/Velmora 2003/Velmora 2003.ini".
    static QString DefaultFilePath();

    QString FilePath() const { return m_path; }

    /// The stored text, or `defaultValue` when the section or key is absent.
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    /// Creates the section and key as needed and replaces the value. False when the file could
    /// not be written; the store then still holds what the file holds.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);
    /// One value of a write of several.
    struct Setting {
        QString section;
        QString key;
        QString value;
    };
    /// Replaces several values in one write: afterwards the file holds all of them or, when it
    /// cannot be written, none. False on failure.
    bool SaveSettings(const QList<Setting>& values);
    /// Replaces several values now for every read of this store, and in the file with its next
    /// write, Flush() or destruction, whichever comes first. For start-up, where a write's waits
    /// for the disk would hold back the window's first frame. An unreadable file refuses them as
    /// SaveSettings does.
    void SaveSettingsLater(const QList<Setting>& values);
    /// Writes the values SaveSettingsLater holds; true when none are left unwritten.
    bool Flush();
    /// Writes what is held, without reporting a failure.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = default;
    SettingsStore(SettingsStore&&) = default;
    SettingsStore& operator=(const SettingsStore&) = default;
    SettingsStore& operator=(SettingsStore&&) = default;
    /// Removes every section and key.
    bool DeleteSetting();
    /// Removes one section with all its keys.
    bool DeleteSetting(const QString& section);
    /// Removes one key.
    bool DeleteSetting(const QString& section, const QString& key);

    bool HasKey(const QString& section, const QString& key) const;
    /// True when the store holds no section at all.
    bool IsEmpty() const;
    QStringList Sections() const;

    // Typed access. A stored text that does not parse as the type reads as the default.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    bool SaveInt(const QString& section, const QString& key, int value);
    /// Reads True/False (any case) and numbers (0 is false, any other number true).
    bool GetBool(const QString& section, const QString& key, bool defaultValue) const;
    /// Writes the word True or False.
    bool SaveBool(const QString& section, const QString& key, bool value);

    /// True when the file exists but cannot be read (or is too large): every value reads as
    /// its default and every write is refused, so the file is never overwritten.
    bool Unreadable() const;
    /// Called once, at the first failure to read or write the file, with a message that names
    /// the file and the reason. A failure from before the call is reported at once.
    void SetFailureReport(std::function<void(const QString& message)> report);
    /// The message of the last failure, empty when the last write succeeded.
    QString LastError() const { return m_lastError; }

    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QVector<Entry> entries;
        /// Case-folded key to its position in `entries`.
        QHash<QString, qsizetype> index;
    };
    /// The parsed file: sections in file order, with a case-folded index.
    struct Content {
        QVector<Section> sections;
        QHash<QString, qsizetype> index;
    };

private:
    /// Re-reads the file when its stamp changed since it was last read or written; true when
    /// it has just been found unreadable.
    bool Refresh() const;
    /// Refresh for a read, reporting a file newly found unreadable.
    void Look() const;
    /// Applies `change` to the current file's content under the lock and writes the result;
    /// `change` returns false when it changed nothing.
    bool Modify(const std::function<bool(Content&)>& change);
    /// Applies the held values to the content just read.
    void ApplyHeld() const;
    void Failed(const QString& message) const;
    const Entry* Find(const QString& section, const QString& key) const;

    QString m_path;
    std::string m_nativePath;
    mutable Content m_content;
    mutable SafeFile::FileStamp m_stamp;
    mutable bool m_loaded = false;
    /// Why the file cannot be read; empty when it can (or is absent).
    mutable QString m_readError;
    mutable QString m_lastError;
    mutable QString m_unreported;
    mutable bool m_reported = false;
    std::function<void(const QString&)> m_report;
    /// Values not yet written (SaveSettingsLater), in the order given.
    QList<Setting> m_held;
};

} // namespace velmora
