#include "history/GameFile.h"

#include "engine/Types.h"
#include "engine/mArray.h"

#include "platform/SafeFile.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace velmora::GameFile {

namespace {

/// No number is longer; a longer token is refused as soon as it is seen and quoted cut short.
constexpr std::size_t MaxToken = 32;

std::string Where(const std::string& name, int line) {
    return "The file \"" + name + "\" is not a valid saved game (line " + std::to_string(line) +
           "): ";
}

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

/// A token as it may be shown: control characters replaced, cut to MaxToken characters.
std::string Quote(std::string_view token) {
    std::string text(token.substr(0, MaxToken));
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '?';
        }
    }
    return token.size() > MaxToken ? text + "..." : text;
}

bool Fits16(std::int64_t v) {
    return v >= std::numeric_limits<std::int16_t>::min() &&
           v <= std::numeric_limits<std::int16_t>::max();
}

bool Fits32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() &&
           v <= std::numeric_limits<std::int32_t>::max();
}

/// The board as the records leave it, for checking that each record is possible.
class BoardCheck {
public:
    explicit BoardCheck(std::int32_t gameNumber) {
        m_board.fill(NoCard);
        const auto deal = mArray::DealByNumber(gameNumber);
        for (int i = 0; i < CardCount; ++i) {
            m_board[static_cast<std::size_t>(i)] = deal[static_cast<std::size_t>(i)];
        }
    }

    /// Applies one movement; an empty text when it was possible, else why not.
    std::string Apply(int src, int dest) {
        if (!IsCardLocation(src)) {
            return "the source " + std::to_string(src) + " is not a card location.";
        }
        if (!IsCardLocation(dest)) {
            return "the target " + std::to_string(dest) + " is not a card location.";
        }
        if (src == dest) {
            return "the source and the target are both " + std::to_string(src) + ".";
        }
        const CardIndex card = At(src);
        if (card == NoCard) {
            return "the source " + std::to_string(src) + " holds no card.";
        }
        if (IsColumnSlot(src) && IsColumnSlot(src + 8) && At(src + 8) != NoCard) {
            return "the card at " + std::to_string(src) + " is not the last card of its column.";
        }
        if (IsHomeCell(src)) {
            Set(src, RankOf(card) == 1 ? NoCard : static_cast<CardIndex>(card - 1));
        } else {
            Set(src, NoCard);
        }
        if (IsColumnSlot(dest)) {
            if (At(dest) != NoCard) {
                return "the target " + std::to_string(dest) + " is occupied.";
            }
            if (dest >= 8 && At(dest - 8) == NoCard) {
                return "the target " + std::to_string(dest) +
                       " is not the slot below the last card of its column.";
            }
        } else if (IsFreeCell(dest)) {
            if (At(dest) != NoCard) {
                return "the free cell " + std::to_string(dest) + " is occupied.";
            }
        } else {
            const CardIndex home = At(dest);
            const int homeRank = home == NoCard ? 0 : RankOf(home);
            if (SuitOf(card) != dest - GapCell || RankOf(card) != homeRank + 1) {
                return "the card does not go onto the home cell " + std::to_string(dest) + ".";
            }
        }
        Set(dest, card);
        return {};
    }

private:
    CardIndex At(int loc) const { return m_board[static_cast<std::size_t>(loc)]; }
    void Set(int loc, CardIndex card) { m_board[static_cast<std::size_t>(loc)] = card; }

    std::array<CardIndex, BoardSize> m_board{};
};

/// Reads the text piece by piece: the game number, then records of four numbers, each record
/// checked against the board as the records before it leave it.
class Parser {
public:
    explicit Parser(const std::string& name) : m_name(name) {}

    /// Takes the next piece of the text; false once the text has been refused.
    bool Feed(std::string_view text) {
        for (const char c : text) {
            if (!IsSeparator(c)) {
                m_token += c;
                if (m_token.size() > MaxToken) {
                    return Refuse(m_line, "\"" + Quote(m_token) + "\" is not a number.");
                }
                continue;
            }
            if (!m_token.empty() && !EndToken()) {
                return false;
            }
            if (c == '\n') {
                ++m_line;
            }
        }
        return true;
    }

    Result<SavedGame> Finish() {
        if (!m_error && !m_token.empty()) {
            EndToken();
        }
        if (m_error) {
            return std::unexpected(*m_error);
        }
        if (!m_board) {
            return Fail(Where(m_name, 1) + "there is no game number.");
        }
        if (m_count != 0) {
            return Fail(Where(m_name, m_lastLine) + "the last record is cut short.");
        }
        return std::move(m_game);
    }

private:
    bool Refuse(int line, const std::string& why) {
        m_error = Error{Where(m_name, line) + why};
        return false;
    }

