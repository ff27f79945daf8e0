#include "history/cTrans.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mGame.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <utility>

namespace velmora {

namespace {
NullReplayControl g_nullReplay;
}

cTrans::cTrans(GameState& state, IReplayControl* replay)
    : m_state(state), m_replay(replay ? replay : &g_nullReplay) {
    m_records.resize(static_cast<std::size_t>(m_capacity) + 1);
}

int cTrans::SaveTrans(Location src, Location dest, MoveMode kind) {
    ++m_current;
    m_total = m_current;
    if (m_current > m_capacity) {
        m_capacity += 100;
        m_records.resize(static_cast<std::size_t>(m_capacity) + 1);
    }
    if (kind == MoveMode::First && m_moveCount < MaxMoveNo) {
        ++m_moveCount;
    }
    m_records[static_cast<std::size_t>(m_current)] = {src, dest, std::to_underlying(kind),
                                                      static_cast<std::int16_t>(m_moveCount)};
    return m_current;
}

void cTrans::Move(const TransRecord& r, bool forward, Motion motion) {
    const Location from = forward ? r.SrcLoc : r.DestLoc;
    const Location to = forward ? r.DestLoc : r.SrcLoc;
    m_state.MutableGame().SetLocation(from, to, MoveMode::History, motion);
}

bool cTrans::Undo(int speed) {
    if (m_current < 1) {
        return false;
    }
    bool result = false;
    while (true) {
        const TransRecord r = Record(m_current);
        Move(r, false, {.steps = speed});
        --m_current;
        if (r.Mode != std::to_underlying(MoveMode::Follow)) {
            result = true;
            break;
        }
        if (m_current < 1) {
            break;
        }
    }
    SyncMoveCount();
    return result;
}

bool cTrans::Redo(int speed) {
    if (m_current == m_total) {
        return false;
    }
    bool result = false;
    while (true) {
        Move(Record(m_current + 1), true, {.steps = speed});
        ++m_current;
        if (m_current > m_total - 1) {
            break;
        }
        if (Record(m_current + 1).Mode != std::to_underlying(MoveMode::Follow)) {
            result = true;
            break;
        }
    }
    SyncMoveCount();
    return result;
}

bool cTrans::UndoAll(int speed) {
    if (m_current < 1) {
        return false;
    }
    while (Undo(speed)) {
    }
    return true;
}

bool cTrans::RedoAll(int speed) {
    if (m_current == m_total) {
        return false;
    }
    while (Redo(speed)) {
    }
    return true;
}

void cTrans::Replay(int direction) {
    m_replay->SetStopEnabled(true);
    if (direction == 1) {
        m_replay->SetBackwardTimer(false);
        m_replay->SetForwardTimer(true);
        return;
    }
    m_replay->SetForwardTimer(false);
    m_replay->SetBackwardTimer(true);
}

void cTrans::ReplayStop() {
    m_replay->SetStopEnabled(false);
    m_replay->SetBackwardTimer(false);
    m_replay->SetForwardTimer(false);
}

bool cTrans::ForwardStep(int speed) {
    m_replay->SetStopEnabled(true);
    m_replayResult = Redo(speed);
    if (!m_replayResult) {
        m_replay->SetStopEnabled(false);
        m_replay->SetForwardTimer(false);
    }
    return m_replayResult;
}

bool cTrans::BackwardStep(int speed) {
    m_replay->SetStopEnabled(true);
    m_replayResult = Undo(speed);
    if (!m_replayResult) {
        m_replay->SetStopEnabled(false);
        m_replay->SetBackwardTimer(false);
    }
    return m_replayResult;
}

void cTrans::PlayNum(int target) {
    if (Record(m_current).MoveNo == target) {
        return;
    }
    if (target >= m_moveCount) {
        while (m_current < m_total) {
            const TransRecord r = Record(m_current + 1);
            Move(r, true, Motion::Instant());
            ++m_current;
            if (m_current == m_total || r.MoveNo == target) {
                break;
            }
        }
    } else {
        while (m_current >= 1 && Record(m_current).MoveNo != target) {
            Move(Record(m_current), false, Motion::Instant());
            --m_current;
        }
    }
    SyncMoveCount();
}

Result<void> cTrans::SaveToFile(const std::string& name) const {
    const int n = m_state.Finished ? m_total : m_current;
    const std::span<const TransRecord> records(m_records.data() + 1, static_cast<std::size_t>(n));
    return GameFile::WriteTextAtomic(name, GameFile::Format(m_state.GameNumber, records));
}

void cTrans::Load(const SavedGame& game) {
    const int n = static_cast<int>(game.records.size());
    m_capacity = std::max(100, (n + 99) / 100 * 100);
    m_records.assign(static_cast<std::size_t>(m_capacity) + 1, TransRecord{});
    std::copy(game.records.begin(), game.records.end(), m_records.begin() + 1);
    m_total = n;
    m_current = 0;
    SyncMoveCount();
}

void cTrans::OpenRecords(const SavedGame& game) {
    Load(game);
    mGame::StartGame(m_state, game.gameNumber, true);
}

Result<SavedGameKind> cTrans::OpenFromFile(std::string& name) {
    auto game = GameFile::Read(name);
    if (!game) {
        return std::unexpected(game.error());
    }
    OpenRecords(*game);

    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string ext = name.size() >= 3 ? name.substr(name.size() - 3) : name;
    if (ext == "V2K") {
        Replay(1);
        return SavedGameKind::Finished;
    }
    if (ext == "VLG") {
        RedoAll(1);
        return SavedGameKind::Incomplete;
    }
    return SavedGameKind::Other;
}

std::string cTrans::LocationName(int loc) {
    if (IsColumnSlot(loc)) {
        return std::string(1, static_cast<char>('A' + loc % 8));
    }
    if (IsFreeCell(loc)) {
        return std::string(1, static_cast<char>('1' + loc - FirstFreeCell));
    }
    if (IsHomeCell(loc)) {
        return std::string(1, static_cast<char>('5' + loc - FirstHomeCell));
    }
    return {};
}

std::string cTrans::CreateSource() const {
    std::string text;
    for (int i = 1; i <= m_total; ++i) {
        const TransRecord& r = Record(i);
        text += LocationName(r.SrcLoc);
        text += LocationName(r.DestLoc);
        text += "   ";
        if (i % 15 == 0) {
            text += "\r\n";
        }
    }
    return text;
}

} // namespace velmora
