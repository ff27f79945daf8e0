#pragma once

#include "engine/GameState.h"
#include "history/HistoryPorts.h"
#include "history/cTrans.h"

#include <cstdint>
#include <memory>

namespace velmora {

/// One game on the table with its move history: owns the engine state and the current cTrans,
/// and gives the game a new history whenever one is dealt without keeping its moves.
class GameSession final : private IGameEvents {
public:
    /// `ports.recorder` and `ports.events` are taken over by the session; `ports.events` (if
    /// any) still receives every event after the session has done its part.
    explicit GameSession(const EnginePorts& ports = {}, IReplayControl* replay = nullptr);

    GameState& State() { return m_state; }
    const GameState& State() const { return m_state; }
    cTrans& Trans() { return *m_trans; }
    const cTrans& Trans() const { return *m_trans; }

    /// Replaces the history by a fresh, empty one.
    void NewHistory();
    /// Deals a game with a new history (New, Restart, Select).
    void StartGame(std::int32_t gameNumber);
    /// Opens a saved game into a fresh history; on failure nothing changes.
    Result<SavedGameKind> Open(std::string& path);

private:
    void GameStarting(std::int32_t gameNumber, bool keepHistory) override;
    void SetCaption(const std::string& caption) override;
    void StatusChanged() override;
    void GameWon() override;

    GameState m_state;
    IReplayControl* m_replay;
    IGameEvents* m_outer;
    std::unique_ptr<cTrans> m_trans;
};

} // namespace velmora
