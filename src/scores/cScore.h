#pragma once

#include "history/Error.h"
#include "scores/ScoreBoard.h"

#include <QDateTime>
#include <QString>

#include <array>
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

/// The score file (one line per ended game), the points formula, the duration text, the
/// in-memory score table and every list, label and report of the score board built from it.
class cScore {
public:
    cScore(cSave& save, cPlayer& player, const IClock& clock);

    /// Records an ended game for the current player: appends its line to the score file
    /// (creating the file, starting a new line after an unended last one) and adds it to the
    /// player's totals. When the line cannot be written (a full disk, a path that is not a
    /// regular file) the failure is returned and the totals stay as they were.
    Result<void> SaveScore(std::int32_t gameNumber, std::int32_t moves, std::int32_t seconds,
                           std::int16_t perc);

    /// Position of the day list of the score board (section "Score"), default 1.
    std::int16_t DayComboIndex() const;
    void DayComboIndex(std::int16_t value);
    /// Tab of the score board shown on opening (section "Score"), default 1.
    std::int16_t TabIndex() const;
    void TabIndex(std::int16_t value);

    /// Points: 0 when any argument is 0; otherwise perc × 100 / (time + moves) rounded half to
    /// even, tripled for a won game (perc 100), made positive.
    static std::int32_t GetScore(std::int32_t moves, std::int32_t time, std::int16_t perc);
    /// Seconds as "h:mm:ss"; hours run past 23 for a day or more, a negative count gets "-".
    static QString ConvertTimeS(std::int64_t seconds);

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
    /// The date of each record of the table as a clock reading (GeneralDate::ParseWallClock),
    /// read once by the loader.
    const std::vector<QDateTime>& Moments() const { return m_moments; }
    /// Number of records in the table (N).
    int Count() const { return static_cast<int>(m_records.size()); }
    /// Slots of the table: 100, growing by 100 whenever a further record is read.
    int Capacity() const { return m_capacity; }

    /// Empties the score file, stores the date as GeneralClearedDate and reloads the table.
    /// The players' totals stay. A file that cannot be emptied is kept and nothing is stored.
    /// The caller rebuilds the board.
    Result<void> Clear_General();
    /// Zeroes every player's totals and the totals row and stores the date as
    /// GlobalClearedDate. The score file stays. The caller rebuilds the board.
    void Clear_Global();

    // The score board. Create_All rebuilds every list from the file; the others rebuild one.

    /// Loads the table, then fills the filters and the score list, the statistics, the top
    /// scores, the general page and the global list with the export labels. `finishedOnly`
    /// is the state of "Show Only Finished Games".
    void Create_All(IGameFigures& game, bool finishedOnly);
    /// The score list of `player` ("All" for every player) under the stored day filter.
    void ListScore(const QString& player, bool finishedOnly);
    void Create_Statistics();
    void Create_TopScore();
    void Create_General(IGameFigures& game);
    /// The players' totals, "None" fillers so that "Total" is the sixth row, and the labels of
    /// the export frame.
    void Create_Global();

    const ScoreFilters& Filters() const { return m_filters; }
    const ReportList& ScoreList() const { return m_scoreList; }
    const ReportList& StatisticsList() const { return m_statisticsList; }
    const ReportList& TopScoreList() const { return m_topScoreList; }
    const ReportList& GeneralList() const { return m_generalList; }
    const ReportList& GlobalList() const { return m_globalList; }
    const ScoreLabels& Labels() const { return m_labels; }
    const std::array<PlayerStatistics, 5>& Statistics() const { return m_statistics; }
    /// The progress page of `player` ("All" for every player) over the loaded table.
    ProgressData Progress(const QString& player) const;

    /// The name the export dialog proposes: "Scoreboard Exported on " and today's long date.
    QString ExportFileName() const;
    /// Writes the report of the last build to `path` through a temporary file renamed into
    /// place, then stores the moment and the path as LastExportedDate and LastExportedFile.
    /// On failure an existing file and both values are kept.
    Result<void> ExportScore(const QString& path);

    static constexpr int MaxRecords = 32767;

private:
    cSave& m_save;
    cPlayer& m_player;
    const IClock& m_clock;
    std::vector<ScoreRecord> m_records;
    std::vector<QDateTime> m_moments;
    int m_capacity = 100;

    ScoreFilters m_filters;
    ReportList m_scoreList;
    ReportList m_statisticsList;
    ReportList m_topScoreList;
    ReportList m_generalList;
    ReportList m_globalList;
    ScoreLabels m_labels;
    std::array<PlayerStatistics, 5> m_statistics{};
};

} // namespace velmora
