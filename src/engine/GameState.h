#pragma once

#include "engine/Ports.h"
#include "engine/Types.h"
#include "engine/mArray.h"

#include <cstdint>
#include <memory>

namespace velmora {

class cGame;
class cCards;

/// The ports through which the engine reaches the table, the speaker, the options,
/// the player, the move history and the owner of the game. Every port has a null default.
struct EnginePorts {
    ITableView* view = nullptr;
    ISoundPort* sound = nullptr;
    IEngineOptions* options = nullptr;
    IPlayerDialogs* dialogs = nullptr;
    IRecorder* recorder = nullptr;
    IGameEvents* events = nullptr;
};

/// The state of the game on the table: flags, selection and the current engine objects.
/// Owned by whoever runs the game; two instances play two independent games.
class GameState {
public:
    GameState();
    ~GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    /// Connects ports; a null pointer selects the null port.
    void SetPorts(const EnginePorts& ports);

    ITableView& View() const { return *m_ports.view; }
    ISoundPort& Sound() const { return *m_ports.sound; }
    IEngineOptions& Options() const { return *m_ports.options; }
    IPlayerDialogs& Dialogs() const { return *m_ports.dialogs; }
    IRecorder& Recorder() const { return *m_ports.recorder; }
    IGameEvents& Events() const { return *m_ports.events; }

    /// Replaces the recorder only (a new history for a new game).
    void SetRecorder(IRecorder* recorder);

    /// The board of the game dealt last (an empty board before the first deal).
    const cGame& Game() const { return *m_game; }
    /// The same board for what changes it: moves, the deal and the illegal-target message.
    cGame& MutableGame() { return *m_game; }
    const cCards& Cards() const { return *m_cards; }
    bool HasGame() const { return m_game != nullptr; }
    /// Replaces the board and its decoder by empty ones; earlier references to them dangle.
    void NewBoard();

    std::int32_t GameNumber = 0;
    bool GameStarted = false;
    /// A finished game is on view (a saved one or a solution): it is never scored.
    bool Finished = false;
    /// Where the selected card lies; NoLocation when nothing is selected.
    Location SelectedLocation = NoLocation;
    bool Selected = false;
    /// A run is being carried card by card: the automatic moves wait until it is down.
    bool MultiMove = false;
    /// Set when the won notification has been sent for the game dealt last.
    bool WonNotified = false;
    mArray::DealTable DealTable{};

private:
    EnginePorts m_ports;
    std::unique_ptr<cGame> m_game;
    std::unique_ptr<cCards> m_cards;
};

} // namespace velmora
