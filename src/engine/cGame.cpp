#include "engine/cGame.h"

#include "engine/GameState.h"
#include "engine/cCards.h"
#include "engine/mCheck.h"
#include "engine/mGame.h"
#include "engine/mRight.h"

#include <cassert>
#include <cmath>

namespace velmora {

cGame::cGame(GameState& state) : m_state(state) {
    m_board.fill(NoCard);
    m_where.fill(NoLocation);
}

void cGame::init(Location loc, CardIndex card) {
    assert(IsCardLocation(loc) && card >= 0 && card < CardCount && "dealt outside the board");
    m_board[static_cast<std::size_t>(loc)] = card;
    m_where[static_cast<std::size_t>(card)] = loc;
}

CardIndex cGame::GetCardIndex(int loc) const {
    if (loc < 0 || loc >= BoardSize) {
        return NoCard;
    }
    return m_board[static_cast<std::size_t>(loc)];
}

Location cGame::GetLocation(CardIndex card) const {
    if (card < 0 || card >= CardCount) {
        return NoLocation;
    }
    return m_where[static_cast<std::size_t>(card)];
}

std::int16_t cGame::GetTotalCards(Location loc) const {
    if (!IsColumnArea(loc)) {
        return 0;
    }
    const int column = loc % 8;
    for (int row = 0; row < MaxRows; ++row) {
        if (m_board[static_cast<std::size_t>(row * 8 + column)] == NoCard) {
            return static_cast<std::int16_t>(row);
        }
    }
    return MaxRows;
}

Location cGame::GetBottomCardLocation(Location loc) const {
    const int n = GetTotalCards(loc);
    if (n == 0) {
        return NoLocation;
    }
    return static_cast<Location>((n - 1) * 8 + loc % 8);
}

void cGame::SetLocation(Location from, Location to, MoveMode mode, Motion motion) {
    assert(IsCardLocation(from) && IsCardLocation(to) && "a move outside the board");
    // The card would leave its place empty behind it and be lost.
    assert(from != to && "a card cannot move onto its own location");
    if (mode != MoveMode::History) {
        m_state.Recorder().SaveTrans(from, to, mode);
    }

    const CardIndex card = m_board[static_cast<std::size_t>(from)];
    assert(card != NoCard && "no card lies at the source");
    m_board[static_cast<std::size_t>(to)] = card;
    if (IsHomeCell(from)) {
        m_board[static_cast<std::size_t>(from)] = RankOf(card) == 1 ? NoCard : card - 1;
    } else {
        m_board[static_cast<std::size_t>(from)] = NoCard;
    }

    ITableView& view = m_state.View();
    view.BringToFront(card);
    const int x2 = cCards::Left(to);
    const int y2 = cCards::Top(to);
    if (motion.animate) {
        const int n = motion.steps > 0 ? motion.steps : m_state.Options().CardSpeed();
        mGame::ClearSelection(m_state);
        view.AnimateCard(card, cCards::Left(from), cCards::Top(from), x2, y2, n);
    } else {
        view.PlaceCard(card, x2, y2);
    }

    if (motion.steps != 1) {
        m_state.Sound().CardMove(mode, to);
    }

    m_where[static_cast<std::size_t>(card)] = to;
    mGame::ClearSelection(m_state);

    if (mode != MoveMode::History && !m_state.MultiMove) {
        mRight::AutoMoveToHome(m_state);
    }
}

std::int16_t cGame::GetPossibleMoves() const {
    if (!m_state.GameStarted) {
        return 0;
    }
    const int freeCells = mGame::CountFreeSlots(m_state);
    const int emptyColumns = mGame::CountEmptyColumns(m_state);
    int columnMoves = 0;
    int freeCellMoves = 0;
    int homeMoves = 0;
    for (int i = 0; i < ColumnCount; ++i) {
        const Location t = GetBottomCardLocation(static_cast<Location>(i));
        bool fromFreeCell = false;
        for (int j = 0; j < 4; ++j) {
            if (t > -1 && mCheck::CanStack(m_state, FreeCell(j), t)) {
                ++freeCellMoves;
                fromFreeCell = true;
                break;
            }
        }
        if (!fromFreeCell) {
            for (int k = 0; k < ColumnCount; ++k) {
                const Location u = GetBottomCardLocation(static_cast<Location>(k));
                if (u > -1 && t > -1 && mCheck::SequenceLength(m_state, u) < 1 &&
                    mCheck::CanStack(m_state, u, t)) {
                    ++columnMoves;
                    break;
                }
            }
        }
        if (t > -1) {
            const CardIndex card = GetCardIndex(t);
            for (int h = FirstHomeCell; h <= LastHomeCell; ++h) {
                const CardIndex home = GetCardIndex(h);
                if (SuitOf(card) == SuitOf(home) && RankOf(card) == RankOf(home) + 1) {
                    ++homeMoves;
                }
            }
        }
    }
    return static_cast<std::int16_t>(columnMoves + freeCellMoves + emptyColumns + freeCells +
                                     homeMoves);
}

void cGame::ShowMessages() {
    if (m_state.Options().ShowMessages() != 1) {
        return;
    }
    m_state.Dialogs().ShowMessage("That move is not Allowed");
    mGame::ClearSelection(m_state);
}

} // namespace velmora
