#include "scores/cScore.h"

#include "engine/Rounding.h"
#include "library/Clock.h"
#include "library/GeneralDate.h"
#include "library/StoreValue.h"
#include "library/cSave.h"
#include "scores/cPlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::string FileError(const QString& path, const QString& reason) {
    return "Cannot write the score file " + path.toStdString() + ": " + reason.toStdString();
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

QString cScore::ConvertTimeS(std::int32_t seconds) {
    const std::int64_t t = std::llabs(static_cast<std::int64_t>(seconds));
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

Result<void> cScore::SaveScore(std::int32_t gameNumber, std::int32_t moves,
                               std::int32_t seconds, std::int16_t perc) {
    const std::int16_t slot = m_player.GetCurrentPlayerIndex();
    ScoreRecord r;
    r.Name = m_player.GetName(slot);
    r.Time = seconds;
    r.GameNumber = gameNumber;
    r.Moves = moves;
    r.Date = GeneralDate::Format(m_clock.Now());
    r.Perc = perc;
    r.Score = GetScore(moves, seconds, perc);

    Result<void> written;
    const QString path = m_save.ScoreFile();
    QFile file(path);
    if (auto folder = MakeFolder(QFileInfo(path).absolutePath()); !folder) {
        written = folder;
    } else if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        written = Fail(FileError(path, file.errorString()));
    } else {
        const QByteArray line = (FormatRecord(r) + QStringLiteral("\r\n")).toUtf8();
        if (file.write(line) != line.size()) {
            written = Fail(FileError(path, file.errorString()));
        }
        file.close();
    }

    // No player selected: there is no slot whose totals could take the game.
    if (slot >= 1) {
        const bool won = perc == 100;
        m_player.SaveScore(slot, 1, won ? 1 : 0, won ? 0 : 1, seconds, r.Score);
    }
    return written;
}

bool cScore::Keep(const ScoreRecord& record) const {
    if (!m_player.PlayerExists(record.Name)) {
        return false;
    }
    const auto created = GeneralDate::Parse(m_player.GetDate(m_player.GetNum(record.Name)));
    const auto recorded = GeneralDate::Parse(record.Date);
    if (!created || !recorded) {
        return false;
    }
    return GeneralDate::SecondsBetween(*created, *recorded) > 0;
}

void cScore::LoadScores() {
    m_records.clear();
    m_capacity = 100;
    QFile file(m_save.ScoreFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty()) {
            continue;
        }
        if (Count() >= MaxRecords) {
            break;
        }
        if (Count() + 1 > m_capacity) {
            m_capacity += 100;
        }
        const auto record = ParseRecord(line);
        if (record && Keep(*record)) {
            m_records.push_back(*record);
        }
    }
}

Result<void> cScore::Clear_General() {
    const QString path = m_save.ScoreFile();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail(FileError(path, file.errorString()));
    }
    if (!file.commit()) {
        return Fail(FileError(path, file.errorString()));
    }
    m_save.GeneralClearedDate(GeneralDate::Format(m_clock.Now()));
    LoadScores();
    return {};
}

void cScore::Clear_Global() {
    m_player.ClearGlobal();
    m_save.GlobalClearedDate(GeneralDate::Format(m_clock.Now()));
}

} // namespace velmora
