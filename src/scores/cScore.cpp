#include "scores/cScore.h"

#include "engine/Rounding.h"
#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/StoreValue.h"
#include "library/cSave.h"
#include "platform/SafeFileQt.h"
#include "scores/cPlayer.h"
#include "scores/mScoreBoard.h"
#include "scores/mScoreReport.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdlib>
#include <limits>

namespace velmora {

namespace {

const QString ScoreSection = QStringLiteral("Score");

QString QuotedText(QString text) {
    text.replace(u'"', u'\'');
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return u'"' + text + u'"';
}

std::optional<std::int64_t> Integer(const QString& field) {
    bool ok = false;
    const qlonglong value = field.trimmed().toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

bool Fits32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

std::string FileError(const SafeFile::Failure& failure) {
    return "The game could not be recorded in the score file \"" + failure.path +
           "\": " + failure.reason + ".";
}

const QString All = QStringLiteral("All");

/// Longer lines hold no record: seven short fields fit many times over.
constexpr qint64 MaxLineBytes = 4096;

/// The five slots with their creation moments, read once per build.
mScoreBoard::Players ReadPlayers(const cPlayer& player) {
    mScoreBoard::Players players;
    for (std::int16_t slot = 1; slot <= cPlayer::MaxPlayers; ++slot) {
        mScoreBoard::Player& p = players[static_cast<std::size_t>(slot - 1)];
        p.name = player.GetName(slot);
        if (!p.name.isEmpty()) {
            p.created = GeneralDate::ParseWallClock(player.GetDate(slot));
        }
    }
    return players;
}

/// The slot holding `name`; the first one, as names are unique.
const mScoreBoard::Player* Find(const mScoreBoard::Players& players, const QString& name) {
    for (const mScoreBoard::Player& p : players) {
        if (!p.name.isEmpty() && p.name == name) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace

cScore::cScore(cSave& save, cPlayer& player, const IClock& clock)
    : m_save(save), m_player(player), m_clock(clock) {}

std::int16_t cScore::DayComboIndex() const {
    return StoreValue::GetInt16(m_save.Store(), ScoreSection, QStringLiteral("DayComboIndex"), 1);
}

void cScore::DayComboIndex(std::int16_t value) {
    m_save.Store().SaveInt(ScoreSection, QStringLiteral("DayComboIndex"), value);
}

std::int16_t cScore::TabIndex() const {
    return StoreValue::GetInt16(m_save.Store(), ScoreSection, QStringLiteral("TabIndex"), 1);
}

void cScore::TabIndex(std::int16_t value) {
    m_save.Store().SaveInt(ScoreSection, QStringLiteral("TabIndex"), value);
}

std::int32_t cScore::GetScore(std::int32_t moves, std::int32_t time, std::int16_t perc) {
    if (moves == 0 || time == 0 || perc == 0) {
        return 0;
    }
    const std::int64_t divisor = static_cast<std::int64_t>(time) + moves;
    if (divisor == 0) {
        return 0;
    }
    std::int64_t points = RoundHalfEven(perc * 100.0 / static_cast<double>(divisor));
    if (perc == 100) {
        points *= 3;
    }
    return static_cast<std::int32_t>(std::llabs(points));
}

QString cScore::ConvertTimeS(std::int64_t seconds) {
    // The most negative count has no positive counterpart; no sum of game times comes near it.
    const std::int64_t t =
        seconds == std::numeric_limits<std::int64_t>::min() ? 0 : std::llabs(seconds);
    const QString text = QStringLiteral("%1:%2:%3")
                             .arg(t / 3600)
                             .arg((t / 60) % 60, 2, 10, QLatin1Char('0'))
                             .arg(t % 60, 2, 10, QLatin1Char('0'));
    return seconds < 0 ? u'-' + text : text;
}

QString cScore::FormatRecord(const ScoreRecord& r) {
    return QuotedText(r.Name) + u',' + QString::number(r.Time) + u',' +
           QString::number(r.GameNumber) + u',' + QString::number(r.Moves) + u',' +
           QuotedText(r.Date) + u',' + QString::number(r.Perc) + u',' + QString::number(r.Score);
}

std::optional<ScoreRecord> cScore::ParseRecord(const QString& line) {
    // Fields: leading blanks skipped; a quoted field runs to the next quote, then to the comma;
    // any other field runs to the next comma.
    QStringList fields;
    QList<bool> quoted;
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (true) {
        while (i < size && line[i] == u' ') {
            ++i;
        }
        if (i < size && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) {
                return std::nullopt;
            }
            fields << line.mid(i + 1, close - i - 1);
            quoted << true;
            i = close + 1;
            while (i < size && line[i] == u' ') {
                ++i;
            }
            if (i < size && line[i] != u',') {
                return std::nullopt;
            }
        } else {
            qsizetype comma = line.indexOf(u',', i);
            if (comma < 0) {
                comma = size;
            }
            fields << line.mid(i, comma - i);
            quoted << false;
            i = comma;
        }
        if (i >= size) {
            break;
        }
        ++i; // the comma
    }
    if (fields.size() != 7 || !quoted[0] || !quoted[4]) {
        return std::nullopt;
    }
    ScoreRecord r;
    r.Name = fields[0];
    r.Date = fields[4];
    const auto time = Integer(fields[1]);
    const auto number = Integer(fields[2]);
    const auto moves = Integer(fields[3]);
    const auto perc = Integer(fields[5]);
    const auto score = Integer(fields[6]);
    if (!time || !number || !moves || !perc || !score || !Fits32(*time) || !Fits32(*number) ||
        !Fits32(*moves) || !Fits32(*score) || *perc < 0 || *perc > 100) {
        return std::nullopt;
    }
    r.Time = static_cast<std::int32_t>(*time);
    r.GameNumber = static_cast<std::int32_t>(*number);
    r.Moves = static_cast<std::int32_t>(*moves);
    r.Perc = static_cast<std::int16_t>(*perc);
    r.Score = static_cast<std::int32_t>(*score);
    return r;
}

Result<void> cScore::SaveScore(std::int32_t gameNumber, std::int32_t moves, std::int32_t seconds,
                               std::int16_t perc) {
    const std::int16_t slot = m_player.GetCurrentPlayerIndex();
    ScoreRecord r;
    r.Name = m_player.GetName(slot);
    r.Time = seconds;
    r.GameNumber = gameNumber;
    r.Moves = moves;
    r.Date = GeneralDate::Format(m_clock.Now());
    r.Perc = perc;
    r.Score = GetScore(moves, seconds, perc);

    // A game not in the score file is not in the totals either: the two never disagree.
    const QString path = m_save.ScoreFile();
    if (auto folder = MakeFolder(QFileInfo(path).absolutePath()); !folder) {
        return folder;
    }
    const QByteArray line = (FormatRecord(r) + QStringLiteral("\r\n")).toUtf8();
    if (auto written = SafeFile::AppendLine(path, line); !written) {
        return Fail(FileError(written.error()));
    }
    // No player selected: there is no slot whose totals could take the game.
    if (slot >= 1) {
        const bool won = perc == 100;
        m_player.SaveScore(slot, 1, won ? 1 : 0, won ? 0 : 1, seconds, r.Score);
    }
    return {};
}

void cScore::LoadScores() {
    m_records.clear();
    m_moments.clear();
    m_capacity = 100;
    // Anything but a regular file reads as no scores: a FIFO must not hold the game.
    QFile file(m_save.ScoreFile());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // A record is kept when its player exists and was created strictly before it (whole
    // seconds): the records of removed players and of an earlier holder of a name drop out.
    // The file is read a line at a time up to the table's limit, so a huge file costs no more
    // memory than a full table.
    const mScoreBoard::Players players = ReadPlayers(m_player);
    while (!file.atEnd() && Count() < MaxRecords) {
        const QByteArray bytes = file.readLine(MaxLineBytes + 1);
        if (!bytes.endsWith('\n') && !file.atEnd()) {
            // Far longer than any record: skipped with the rest of its line.
            while (!file.atEnd() && !file.readLine(MaxLineBytes + 1).endsWith('\n')) {
            }
            continue;
        }
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (Count() + 1 > m_capacity) {
            m_capacity += 100;
        }
        auto record = ParseRecord(line);
        if (!record) {
            continue;
        }
        const mScoreBoard::Player* owner = Find(players, record->Name);
        if (!owner || !owner->created) {
            continue;
        }
        const auto recorded = GeneralDate::ParseWallClock(record->Date);
        if (!recorded || GeneralDate::SecondsBetween(*owner->created, *recorded) <= 0) {
            continue;
        }
        m_records.push_back(std::move(*record));
        m_moments.push_back(*recorded);
    }
}

Result<void> cScore::Clear_General() {
    if (auto emptied = SafeFile::Replace(m_save.ScoreFile(), QByteArray()); !emptied) {
        return Fail(emptied.error().Message());
    }
    m_save.GeneralClearedDate(GeneralDate::Format(m_clock.Now()));
    LoadScores();
    return {};
}

void cScore::Clear_Global() {
    m_player.ClearGlobal();
    m_save.GlobalClearedDate(GeneralDate::Format(m_clock.Now()));
}

void cScore::Create_All(IGameFigures& game, bool finishedOnly) {
    LoadScores();
    m_filters = {};
    m_scoreList = {};
    QStringList names;
    for (std::int16_t slot = 1; slot <= cPlayer::MaxPlayers; ++slot) {
        if (const QString name = m_player.GetName(slot); !name.isEmpty()) {
            names << name;
        }
    }
    if (!names.isEmpty()) {
        m_filters.players = names;
        m_filters.players << All;
        m_filters.selectedPlayer = m_player.ValidComboIndex(m_player.CurrentComboIndex()) - 1;
        m_filters.days = mScoreBoard::DayFilters();
        const int day = DayComboIndex();
        m_filters.selectedDay = day >= 1 && day <= m_filters.days.size() ? day - 1 : 0;
        ListScore(m_filters.players[m_filters.selectedPlayer], finishedOnly);
    }
    Create_Statistics();
    Create_TopScore();
    Create_General(game);
    Create_Global();
}

void cScore::ListScore(const QString& player, bool finishedOnly) {
    m_scoreList =
        mScoreBoard::ScoreList(m_records, m_moments, player, mScoreBoard::DayLimit(DayComboIndex()),
                               finishedOnly, GeneralDate::WallClock(m_clock.Now()));
}

void cScore::Create_Statistics() {
    m_statistics = mScoreBoard::Statistics(m_records, ReadPlayers(m_player),
                                           GeneralDate::WallClock(m_clock.Now()));
    m_statisticsList = mScoreBoard::StatisticsList(m_statistics);
}

void cScore::Create_TopScore() {
    QStringList existing;
    for (const mScoreBoard::Player& p : ReadPlayers(m_player)) {
        if (!p.name.isEmpty()) {
            existing << p.name;
        }
    }
    m_topScoreList = mScoreBoard::TopScoreList(mScoreBoard::TopScores(m_records), existing);
}

void cScore::Create_General(IGameFigures& game) {
    m_generalList = mScoreBoard::GeneralList(m_records);
    const QString start = m_save.SessionStart();
    mScoreBoard::SessionFigures session;
    if (const auto started = GeneralDate::ParseWallClock(start)) {
        session = mScoreBoard::Session(m_records, m_moments, *started);
    }
    const std::int64_t percentage =
        session.played > 0
            ? RoundHalfEven(static_cast<double>(session.won) / session.played * 100.0)
            : 0;
    m_labels.lblStart = QStringLiteral("Session Started : ") + start;
    m_labels.lblTotal = QStringLiteral("Games Played : ") + QString::number(session.played);
    m_labels.lblWon = QStringLiteral("Games Won : ") + QString::number(session.won);
    m_labels.lblLost =
        QStringLiteral("Games Lost : ") + QString::number(session.played - session.won);
    m_labels.lblPerc =
        QStringLiteral("Percentage : ") + QString::number(percentage) + QStringLiteral(" %");
    m_labels.lgmCards = QStringLiteral("Cards Left : ") + QString::number(game.CardsLeft());
    m_labels.lgmMove = QStringLiteral("Moves : ") + QString::number(game.MoveNumber());
    m_labels.lgmPlayer =
        QStringLiteral("Player : ") + m_player.GetName(m_player.GetCurrentPlayerIndex());
}

void cScore::Create_Global() {
    ReportList list;
    list.columns = {{QStringLiteral("Player"), 1500}, {QStringLiteral("Total"), 1100},
                    {QStringLiteral("Won"), 1100},    {QStringLiteral("Lost"), 1100},
                    {QStringLiteral("Time"), 1400},   {QStringLiteral("Points"), 1100},
                    {QStringLiteral("Perc"), 1100}};
    for (std::int16_t j = 1; j <= cPlayer::TotalsSlot; ++j) {
        const bool totals = j == cPlayer::TotalsSlot;
        const QString name = totals ? QStringLiteral("Total") : m_player.GetName(j);
        if (name.isEmpty()) {
            continue;
        }
        while (totals && list.rows.size() < cPlayer::MaxPlayers) {
            list.rows.push_back({{}, RowIcon::User, {QStringLiteral("None")}, false});
        }
        list.rows.push_back(
            {{},
             totals ? RowIcon::Totals : RowIcon::User,
             {name, QString::number(m_player.GetTotal(j)), QString::number(m_player.GetWon(j)),
              QString::number(m_player.GetLost(j)), ConvertTimeS(m_player.GetTime(j)),
              QString::number(m_player.GetAvgScore(j)),
              QString::number(m_player.GetPerc(j)) + QStringLiteral(" %")},
             totals});
    }
    m_globalList = std::move(list);

    QString file = m_save.LastExportedFile();
    std::int16_t limit = 30;
    m_labels.lblFile = QStringLiteral("Last Exported File : ") + cSave::SizeCheck(file, limit);
    m_labels.lblDate = QStringLiteral("Last Exported Date : ") + m_save.LastExportedDate();
    m_labels.lblGlobal = QStringLiteral("Last Global Cleared : ") + m_save.GlobalClearedDate();
    m_labels.lblGeneral = QStringLiteral("Last General Cleared : ") + m_save.GeneralClearedDate();
}

ProgressData cScore::Progress(const QString& player) const {
    return mScoreBoard::Progress(m_records, m_moments, player,
                                 GeneralDate::WallClock(m_clock.Now()));
}

QString cScore::ExportFileName() const {
    // A long date never names a folder, even in a locale that writes slashes.
    QString date = QLocale::system().toString(m_clock.Now().date(), QLocale::LongFormat);
    date.replace(u'/', u'-');
    return QStringLiteral("Scoreboard Exported on ") + date;
}

Result<void> cScore::ExportScore(const QString& path) {
    const auto refuse = [&path](const QString& reason) {
        return Fail("Cannot write the score board report " + path.toStdString() + ": " +
                    reason.toStdString());
    };
    if (QFileInfo(path).isSymLink()) {
        return refuse(QStringLiteral("it is not a regular file"));
    }

    mScoreReport::Contents contents;
    contents.createdBy = m_player.GetName(m_player.GetCurrentPlayerIndex());
    const QDateTime now = m_clock.Now();
    contents.createdDate = GeneralDate::Format(now);
    for (std::int16_t slot = 1; slot <= cPlayer::TotalsSlot; ++slot) {
        const QString name = m_player.GetName(slot);
        if (name.isEmpty()) {
            continue;
        }
        if (slot <= cPlayer::MaxPlayers) {
            contents.players.push_back({name, m_player.GetDate(slot), m_player.GetFullName(slot)});
        }
        contents.totals.push_back({name, m_player.GetTotal(slot), m_player.GetWon(slot),
                                   m_player.GetLost(slot), m_player.GetTime(slot),
                                   m_player.GetAvgScore(slot), m_player.GetPerc(slot)});
    }
    contents.statistics = m_statistics;
    const QByteArray bytes = mScoreReport::Text(contents, m_records);

    if (auto written = SafeFile::Replace(path, bytes); !written) {
        return refuse(QString::fromStdString(written.error().reason));
    }
    m_save.LastExportedDate(GeneralDate::Format(m_clock.Now()));
    m_save.LastExportedFile(path);
    return {};
}

} // namespace velmora
