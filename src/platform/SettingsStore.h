#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace velmora {

/// The per-user key/value store: sections of keys under one application, every value text.
/// Section and key names match without regard to case. Every write reaches the file on disk
/// (through a temporary file renamed into place) before the call returns; no read creates a key.
class SettingsStore {
public:
    /// The application name every value lives under.
    static constexpr const char* Application = "Velmora 2003";

    /// A store kept in the INI file `filePath` (created on the first write).
    explicit SettingsStore(QString filePath);
    /// The per-user store file: "<config folder>/Velmora 2003/Velmora 2003.ini".
    static QString DefaultFilePath();

    QString FilePath() const { return m_path; }

    /// The stored text, or `defaultValue` when the section or key is absent.
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    /// Creates the section and key as needed and replaces the value.
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    /// Removes every section and key.
    void DeleteSetting();
    /// Removes one section with all its keys.
    void DeleteSetting(const QString& section);
    /// Removes one key.
    void DeleteSetting(const QString& section, const QString& key);

    bool HasKey(const QString& section, const QString& key) const;
    /// True when the store holds no section at all.
    bool IsEmpty() const;
    QStringList Sections() const;

    // Typed access. A stored text that does not parse as the type reads as the default.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    void SaveInt(const QString& section, const QString& key, int value);
    /// Reads True/False (any case) and numbers (0 is false, any other number true).
    bool GetBool(const QString& section, const QString& key, bool defaultValue) const;
    /// Writes the word True or False.
    void SaveBool(const QString& section, const QString& key, bool value);

    /// Last write error, empty when the last write succeeded.
    QString LastError() const { return m_lastError; }
    /// Called with the reason when a write fails after a good one (or as the first write), so
    /// a store that cannot be written is reported once, not at every setter.
    void OnWriteFailed(std::function<void(const QString& reason)> report) {
        m_onWriteFailed = std::move(report);
    }

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QVector<Entry> entries;
    };

    void Load();
    void Save();
    void Write();
    int FindSection(const QString& section) const;
    static int FindKey(const Section& s, const QString& key);

    QString m_path;
    QVector<Section> m_sections;
    QString m_lastError;
    std::function<void(const QString&)> m_onWriteFailed;
};

} // namespace velmora
