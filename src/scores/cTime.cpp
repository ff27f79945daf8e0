#include "scores/cTime.h"

#include "engine/GameState.h"
#include "engine/Rounding.h"
#include "engine/cGame.h"
#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {

/// Whole seconds from the stored moment to now, limited to 32 bits.
std::int32_t SecondsSince(const QString& stored, const QDateTime& now) {
    const auto start = GeneralDate::Parse(stored);
    if (!start) {
        return 0;
    }
    return static_cast<std::int32_t>(std::clamp<qint64>(GeneralDate::SecondsBetween(*start, now),
                                                        std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

} // namespace

cTime::cTime(const GameState& state, cSave& save, const IClock& clock)
    : m_state(state), m_save(save), m_clock(clock) {}

std::int16_t cTime::GetCardLeft() const {
    if (!m_state.GameStarted || !m_state.HasGame()) {
        return 0;
    }
    std::int16_t home = 0;
    for (CardIndex card = 0; card < CardCount; ++card) {
        if (m_state.Game().GetLocation(card) > GapCell) {
            ++home;
        }
    }
    return static_cast<std::int16_t>(CardCount - home);
}

std::int16_t cTime::GetGamePercentage() const {
    const double home = CardCount - GetCardLeft();
    const std::int64_t percentage = RoundHalfEven(home / CardCount * 100.0);
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(percentage, 0, 100));
}

std::int32_t cTime::GetGameTime() {
    if (m_stopped) {
        return *m_stopped;
    }
    const QDateTime now = m_clock.Now();
    std::int64_t t = SecondsSince(m_save.GameStartTime(), now);
    if (m_save.Unfinished()) {
        t += m_save.LastGameTime();
    }
    const auto time = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        t, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    if (time >= 0 && time < DayLimit) {
        m_lastGood = time;
        return time;
    }
    m_save.GameStartTime(now);
    m_save.LastGameTime(m_lastGood);
    return time;
}

std::int32_t cTime::GameTimeToStore() {
    const std::int32_t time = GetGameTime();
    return time >= 0 && time < DayLimit ? time : m_lastGood;
}

void cTime::StopGameClock() {
    m_stopped.reset();
    m_stopped = GameTimeToStore();
}

std::int32_t cTime::GetSessionTime() {
    const QDateTime now = m_clock.Now();
    const std::int32_t t = SecondsSince(m_save.SessionStart(), now);
    if (t >= 0 && t < DayLimit) {
        return t;
    }
    m_save.SessionStart(now);
    return t;
}

} // namespace velmora
