#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <type_traits>
#include <utility>

namespace velmora {

namespace {

/// How long a write waits for another copy of the game to finish its own.
constexpr int LockWaitMs = 5000;
/// A lock file this old whose holder cannot be identified is left over from a killed copy (one
/// killed between creating the file and writing its holder into it leaves it empty). A live
/// holder keeps its lock file locked, so it is never taken from it however old the file is.
constexpr int StaleLockMs = 2000;

QString Escape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString Unescape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == u'n') {
            out += u'\n';
        } else if (next == u'r') {
            out += u'\r';
        } else {
            out += next;
        }
    }
    return out;
}

QString Fold(const QString& name) {
    return name.toCaseFolded();
}

using Content = SettingsStore::Content;
using Section = SettingsStore::Section;

Section& SectionFor(Content& content, const QString& name) {
    const QString folded = Fold(name);
    if (const auto it = content.index.constFind(folded); it != content.index.cend()) {
        return content.sections[*it];
    }
    content.index.insert(folded, content.sections.size());
    content.sections.append({name, {}, {}});
    return content.sections.last();
}

/// Sets the value; false when the key already held exactly that value.
bool Set(Section& section, const QString& key, QString value) {
    const QString folded = Fold(key);
    if (const auto it = section.index.constFind(folded); it != section.index.cend()) {
        // Compared before the entries are touched for writing, so that checking an unchanged
        // value copies nothing.
        if (std::as_const(section.entries)[*it].value == value) {
            return false;
        }
        section.entries[*it].value = std::move(value);
        return true;
    }
    section.index.insert(folded, section.entries.size());
    section.entries.append({key, std::move(value)});
    return true;
}

template <typename Item> QHash<QString, qsizetype> IndexOf(const QVector<Item>& items) {
    QHash<QString, qsizetype> index;
    index.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        if constexpr (std::is_same_v<Item, Section>) {
            index.insert(Fold(items[i].name), i);
        } else {
            index.insert(Fold(items[i].key), i);
        }
    }
    return index;
}

Content Parse(const QByteArray& bytes) {
    Content content;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            continue;
        }
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            current = &SectionFor(content, trimmed.mid(1, trimmed.size() - 2).trimmed().toString());
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current == nullptr || eq < 0) {
            continue;
        }
        // "Key = value" names the key "Key": blanks around a name are never part of it.
        const QStringView key = line.left(eq).trimmed();
        if (key.isEmpty()) {
            continue;
        }
        Set(*current, key.toString(), Unescape(line.mid(eq + 1)));
    }
    return content;
}

