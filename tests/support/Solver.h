#pragma once

// A small depth-first solver over the real engine, used by tests that need a won game.

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mCheck.h"
#include "engine/mGame.h"
#include "history/GameSession.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace velmora::test {

struct SolverMove {
    Location from;
    Location to;
};

class Solver {
public:
    explicit Solver(int nodeLimit = 200000) : m_limit(nodeLimit) {}

    /// Single-card moves that win game `gameNumber`, or nothing within the node limit.
    std::optional<std::vector<SolverMove>> Solve(std::int32_t gameNumber) {
        GameSession session;
        session.StartGame(gameNumber);
        m_state = &session.State();
        m_trans = &session.Trans();
        m_seen.clear();
        m_nodes = 0;
        m_path.clear();
        if (Search()) {
            return m_path;
        }
        return std::nullopt;
    }

    /// The companion's press arguments for the moves, replayed on a fresh deal.
    static std::vector<std::string> Presses(std::int32_t gameNumber,
                                            const std::vector<SolverMove>& moves) {
        GameSession session;
        session.StartGame(gameNumber);
        GameState& state = session.State();
        std::vector<std::string> args;
        for (const SolverMove& m : moves) {
            std::string arg = Name(m.from);
            arg += Name(m.to);
            if (m.to < 8 && m.from < 200 && mCheck::CanStack(state, m.from, m.from - 8) &&
                mGame::GetFreeSpace(state) >= 2) {
                arg += "/single";
            }
            args.push_back(arg);
            state.MutableGame().SetLocation(m.from, m.to, MoveMode::First, Motion::Instant());
        }
        return args;
    }

private:
    static std::string Name(Location loc) {
        if (loc < 200) {
            return std::string(1, static_cast<char>('A' + loc % 8));
        }
        if (loc <= 203) {
            return std::string(1, static_cast<char>('1' + loc - 200));
        }
        return std::string(1, static_cast<char>('5' + loc - 205));
    }

    std::string Key() const {
        const cGame& g = m_state->Game();
        std::vector<std::string> columns;
        for (int c = 0; c < 8; ++c) {
            std::string s;
            for (int r = 0; r < 21 && g.GetCardIndex(r * 8 + c) >= 0; ++r) {
                s += static_cast<char>('0' + g.GetCardIndex(r * 8 + c));
            }
            columns.push_back(s);
        }
        std::sort(columns.begin(), columns.end());
        std::string cells;
        for (int f = 200; f <= 203; ++f) {
            cells += static_cast<char>('0' + g.GetCardIndex(f) + 1);
        }
        std::sort(cells.begin(), cells.end());
        std::string key = cells;
        for (const auto& c : columns) {
            key += '|' + c;
        }
        return key;
    }

    bool Won() const {
        return mGame::LowestHomeRank(*m_state, 1) == 13 && mGame::LowestHomeRank(*m_state, 2) == 13;
    }

    std::vector<SolverMove> Moves() const {
        const cGame& g = m_state->Game();
        std::vector<Location> sources;
        for (int c = 0; c < 8; ++c) {
            const Location b = g.GetBottomCardLocation(static_cast<Location>(c));
            if (b >= 0) {
                sources.push_back(b);
            }
        }
        for (int f = 200; f <= 203; ++f) {
            if (g.GetCardIndex(f) >= 0) {
                sources.push_back(static_cast<Location>(f));
            }
        }
        std::vector<SolverMove> home, onto, empty, cell;
        Location firstEmptyColumn = -1;
        Location firstEmptyCell = -1;
        for (int c = 0; c < 8 && firstEmptyColumn < 0; ++c) {
            if (g.GetCardIndex(c) < 0) {
                firstEmptyColumn = static_cast<Location>(c);
            }
        }
        for (int f = 200; f <= 203 && firstEmptyCell < 0; ++f) {
            if (g.GetCardIndex(f) < 0) {
                firstEmptyCell = static_cast<Location>(f);
            }
        }
        for (const Location s : sources) {
            const CardIndex card = g.GetCardIndex(s);
            const auto h = static_cast<Location>(204 + SuitOf(card));
            if (RankOf(card) > 1 && RankOf(g.GetCardIndex(h)) == RankOf(card) - 1) {
                home.push_back({s, h});
            }
            for (int c = 0; c < 8; ++c) {
                const Location t = g.GetBottomCardLocation(static_cast<Location>(c));
                if (t >= 0 && t % 8 != s % 8 && mCheck::CanStack(*m_state, s, t)) {
                    onto.push_back({s, static_cast<Location>(t + 8)});
                }
            }
            const bool alone = s < 200 && s < 8;
            if (firstEmptyColumn >= 0 && !alone) {
                empty.push_back({s, firstEmptyColumn});
            }
            if (firstEmptyCell >= 0 && s < 200) {
                cell.push_back({s, firstEmptyCell});
            }
        }
        std::vector<SolverMove> all;
        for (auto* list : {&home, &onto, &cell, &empty}) {
            all.insert(all.end(), list->begin(), list->end());
        }
        return all;
    }

    bool Search() {
        if (Won()) {
            return true;
        }
        if (++m_nodes > m_limit || !m_seen.insert(Key()).second) {
            return false;
        }
        for (const SolverMove& m : Moves()) {
            m_state->MutableGame().SetLocation(m.from, m.to, MoveMode::First, Motion::Instant());
            m_path.push_back(m);
            if (Search()) {
                return true;
            }
            m_path.pop_back();
            m_trans->Undo(1);
        }
        return false;
    }

    int m_limit;
    int m_nodes = 0;
    GameState* m_state = nullptr;
    cTrans* m_trans = nullptr;
    std::unordered_set<std::string> m_seen;
    std::vector<SolverMove> m_path;
};

} // namespace velmora::test
