#pragma once

// Pieces the companion's commands share.

#include "history/Error.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {
class GameSession;
}

namespace velmora::cli {

/// Prints one "error: " line and returns the error status 2.
int Fail(std::ostream& err, const std::string& message);

/// A game number 0..3240000 written in decimal, nothing else.
std::optional<std::int32_t> ParseGameNumber(const std::string& text);

/// Opens a saved game into `session` without a replay: a finished game is marked finished and
/// has every move redone at once, an incomplete one stands at its last move, any other file at
/// the deal.
Result<void> OpenPosition(GameSession& session, const std::string& path);

/// `solve N`, `solve --from FILE`, `solve --range FIRST LAST [--jobs K]`.
int SolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
