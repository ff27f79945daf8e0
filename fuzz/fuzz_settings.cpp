// The settings store's reader: any bytes as the settings file. Whatever the store reads from
// it survives a write of another value: a second store over the rewritten file reads every
// key the first one read, unchanged.

#include "FuzzSupport.h"

#include "platform/SettingsStore.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

using namespace velmora;

namespace {

/// Section and key names as a plain reading of the text finds them; the store decides what
/// they hold.
std::vector<std::pair<QString, QString>> Probes(const QString& text) {
    std::vector<std::pair<QString, QString>> probes;
    QString section;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && probes.size() < 64) {
            probes.emplace_back(section, line.left(eq).trimmed());
            probes.emplace_back(section, line.left(eq));
        }
    }
    return probes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::string path = fuzz::ScratchPath("settings.ini");
    fuzz::WriteFile(path, std::string_view(bytes.constData(), size));
    const QString file = QString::fromStdString(path);

    const QString absent = QStringLiteral("\x01") + QStringLiteral("absent");
    const auto probes = Probes(QString::fromUtf8(bytes));
    SettingsStore store(file);
    std::vector<QString> before;
    for (const auto& [section, key] : probes) {
        before.push_back(store.GetSetting(section, key, absent));
    }
    const QStringList sections = store.Sections();

    const QString section = QStringLiteral("FuzzWritten");
    const QString key = QStringLiteral("Key");
    store.SaveSetting(section, key, QStringLiteral("v=1 \\ ;"));
    if (!store.LastError().isEmpty()) {
        QFile f(file);
        FUZZ_CHECK(f.open(QIODevice::ReadOnly) && f.readAll() == bytes,
                   "a failed write changed the file");
        return 0;
    }

    SettingsStore reread(file);
    FUZZ_CHECK(reread.GetSetting(section, key) == QStringLiteral("v=1 \\ ;"),
               "the written value does not read back");
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const auto& [s, k] = probes[i];
        if (s.compare(section, Qt::CaseInsensitive) == 0 &&
            k.compare(key, Qt::CaseInsensitive) == 0) {
            continue;
        }
        const QString after = reread.GetSetting(s, k, absent);
        FUZZ_CHECK(after == before[i], "[" + s.toStdString() + "] \"" + k.toStdString() +
                                           "\" was \"" + before[i].toStdString() + "\", now \"" +
                                           after.toStdString() + "\"");
    }
    QStringList expected = sections;
    if (!expected.contains(section, Qt::CaseInsensitive)) {
        expected << section;
    }
    FUZZ_CHECK(reread.Sections() == expected,
               "the sections changed: " + expected.join(u'|').toStdString() + " -> " +
                   reread.Sections().join(u'|').toStdString());
    return 0;
}
