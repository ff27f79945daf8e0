#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace velmora {

namespace {

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

QString Unescape(const QString& value) {
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

} // namespace

SettingsStore::SettingsStore(QString filePath) : m_path(std::move(filePath)) {
    Load();
}

QString SettingsStore::DefaultFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/") + QString::fromLatin1(Application) + QStringLiteral("/") +
           QString::fromLatin1(Application) + QStringLiteral(".ini");
}

void SettingsStore::Load() {
    m_sections.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    int current = -1;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            continue;
        }
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2);
            current = FindSection(name);
            if (current < 0) {
                m_sections.append({name, {}});
                current = static_cast<int>(m_sections.size()) - 1;
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current < 0 || eq <= 0) {
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = Unescape(line.mid(eq + 1));
        Section& s = m_sections[current];
        const int k = FindKey(s, key);
        if (k < 0) {
            s.entries.append({key, value});
        } else {
            s.entries[k].value = value;
        }
    }
}

void SettingsStore::Save() {
    const bool wasFailing = !m_lastError.isEmpty();
    Write();
    if (!wasFailing && !m_lastError.isEmpty() && m_onWriteFailed) {
        m_onWriteFailed(m_lastError);
    }
}

void SettingsStore::Write() {
    QString text;
    for (const Section& s : m_sections) {
        text += QStringLiteral("[") + s.name + QStringLiteral("]\r\n");
        for (const Entry& e : s.entries) {
            text += e.key + QStringLiteral("=") + Escape(e.value) + QStringLiteral("\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    m_lastError.clear();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastError = file.errorString();
        return;
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        m_lastError = file.errorString();
    }
}

int SettingsStore::FindSection(const QString& section) const {
    for (int i = 0; i < m_sections.size(); ++i) {
        if (m_sections[i].name.compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int SettingsStore::FindKey(const Section& s, const QString& key) {
    for (int i = 0; i < s.entries.size(); ++i) {
        if (s.entries[i].key.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const int s = FindSection(section);
    if (s < 0) {
        return defaultValue;
    }
    const int k = FindKey(m_sections[s], key);
    if (k < 0) {
        return defaultValue;
    }
    return m_sections[s].entries[k].value;
}

void SettingsStore::SaveSetting(const QString& section, const QString& key,
                                const QString& value) {
    int s = FindSection(section);
    if (s < 0) {
        m_sections.append({section, {}});
        s = static_cast<int>(m_sections.size()) - 1;
    }
    Section& sec = m_sections[s];
    const int k = FindKey(sec, key);
    if (k < 0) {
        sec.entries.append({key, value});
    } else {
        sec.entries[k].value = value;
    }
    Save();
}

void SettingsStore::DeleteSetting() {
    m_sections.clear();
    Save();
}

void SettingsStore::DeleteSetting(const QString& section) {
    const int s = FindSection(section);
    if (s < 0) {
        return;
    }
    m_sections.removeAt(s);
    Save();
}

void SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    const int s = FindSection(section);
    if (s < 0) {
        return;
    }
    const int k = FindKey(m_sections[s], key);
    if (k < 0) {
        return;
    }
    m_sections[s].entries.removeAt(k);
    Save();
}

bool SettingsStore::HasKey(const QString& section, const QString& key) const {
    const int s = FindSection(section);
    return s >= 0 && FindKey(m_sections[s], key) >= 0;
}

bool SettingsStore::IsEmpty() const {
    return m_sections.isEmpty();
}

QStringList SettingsStore::Sections() const {
    QStringList names;
    for (const Section& s : m_sections) {
        names << s.name;
    }
    return names;
}

int SettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = GetSetting(section, key, QString::number(defaultValue)).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void SettingsStore::SaveInt(const QString& section, const QString& key, int value) {
    SaveSetting(section, key, QString::number(value));
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

void SettingsStore::SaveBool(const QString& section, const QString& key, bool value) {
    SaveSetting(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace velmora
