#pragma once

#include <expected>
#include <string>

namespace velmora {

/// A recoverable failure (a file, a parse), with the text shown to the player.
struct Error {
    std::string message;
};

/// How a command that the player can cancel, or that can fail, ended.
enum class Outcome { Done, Cancelled, Failed };

template <typename T> using Result = std::expected<T, Error>;

inline std::unexpected<Error> Fail(std::string message) {
    return std::unexpected<Error>(Error{std::move(message)});
}

} // namespace velmora
