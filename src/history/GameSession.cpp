#include "history/GameSession.h"

#include "engine/mGame.h"

namespace velmora {

GameSession::GameSession(const EnginePorts& ports, IReplayControl* replay)
    : m_replay(replay), m_outer(ports.events) {
    EnginePorts own = ports;
    own.events = this;
    own.recorder = nullptr;
    m_state.SetPorts(own);
    NewHistory();
}

void GameSession::NewHistory() {
    m_trans = std::make_unique<cTrans>(m_state, m_replay);
    m_state.SetRecorder(m_trans.get());
}

void GameSession::StartGame(std::int32_t gameNumber) {
    mGame::StartGame(m_state, gameNumber, false);
}

Result<SavedGameKind> GameSession::Open(std::string& path) {
    // The file is checked before anything changes; a rejected one restores the old history.
    auto fresh = std::make_unique<cTrans>(m_state, m_replay);
    std::swap(m_trans, fresh);
    m_state.SetRecorder(m_trans.get());
    auto kind = m_trans->OpenFromFile(path);
    if (!kind) {
        std::swap(m_trans, fresh);
        m_state.SetRecorder(m_trans.get());
    }
    return kind;
}

void GameSession::GameStarting(std::int32_t gameNumber, bool keepHistory) {
    if (!keepHistory) {
        NewHistory();
    }
    if (m_outer) {
        m_outer->GameStarting(gameNumber, keepHistory);
    }
}

void GameSession::SetCaption(const std::string& caption) {
    if (m_outer) {
        m_outer->SetCaption(caption);
    }
}

void GameSession::StatusChanged() {
    if (m_outer) {
        m_outer->StatusChanged();
    }
}

void GameSession::GameWon() {
    if (m_outer) {
        m_outer->GameWon();
    }
}

} // namespace velmora
