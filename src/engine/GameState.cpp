#include "engine/GameState.h"

#include "engine/cCards.h"
#include "engine/cGame.h"

namespace velmora {

namespace {
NullTableView g_nullView;
NullSound g_nullSound;
DefaultEngineOptions g_defaultOptions;
NullDialogs g_nullDialogs;
NullRecorder g_nullRecorder;
NullGameEvents g_nullEvents;
} // namespace

GameState::GameState() {
    SetPorts({});
    NewBoard();
}

GameState::~GameState() = default;

void GameState::SetPorts(const EnginePorts& ports) {
    m_ports.view = ports.view ? ports.view : &g_nullView;
    m_ports.sound = ports.sound ? ports.sound : &g_nullSound;
    m_ports.options = ports.options ? ports.options : &g_defaultOptions;
    m_ports.dialogs = ports.dialogs ? ports.dialogs : &g_nullDialogs;
    m_ports.recorder = ports.recorder ? ports.recorder : &g_nullRecorder;
    m_ports.events = ports.events ? ports.events : &g_nullEvents;
}

void GameState::SetRecorder(IRecorder* recorder) {
    m_ports.recorder = recorder ? recorder : &g_nullRecorder;
}

void GameState::NewBoard() {
    m_game = std::make_unique<cGame>(*this);
    m_cards = std::make_unique<cCards>(*m_game);
}

} // namespace velmora
