#pragma once

#include "history/Error.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

class IClock;
class cPlayer;
class cSave;

/// One ended game, as one line of the score file.
struct ScoreRecord {
    QString Name;
    std::int32_t Time = 0;
    std::int32_t GameNumber = 0;
    std::int32_t Moves = 0;
    QString Date;
    /// Percentage of the cards home, 0 to 100; 100 means won.
    std::int16_t Perc = 0;
    std::int32_t Score = 0;

    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

/// The score file (one line per ended game), the points formula, the duration text and the
/// in-memory score table the score board is built from.
class cScore {
public:
    cScore(cSave& save, cPlayer& player, const IClock& clock);

    /// Records an ended game for the current player: appends its line to the score file
    /// (creating the file, starting a new line after an unended last one) and adds it to the
    /// player's totals. When the line cannot be written (a full disk, a path that is not a
    /// regular file) the failure is returned and the totals stay as they were.
    Result<void> SaveScore(std::int32_t gameNumber, std::int32_t moves, std::int32_t seconds,
                           std::int16_t perc);

    /// Points: 0 when any argument is 0; otherwise perc × 100 / (time + moves) rounded half to
    /// even, tripled for a won game (perc 100), made positive.
    /// Position of the day list of the score board (section "Score"), default 1.
    std::int16_t DayComboIndex() const;
    void DayComboIndex(std::int16_t value);
    /// Tab of the score board shown on opening (section "Score"), default 1.
    std::int16_t TabIndex() const;
    void TabIndex(std::int16_t value);

    static std::int32_t GetScore(std::int32_t moves, std::int32_t time, std::int16_t perc);
    /// Seconds as "h:mm:ss"; hours run past 23 for a day or more, a negative count gets "-".
    static QString ConvertTimeS(std::int32_t seconds);

    /// One line of the score file without its line end. Quotes and line breaks in the text
    /// fields (only a hand-edited store holds them) become apostrophes and spaces.
    static QString FormatRecord(const ScoreRecord& record);
    /// Reads one line; nullopt unless it holds exactly seven fields of the right kinds.
    static std::optional<ScoreRecord> ParseRecord(const QString& line);

    /// The loader: refills the table from the score file with the records of existing players
    /// dated strictly after their player's creation (whole seconds). A missing file reads as
    /// empty; a line that does not parse is skipped.
    void LoadScores();
    const std::vector<ScoreRecord>& Records() const { return m_records; }
    /// Number of records in the table (N).
    int Count() const { return static_cast<int>(m_records.size()); }
    /// Slots of the table: 100, growing by 100 whenever a further record is read.
    int Capacity() const { return m_capacity; }

    /// Empties the score file, stores the date as GeneralClearedDate and reloads the table.
    /// The players' totals stay.
    Result<void> Clear_General();
    /// Zeroes every player's totals and the totals row and stores the date as
    /// GlobalClearedDate. The score file stays.
    void Clear_Global();

    static constexpr int MaxRecords = 32767;

private:
    bool Keep(const ScoreRecord& record) const;

    cSave& m_save;
    cPlayer& m_player;
    const IClock& m_clock;
    std::vector<ScoreRecord> m_records;
    int m_capacity = 100;
};

} // namespace velmora
