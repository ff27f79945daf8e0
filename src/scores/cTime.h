#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

class GameState;
class IClock;
class cSave;

/// The four figures of the status bar and the score record: cards not home, percentage home,
/// game time and session time. The start moments live in the store (cSave).
class cTime {
public:
    cTime(const GameState& state, cSave& save, const IClock& clock);

    /// Cards not on a home cell; 0 with no game on the table.
    std::int16_t GetCardLeft() const;
    /// Percentage of the 52 cards home, half to even, 0 to 100; 100 with no game.
    std::int16_t GetGamePercentage() const;
    /// Seconds from GameStartTime to now, plus LastGameTime while Unfinished is true. A count
    /// outside 0 to 86400 (the clock went back, or a day passed) restarts the count: now becomes
    /// GameStartTime and the last good count LastGameTime; that call still returns the count.
    std::int32_t GetGameTime();
    /// Seconds from SessionStart to now; outside 0 to 86400 now becomes SessionStart and that
    /// call still returns the count.
    std::int32_t GetSessionTime();

    /// The last game time that was within one day.
    std::int32_t LastGoodGameTime() const { return m_lastGood; }
    /// The game time fit to be written down (score record, LastGameTime): GetGameTime, or the
    /// last good time when the clock jumped, so never negative and at most one day.
    std::int32_t GameTimeToStore();

    /// Holds the game time at its present value (the winning move): GetGameTime returns it
    /// until RunGameClock.
    void StopGameClock();
    /// Lets the game time run from GameStartTime again (a game was dealt or opened).
    void RunGameClock() { m_stopped.reset(); }

    static constexpr std::int32_t DayLimit = 86401;

private:
    const GameState& m_state;
    cSave& m_save;
    const IClock& m_clock;
    std::int32_t m_lastGood = 0;
    std::optional<std::int32_t> m_stopped;
};

} // namespace velmora
