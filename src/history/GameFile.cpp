#include "history/GameFile.h"

#include "engine/Types.h"
#include "engine/mArray.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace velmora::GameFile {

namespace {

struct Token {
    std::int64_t value = 0;
    int line = 0;
};

std::string Where(const std::string& name, int line) {
    return "The file \"" + name + "\" is not a valid saved game (line " + std::to_string(line) +
           "): ";
}

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

Result<std::vector<Token>> Tokenize(const std::string& text, const std::string& name) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
            continue;
        }
        if (IsSeparator(c)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsSeparator(text[end])) {
            ++end;
        }
        const std::string word = text.substr(i, end - i);
        std::int64_t value = 0;
        const char* first = word.data();
        const char* last = word.data() + word.size();
        if (!word.empty() && word.front() == '+') {
            ++first;
        }
        const auto [ptr, ec] = std::from_chars(first, last, value);
        if (ec == std::errc::result_out_of_range) {
            return Fail(Where(name, line) + "the number " + word + " is out of range.");
        }
        if (ec != std::errc() || ptr != last || first == last) {
            return Fail(Where(name, line) + "\"" + word + "\" is not a number.");
        }
        tokens.push_back({value, line});
        i = end;
    }
    return tokens;
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

Result<SavedGame> Parse(const std::string& text, const std::string& name) {
    auto tokens = Tokenize(text, name);
    if (!tokens) {
        return std::unexpected(tokens.error());
    }
    const std::vector<Token>& t = *tokens;
    if (t.empty()) {
        return Fail(Where(name, 1) + "there is no game number.");
    }
    if (t[0].value < 0 || t[0].value > MaxGameNumber) {
        return Fail(Where(name, t[0].line) + "the game number " + std::to_string(t[0].value) +
                    " is outside 0 to " + std::to_string(MaxGameNumber) + ".");
    }
    SavedGame game;
    game.gameNumber = static_cast<std::int32_t>(t[0].value);
    BoardCheck board(game.gameNumber);

    const std::size_t count = t.size() - 1;
    if (count % 4 != 0) {
        return Fail(Where(name, t.back().line) + "the last record is cut short.");
    }
    game.records.reserve(count / 4);
    for (std::size_t i = 1; i < t.size(); i += 4) {
        const int line = t[i].line;
        const std::int64_t src = t[i].value;
        const std::int64_t dest = t[i + 1].value;
        const std::int64_t mode = t[i + 2].value;
        const std::int64_t moveNo = t[i + 3].value;
        if (!Fits16(src) || !Fits16(dest) || !Fits32(mode) || !Fits16(moveNo)) {
            return Fail(Where(name, line) + "a value is out of range.");
        }
        const std::string why = board.Apply(static_cast<int>(src), static_cast<int>(dest));
        if (!why.empty()) {
            return Fail(Where(name, line) + why);
        }
        game.records.push_back({static_cast<std::int16_t>(src), static_cast<std::int16_t>(dest),
                                static_cast<std::int32_t>(mode),
                                static_cast<std::int16_t>(moveNo)});
    }
    return game;
}

Result<std::string> ReadText(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Fail("The file \"" + path + "\" does not exist or is not a file.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Fail("The file \"" + path + "\" cannot be read.");
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return Fail("The file \"" + path + "\" cannot be read.");
    }
    return content.str();
}

Result<void> WriteTextAtomic(const std::string& path, const std::string& text) {
    const std::filesystem::path target(path);
    std::filesystem::path temp = target;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.close();
        }
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return Fail("The file \"" + path + "\" cannot be written.");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return Fail("The file \"" + path + "\" cannot be written: " + ec.message() + ".");
    }
    return {};
}

} // namespace velmora::GameFile
