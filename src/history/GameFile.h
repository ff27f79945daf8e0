#pragma once

#include "history/Error.h"

#include <cstdint>
#include <span>
#include <string>
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
/// Parses and checks a file's text: numbers, ranges, and that every record is a movement the
/// board produced by the earlier records allows. `name` is used in the messages.
Result<SavedGame> Parse(const std::string& text, const std::string& name);

/// Reads a whole file.
Result<std::string> ReadText(const std::string& path);
/// Writes a whole file through a temporary file renamed into place.
Result<void> WriteTextAtomic(const std::string& path, const std::string& text);

} // namespace GameFile
} // namespace velmora
