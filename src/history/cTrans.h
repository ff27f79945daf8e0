#pragma once

#include "engine/Ports.h"
#include "history/Error.h"
#include "history/GameFile.h"
#include "history/HistoryPorts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class GameState;

/// What an opened file asks the caller to do next, by its extension.
enum class SavedGameKind {
    Finished,   ///< ".v2k": replay the moves forward, the game is on view
    Incomplete, ///< ".vlg": every move is redone at once, play continues
    Other,      ///< anything else: the deal with the history loaded, cursor at 0
};

/// The move history of the game on the table: records, undo/redo, replay steps, files, source.
class cTrans final : public IRecorder {
public:
    explicit cTrans(GameState& state, IReplayControl* replay = nullptr);

    /// Appends a record after the cursor and drops any undone ones. A First movement starts
    /// the next move number (no higher than MaxMoveNo).
    int SaveTrans(Location src, Location dest, MoveMode kind) override;

    // `speed` is the animation steps per card (0: the player's card speed, 1: at once).
    /// Takes back the records to and including the last one that is not a Follow; false when
    /// there was nothing, or only Follow records, to take back.
    bool Undo(int speed);
    /// Redoes one record and the Follow records after it; false when that reached the end.
    bool Redo(int speed);
    /// Undoes to the start; false when already there.
    bool UndoAll(int speed);
    /// Redoes to the end; false when already there.
    bool RedoAll(int speed);
    bool UndoPossible() const { return m_current >= 1; }
    bool RedoPossible() const { return m_current < m_total; }
    bool UndoAllPossible() const { return m_current >= 2; }
    bool RedoAllPossible() const { return m_current < m_total - 1; }

    /// MoveNo of the record at the cursor (0 at the start).
    std::int16_t MoveID() const { return Record(m_current).MoveNo; }
    /// The cursor.
    int GetTransID() const { return m_current; }
    int CurrentTrans() const { return m_current; }
    int TotalTrans() const { return m_total; }
    int MoveCount() const { return m_moveCount; }
    int Capacity() const { return m_capacity; }
    /// Record `i` (0 reads as the all-zero record).
    const TransRecord& Record(int i) const { return m_records[static_cast<std::size_t>(i)]; }

    /// Starts the forward (1) or backward (any other value) replay timer and enables Stop.
    void Replay(int direction);
    void ReplayStop();
    /// One tick of the forward replay: a Redo. When it returns false the replay has stopped
    /// (timer off, Stop disabled).
    bool ForwardStep(int speed);
    /// One tick of the backward replay: an Undo. When it returns false the replay has stopped.
    bool BackwardStep(int speed);
    bool ReplayResult() const { return m_replayResult; }

    /// Walks the history, without animation or sound, to the move numbered `target`.
    void PlayNum(int target);

    /// Writes the game number and the records up to the cursor (all of them for a finished
    /// game on view). A failed write changes nothing.
    Result<void> SaveToFile(const std::string& name) const;
    /// Reads and checks a saved game, loads its records and deals it; then redoes every move
    /// for ".vlg" or starts the forward replay for ".v2k". `name` comes back in upper case. A
    /// rejected file changes nothing.
    Result<SavedGameKind> OpenFromFile(std::string& name);

    /// Loads the records of `game` and deals its number again with the cursor at the start,
    /// as a finished game is opened before its replay.
    void OpenRecords(const SavedGame& game);

    /// The move list: one two-character token per record, three spaces after each,
    /// CR LF after every fifteenth.
    std::string CreateSource() const;
    /// The notation name of a location: "A".."H", "1".."4", "5".."8", or empty.
    static std::string LocationName(int loc);

    /// Highest MoveNo a record can carry.
    static constexpr int MaxMoveNo = 32767;

private:
    void Load(const SavedGame& game);
    /// After the cursor moved: the counter follows the record at the cursor.
    void SyncMoveCount() { m_moveCount = MoveID(); }
    void Move(const TransRecord& r, bool forward, Motion motion);

    GameState& m_state;
    IReplayControl* m_replay;
    std::vector<TransRecord> m_records;
    int m_total = 0;
    int m_current = 0;
    int m_moveCount = 0;
    int m_capacity = 100;
    bool m_replayResult = false;
};

} // namespace velmora
