#include "appearance/SoundScheme.h"

#include "platform/SafeFileQt.h"

#include <QFile>
#include <QFileInfo>

namespace velmora::SoundScheme {

namespace {

/// Longest file name most Linux file systems take, in bytes.
constexpr qsizetype MaxFileNameBytes = 255;

QString EntryOf(const QString& line) {
    const QString text = line.trimmed();
    if (!text.startsWith(u'"')) {
        return text;
    }
    // Between the first and the last quote, so a path holding a quote reads back whole.
    const qsizetype last = text.lastIndexOf(u'"');
    return last > 0 ? text.mid(1, last - 1) : text.mid(1);
}

} // namespace

QByteArray Text(const Paths& paths) {
    QByteArray text;
    for (const QString& path : paths) {
        text += '"' + path.toUtf8() + "\"\r\n";
    }
    return text;
}

int Parse(const QByteArray& text, Paths& paths) {
    QList<QByteArray> lines = text.split('\n');
    // The line end of the last line starts no further entry.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    int read = 0;
    for (const QByteArray& line : lines) {
        if (read == EventCount) {
            break;
        }
        paths[static_cast<std::size_t>(read)] = EntryOf(QString::fromUtf8(line));
        ++read;
    }
    return read;
}

int Load(const QString& path, Paths& paths) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return Parse(file.read(ReadLimit), paths);
}

Result<void> Save(const QString& path, const Paths& paths) {
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        return Fail("Cannot write " + path.toStdString() + ": it is not a regular file.");
    }
    if (auto written = SafeFile::Replace(path, Text(paths)); !written) {
        return Fail(written.error().Message());
    }
    return {};
}

std::optional<QString> NameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) {
        return QStringLiteral("A Scheme name cannot be blank.");
    }
    if (name == u"." || name == u"..") {
        return QStringLiteral("A Scheme name cannot be \".\" or \"..\".");
    }
    if (name.contains(u'/') || name.contains(u'\\')) {
        return QStringLiteral("A Scheme name cannot contain / or \\.");
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            return QStringLiteral("A Scheme name cannot contain control characters.");
        }
    }
    if ((name + QLatin1String(Extension)).toUtf8().size() > MaxFileNameBytes) {
        return QStringLiteral("The Scheme name is too long.");
    }
    return std::nullopt;
}

} // namespace velmora::SoundScheme
