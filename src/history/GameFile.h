#pragma once

#include "history/Error.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

/// One recorded card movement.
struct TransRecord {
    std::int16_t SrcLoc = 0;
    std::int16_t DestLoc = 0;
    std::int32_t Mode = 0;
    std::int16_t MoveNo = 0;

    friend bool operator==(const TransRecord&, const TransRecord&) = default;
};

/// The content of a saved-game file.
struct SavedGame {
    std::int32_t gameNumber = 0;
    std::vector<TransRecord> records;
};

namespace GameFile {

/// A number as stored: a space or a minus sign, the digits, a space.
std::string FormatNumber(std::int64_t value);
/// The whole file text: the game number line and one line per record, CR LF line ends.
std::string Format(std::int32_t gameNumber, std::span<const TransRecord> records);
/// The largest file read as a saved game: a game of 32,767 records takes less than 1 MB.
inline constexpr std::size_t MaxFileSize = std::size_t{4} * 1024 * 1024;

/// Parses and checks a file's text: numbers, ranges, and that every record is a movement the
/// board produced by the earlier records allows (never a card onto its own place). `name` is
/// used in the messages, which quote at most a few dozen characters of a bad token.
Result<SavedGame> Parse(std::string_view text, const std::string& name);

/// Reads and checks the file at `path` as `Parse` does, piece by piece; refuses anything but a
/// regular file and a file larger than MaxFileSize before reading it.
Result<SavedGame> Read(const std::string& path);
/// Writes a whole file safely: the old file stays unless the new one is complete on disk.
Result<void> WriteTextAtomic(const std::string& path, const std::string& text);

} // namespace GameFile
} // namespace velmora
