#pragma once

#include "engine/SoundEvents.h"
#include "history/Error.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

/// Sound scheme files (".sd" in the user files folder): one quoted wave-file path per line for
/// events 1 to 17, CR LF after each, an empty entry written as two double quotes.
namespace velmora::SoundScheme {

inline constexpr int EventCount = SoundEventCount;
/// Entry 0 is event 1.
using Paths = std::array<QString, EventCount>;

/// The extension of scheme files.
inline constexpr const char* Extension = ".sd";
/// A valid scheme is 17 paths; anything much larger is not read beyond this many bytes.
inline constexpr qint64 ReadLimit = 256 * 1024;

/// The file text of `paths`.
QByteArray Text(const Paths& paths);

/// Reads the entries of `text` over `paths` in order, at most 17: a quoted line gives the
/// text between its first and last double quote, an unquoted one its trimmed text. Entries
/// after the last line keep their value. Returns how many were read.
int Parse(const QByteArray& text, Paths& paths);

/// Reads the scheme file at `path` over `paths` as Parse does; a missing or unreadable file
/// reads nothing, and only the first ReadLimit bytes of a larger one are read.
int Load(const QString& path, Paths& paths);

/// Writes the scheme file at `path` through a temporary file renamed into place; the old file
/// stays when anything fails. A path that names something other than a regular file is
/// refused.
Result<void> Save(const QString& path, const Paths& paths);

/// Why `name` cannot name a scheme file, or nothing when it can: a path separator, "." or
/// "..", a blank name, a control character, or a file name too long for the file system.
std::optional<QString> NameProblem(const QString& name);

} // namespace velmora::SoundScheme