QByteArray Serialize(const Content& content) {
    QString text;
    for (const Section& s : content.sections) {
        text += u'[' + s.name + QStringLiteral("]\r\n");
        for (const SettingsStore::Entry& e : s.entries) {
            text += e.key + u'=' + Escape(e.value) + QStringLiteral("\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

/// A reason as a sentence of its own: "file too large" becomes "File too large."
QString Sentence(QString reason) {
    if (!reason.isEmpty()) {
        reason[0] = reason[0].toUpper();
    }
    return reason + u'.';
}

QString WriteMessage(const QString& path, const QString& reason) {
    return QStringLiteral("The settings could not be saved in %1:\r\n%2")
        .arg(QDir::toNativeSeparators(path), Sentence(reason));
}

QString LockReason(const QLockFile& lock) {
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another copy of the game keeps it locked");
    case QLockFile::PermissionError:
        return QStringLiteral("its folder cannot be written");
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("its lock file cannot be written");
}

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : m_path(std::move(filePath)), m_nativePath(QFile::encodeName(m_path).toStdString()) {}

QString SettingsStore::DefaultFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/") + QString::fromLatin1(Application) + QStringLiteral("/") +
           QString::fromLatin1(Application) + QStringLiteral(".ini");
}

bool SettingsStore::Refresh() const {
    const SafeFile::FileStamp stamp = SafeFile::StampOf(m_nativePath);
    if (m_loaded && stamp == m_stamp) {
        return false;
    }
    m_loaded = true;
    m_stamp = stamp;
    m_content = {};
    m_readError.clear();
    if (!stamp.exists) {
        ApplyHeld();
        return false;
    }
    auto bytes = SafeFile::ReadAll(m_nativePath, MaxFileSize);
    if (!bytes) {
        m_readError = QString::fromStdString(bytes.error().reason);
        return true;
    }
    m_content = Parse(QByteArray::fromStdString(*bytes));
    ApplyHeld();
    return false;
}

void SettingsStore::ApplyHeld() const {
    for (const Setting& v : m_held) {
        Set(SectionFor(m_content, v.section), v.key, v.value);
    }
}

void SettingsStore::Look() const {
    if (Refresh()) {
        Failed(QStringLiteral("The settings file %1 cannot be read:\r\n%2\r\nThe game uses its "
                              "default settings and leaves the file as it is.")
                   .arg(QDir::toNativeSeparators(m_path), Sentence(m_readError)));
    }
}

bool SettingsStore::Modify(const std::function<bool(Content&)>& change) {
    // When the file already holds what the change makes there is nothing to write, and no
    // lock to take either: taking it waits for the disk, and start-up stores several values
    // the file holds already.
    Refresh();
    if (m_readError.isEmpty() && m_stamp.exists) {
        Content unchanged = m_content;
        if (!change(unchanged)) {
            return true;
        }
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(LockWaitMs)) {
        Failed(WriteMessage(m_path, LockReason(lock)));
        return false;
    }
    // The file as it is now, with what other stores wrote since this one last looked.
    Refresh();
    if (!m_readError.isEmpty()) {
        Failed(WriteMessage(
            m_path,
            QStringLiteral("it cannot be read (%1) and is left as it is").arg(m_readError)));
        return false;
    }
    Content next = m_content;
    if (!change(next)) {
        return true;
    }
    SafeFile::ReplaceOptions options;
    // Names, dates and scores of the players: theirs to read only.
    options.newFile = SafeFile::NewFile::OwnerOnly;
    if (m_stamp.exists) {
        options.modifiedAfterNs = m_stamp.modifiedNs;
    }
    const QByteArray bytes = Serialize(next);
    auto written =
        SafeFile::Replace(m_nativePath, std::string_view(bytes.data(), bytes.size()), options);
    if (!written) {
        Failed(WriteMessage(m_path, QString::fromStdString(written.error().reason)));
        return false;
    }
    m_content = std::move(next);
    m_stamp = SafeFile::StampOf(m_nativePath);
    m_lastError.clear();
    // The content written had the held values applied (or changed after them).
    m_held.clear();
    return true;
}

void SettingsStore::Failed(const QString& message) const {
    m_lastError = message;
    if (m_reported) {
        return;
    }
    if (!m_report) {
        // The first failure is the one to tell; later ones mostly follow from it.
        if (m_unreported.isEmpty()) {
            m_unreported = message;
        }
        return;
    }
    m_reported = true;
    m_report(message);
}

void SettingsStore::SetFailureReport(std::function<void(const QString& message)> report) {
    m_report = std::move(report);
    if (m_report && !m_reported && !m_unreported.isEmpty()) {
        m_reported = true;
        m_report(std::exchange(m_unreported, {}));
    }
}

bool SettingsStore::Unreadable() const {
    Look();
    return !m_readError.isEmpty();
}

const SettingsStore::Entry* SettingsStore::Find(const QString& section, const QString& key) const {
    Look();
    const auto s = m_content.index.constFind(Fold(section));
    if (s == m_content.index.cend()) {
        return nullptr;
    }
    const Section& found = m_content.sections[*s];
    const auto k = found.index.constFind(Fold(key));
    return k == found.index.cend() ? nullptr : &found.entries[*k];
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const Entry* entry = Find(section, key);
    return entry != nullptr ? entry->value : defaultValue;
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    return Modify([&](Content& content) { return Set(SectionFor(content, section), key, value); });
}

bool SettingsStore::SaveSettings(const QList<Setting>& values) {
    return Modify([&](Content& content) {
        bool changed = false;
        for (const Setting& v : values) {
            changed = Set(SectionFor(content, v.section), v.key, v.value) || changed;
        }
        return changed;
    });
}

void SettingsStore::SaveSettingsLater(const QList<Setting>& values) {
    Look();
    if (!m_readError.isEmpty()) {
        SaveSettings(values);
        return;
    }
    m_held.append(values);
    for (const Setting& v : values) {
        Set(SectionFor(m_content, v.section), v.key, v.value);
    }
}

bool SettingsStore::Flush() {
    if (m_held.isEmpty()) {
        return true;
    }
    // The content already holds the values: write it as it is.
    return Modify([](Content&) { return true; });
}

SettingsStore::~SettingsStore() {
    if (!m_held.isEmpty()) {
        // Whoever would be told may be gone by now.
        m_report = nullptr;
        Flush();
    }
}

bool SettingsStore::DeleteSetting() {
    return Modify([](Content& content) {
        content = {};
        return true;
    });
}

bool SettingsStore::DeleteSetting(const QString& section) {
    return Modify([&](Content& content) {
        const qsizetype s = content.index.value(Fold(section), -1);
        if (s < 0) {
            return false;
        }
        content.sections.removeAt(s);
        content.index = IndexOf(content.sections);
        return true;
    });
}

bool SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    return Modify([&](Content& content) {
        const qsizetype s = content.index.value(Fold(section), -1);
        if (s < 0) {
            return false;
        }
        Section& found = content.sections[s];
        const qsizetype k = found.index.value(Fold(key), -1);
        if (k < 0) {
            return false;
        }
        found.entries.removeAt(k);
        found.index = IndexOf(found.entries);
        return true;
    });
}

bool SettingsStore::HasKey(const QString& section, const QString& key) const {
    return Find(section, key) != nullptr;
}

bool SettingsStore::IsEmpty() const {
    Look();
    return m_content.sections.isEmpty();
}

QStringList SettingsStore::Sections() const {
    Look();
    QStringList names;
    for (const Section& s : m_content.sections) {
        names << s.name;
    }
    return names;
}

int SettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = GetSetting(section, key, QString::number(defaultValue)).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool SettingsStore::SaveInt(const QString& section, const QString& key, int value) {
    return SaveSetting(section, key, QString::number(value));
}

bool SettingsStore::GetBool(const QString& section, const QString& key, bool defaultValue) const {
    const QString text = GetSetting(section, key, {}).trimmed();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (ok) {
        return number != 0.0;
    }
    return defaultValue;
}

bool SettingsStore::SaveBool(const QString& section, const QString& key, bool value) {
    return SaveSetting(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace velmora
