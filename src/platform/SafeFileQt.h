#pragma once

// The safe file operations for Qt callers: paths as QString, contents as QByteArray.

#include "platform/SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velmora::SafeFile {

/// `path` in the file system's encoding.
inline std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

inline Outcome<void> Replace(const QString& path, const QByteArray& bytes) {
    return Replace(NativePath(path), View(bytes));
}

/// Appends one CR LF ended line (or several); an unended last line is ended first.
inline Outcome<void> AppendLine(const QString& path, const QByteArray& bytes) {
    return AppendLine(NativePath(path), View(bytes), "\r\n");
}

inline Outcome<QByteArray> ReadAll(const QString& path, std::size_t limit) {
    auto text = ReadAll(NativePath(path), limit);
    if (!text) {
        return std::unexpected(text.error());
    }
    return QByteArray::fromStdString(*text);
}

/// The failure's full message, "The file ... cannot be written: ...".
inline QString MessageOf(const Failure& failure) {
    return QString::fromStdString(failure.Message());
}

} // namespace velmora::SafeFile