    bool EndToken() {
        std::int64_t value = 0;
        const char* first = m_token.data();
        const char* last = m_token.data() + m_token.size();
        if (m_token.front() == '+') {
            ++first;
        }
        const auto [ptr, ec] = std::from_chars(first, last, value);
        if (ec == std::errc::result_out_of_range) {
            return Refuse(m_line, "the number " + Quote(m_token) + " is out of range.");
        }
        if (ec != std::errc() || ptr != last || first == last) {
            return Refuse(m_line, "\"" + Quote(m_token) + "\" is not a number.");
        }
        m_token.clear();
        m_lastLine = m_line;
        if (!m_board) {
            if (value < 0 || value > MaxGameNumber) {
                return Refuse(m_line, "the game number " + std::to_string(value) +
                                          " is outside 0 to " + std::to_string(MaxGameNumber) +
                                          ".");
            }
            m_game.gameNumber = static_cast<std::int32_t>(value);
            m_board.emplace(m_game.gameNumber);
            return true;
        }
        if (m_count == 0) {
            m_recordLine = m_line;
        }
        m_record[m_count++] = value;
        return m_count < 4 || EndRecord();
    }

    bool EndRecord() {
        m_count = 0;
        const auto [src, dest, mode, moveNo] = m_record;
        if (!Fits16(src) || !Fits16(dest) || !Fits32(mode) || !Fits16(moveNo)) {
            return Refuse(m_recordLine, "a value is out of range.");
        }
        const std::string why = m_board->Apply(static_cast<int>(src), static_cast<int>(dest));
        if (!why.empty()) {
            return Refuse(m_recordLine, why);
        }
        m_game.records.push_back({static_cast<std::int16_t>(src), static_cast<std::int16_t>(dest),
                                  static_cast<std::int32_t>(mode),
                                  static_cast<std::int16_t>(moveNo)});
        return true;
    }

    const std::string& m_name;
    int m_line = 1;
    int m_lastLine = 1;
    int m_recordLine = 1;
    std::string m_token;
    std::optional<Error> m_error;
    SavedGame m_game;
    std::optional<BoardCheck> m_board;
    std::array<std::int64_t, 4> m_record{};
    int m_count = 0;
};

} // namespace

std::string FormatNumber(std::int64_t value) {
    if (value < 0) {
        return std::to_string(value) + " ";
    }
    return " " + std::to_string(value) + " ";
}

std::string Format(std::int32_t gameNumber, std::span<const TransRecord> records) {
    std::string text = FormatNumber(gameNumber) + "\r\n";
    text.reserve(text.size() + records.size() * 20);
    for (const TransRecord& r : records) {
        text += FormatNumber(r.SrcLoc);
        text += FormatNumber(r.DestLoc);
        text += FormatNumber(r.Mode);
        text += FormatNumber(r.MoveNo);
        text += "\r\n";
    }
    return text;
}

Result<SavedGame> Parse(std::string_view text, const std::string& name) {
    Parser parser(name);
    parser.Feed(text);
    return parser.Finish();
}

Result<SavedGame> Read(const std::string& path) {
    auto file = SafeFile::InputFile::Open(path, MaxFileSize);
    std::array<char, 65536> chunk{};
    Parser parser(path);
    while (file) {
        auto n = file->Read(chunk);
        if (!n) {
            file = std::unexpected(n.error());
            break;
        }
        if (*n == 0 || !parser.Feed(std::string_view(chunk.data(), *n))) {
            return parser.Finish();
        }
    }
    const SafeFile::Failure& failure = file.error();
    switch (failure.kind) {
    case SafeFile::Failure::Kind::Missing:
        return Fail("The file \"" + path + "\" does not exist.");
    case SafeFile::Failure::Kind::NotRegular:
        return Fail("The file \"" + path + "\" is not a saved game: " + failure.reason + ".");
    case SafeFile::Failure::Kind::TooLarge:
        return Fail("The file \"" + path + "\" is not a saved game: " + failure.reason +
                    ", far more than any game needs.");
    case SafeFile::Failure::Kind::System:
        break;
    }
    return Fail(failure.Message());
}

Result<void> WriteTextAtomic(const std::string& path, const std::string& text) {
    if (auto written = SafeFile::Replace(path, text); !written) {
        return Fail(written.error().Message());
    }
    return {};
}

} // namespace velmora::GameFile
