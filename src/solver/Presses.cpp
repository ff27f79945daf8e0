#include "solver/Presses.h"

#include "engine/GameState.h"
#include "engine/TablePress.h"
#include "engine/cGame.h"

#include <chrono>

namespace velmora::solver {

std::optional<PressAction> PressAction::Parse(const std::string& text) {
    PressAction a;
    a.presses = text;
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        a.presses = text.substr(0, slash);
        const std::string answer = text.substr(slash + 1);
        if (answer == "single") {
            a.answer = EmptyColumnChoice::Single;
        } else if (answer == "column") {
            a.answer = EmptyColumnChoice::Column;
        } else if (answer == "cancel") {
            a.answer = EmptyColumnChoice::Cancel;
        } else {
            return std::nullopt;
        }
    }
    if (a.presses.empty()) {
        return std::nullopt;
    }
    for (const char c : a.presses) {
        if (!IsPressChar(c)) {
            return std::nullopt;
        }
    }
    return a;
}

std::string PressAction::Text() const {
    if (!answer) {
        return presses;
    }
    switch (*answer) {
    case EmptyColumnChoice::Single:
        return presses + "/single";
    case EmptyColumnChoice::Column:
        return presses + "/column";
    case EmptyColumnChoice::Cancel:
        return presses + "/cancel";
    }
    return presses;
}

bool IsPressChar(char c) {
    return (c >= 'A' && c <= 'H') || (c >= '1' && c <= '8');
}

void Press(GameState& state, char c) {
    ApplyPress(state, PressForKey(state.Game(), c, false));
}

EmptyColumnChoice PressPlayer::AskEmptyColumn(int) {
    m_asked = true;
    if (!m_answer) {
        m_unanswered = true;
        return EmptyColumnChoice::Cancel;
    }
    return *m_answer;
}

void PressPlayer::Offer(std::optional<EmptyColumnChoice> answer) {
    m_answer = answer;
    m_asked = false;
    m_unanswered = false;
}

std::optional<std::string> PlayAction(GameState& state, PressPlayer& player,
                                      const PressAction& action) {
    const std::string text = action.Text();
    bool asked = false;
    for (std::size_t i = 0; i < action.presses.size() && !player.Won(); ++i) {
        const bool last = i + 1 == action.presses.size();
        player.Offer(last ? action.answer : std::nullopt);
        Press(state, action.presses[i]);
        if (player.Unanswered()) {
            if (!last) {
                return "the press '" + std::string(1, action.presses[i]) + "' in '" + text +
                       "' opens the empty-column question but is not the argument's last press";
            }
            return "'" + text +
                   "' opens the empty-column question: end it with /single, "
                   "/column or /cancel";
        }
        asked = asked || player.Asked();
    }
    if (action.answer && !asked && !player.Won()) {
        return "'" + text + "' answers a question that was never asked";
    }
    return std::nullopt;
}

std::optional<std::vector<PressAction>> ToActions(const Position& start,
                                                  const std::vector<Move>& moves) {
    std::vector<PressAction> actions;
    Position p = start;
    for (Move m : moves) {
        if (!p.Locate(m)) {
            return std::nullopt;
        }
        PressAction a;
        a.presses += m.from < ColumnCount ? static_cast<char>('A' + m.from)
                                          : static_cast<char>('1' + m.from - ColumnCount);
        switch (m.kind) {
        case MoveKind::ToCell:
            a.presses += static_cast<char>('1' + m.to);
            break;
        case MoveKind::ToHome:
            a.presses += static_cast<char>('5' + SuitIndex(m.card));
            break;
        case MoveKind::OntoCard:
            a.presses += static_cast<char>('A' + m.to);
            break;
        case MoveKind::ToEmpty: {
            a.presses += static_cast<char>('A' + m.to);
            // A run under the card and a free space of two or more open the question.
            const int freeSpace = (p.EmptyColumns() + 1) * (p.EmptyCells() + 1) - 1;
            if (m.from < ColumnCount && p.RunLength(m.from) >= 2 && freeSpace >= 2) {
                a.answer = EmptyColumnChoice::Single;
            }
            break;
        }
        case MoveKind::ColumnToEmpty:
            a.presses += static_cast<char>('A' + m.to);
            a.answer = EmptyColumnChoice::Column;
            break;
        }
        actions.push_back(std::move(a));
        p.Apply(m);
    }
    return actions;
}

std::string ActionLine(const std::vector<PressAction>& actions) {
    std::string line;
    for (const PressAction& a : actions) {
        if (!line.empty()) {
            line += ' ';
        }
        line += a.Text();
    }
    return line;
}

void LoadBoard(GameState& state, const std::array<CardIndex, BoardSize>& board) {
    state.NewBoard();
    for (int loc = 0; loc < BoardSize; ++loc) {
        const CardIndex card = board[static_cast<std::size_t>(loc)];
        if (card != NoCard) {
            state.MutableGame().init(static_cast<Location>(loc), card);
        }
    }
    state.GameStarted = true;
}

PressTable::PressTable(const std::array<CardIndex, BoardSize>& board) {
    EnginePorts ports;
    ports.dialogs = &m_player;
    ports.events = &m_player;
    m_state.SetPorts(ports);
    LoadBoard(m_state, board);
}

const std::array<CardIndex, BoardSize>& PressTable::Board() const {
    return m_state.Game().Board();
}

bool Wins(const std::array<CardIndex, BoardSize>& board, const std::vector<PressAction>& actions) {
    PressTable table(board);
    for (const PressAction& a : actions) {
        if (table.Won() || table.Play(a)) {
            return false;
        }
    }
    return table.Won();
}

Decision Decide(const std::array<CardIndex, BoardSize>& board, const Limits& limits,
                std::stop_token stop) {
    Decision d;
    const auto start = Position::FromBoard(board);
    if (!start) {
        d.rejected = true;
        return d;
    }
    const auto began = std::chrono::steady_clock::now();
    const Result result = Solve(*start, limits, std::move(stop));
    d.searchMilliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
    d.verdict = result.verdict;
    if (d.verdict == Verdict::Solved) {
        auto actions = ToActions(*start, result.moves);
        d.rejected = !actions || !Wins(board, *actions);
        if (actions) {
            d.actions = std::move(*actions);
        }
    }
    return d;
}

} // namespace velmora::solver
