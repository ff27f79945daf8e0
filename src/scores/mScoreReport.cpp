#include "scores/mScoreReport.h"

namespace velmora::mScoreReport {

namespace {

QString ItemText(const Item& item) {
    if (const auto* text = std::get_if<QString>(&item)) {
        return *text;
    }
    const std::int64_t value = std::get<std::int64_t>(item);
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) +
           QStringLiteral(" ");
}

/// Collects the report's lines, each ended by CR LF.
class Writer {
public:
    void Line(const std::vector<Item>& items) {
        m_text += PrintLine(items) + QStringLiteral("\r\n");
    }
    /// A line that looks empty: one space.
    void Blank() { Line({QStringLiteral(" ")}); }
    /// Two blank lines, the section title, one blank line.
    void Section(const char* title) {
        Blank();
        Blank();
        Line({QString::fromLatin1(title)});
        Blank();
    }
    QByteArray Bytes() const { return m_text.toUtf8(); }

private:
    QString m_text;
};

std::vector<Item> TotalsHeader() {
    return {QStringLiteral("Player"), QStringLiteral("Total"), QStringLiteral("Won"),
            QStringLiteral("Lost"),   QStringLiteral("Time"),  QStringLiteral("Avg. Points"),
            QStringLiteral("Perc")};
}

} // namespace

QString PrintLine(const std::vector<Item>& items) {
    QString line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // The previous item ends before column c = length + 1.
            const qsizetype start = ZoneWidth * (line.size() / ZoneWidth) + ZoneWidth + 1;
            line = line.leftJustified(start - 1, u' ');
        }
        line += ItemText(items[i]);
    }
    return line;
}

QByteArray Text(const Contents& contents, const std::vector<ScoreRecord>& records) {
    Writer out;
    out.Line({QStringLiteral("Velmora 2003 Score Board")});
    out.Blank();
    out.Line({QString(25, u'*')});
    out.Blank();
    out.Line({QStringLiteral("Created By"), contents.createdBy});
    out.Line({QStringLiteral("Created Date"), contents.createdDate});
    out.Blank();
    out.Line({QString(34, u'-')});
    out.Blank();
    out.Line({QStringLiteral("Player List")});
    out.Blank();
    out.Line({QStringLiteral("Name"), QStringLiteral("Created Date & Time"),
              QStringLiteral("Full Name")});
    out.Blank();
    for (const PlayerLine& p : contents.players) {
        out.Line({p.name, p.date, p.fullName});
    }

    out.Section("Global History");
    out.Line(TotalsHeader());
    for (const TotalsLine& t : contents.totals) {
        out.Line({t.name, std::int64_t{t.total}, std::int64_t{t.won}, std::int64_t{t.lost},
                  cScore::ConvertTimeS(t.time), std::int64_t{t.averagePoints},
                  std::int64_t{t.percentage}});
    }

    out.Section("General History");
    out.Line(TotalsHeader());
    for (const PlayerStatistics& s : contents.statistics) {
        if (s.name.isEmpty()) {
            continue;
        }
        out.Line({s.name, std::int64_t{s.played}, std::int64_t{s.won}, std::int64_t{s.lost},
                  cScore::ConvertTimeS(s.totalTime), std::int64_t{s.averagePoints},
                  std::int64_t{s.winningPercentage}});
    }

    out.Section("General Score");
    out.Line({QStringLiteral("Player"), QStringLiteral("Time"), QStringLiteral("GameNo"),
              QStringLiteral("Moves"), QStringLiteral("Perc"), QStringLiteral("Score"),
              QStringLiteral("Date")});
    for (const ScoreRecord& r : records) {
        out.Line({r.Name, cScore::ConvertTimeS(r.Time), std::int64_t{r.GameNumber},
                  std::int64_t{r.Moves}, QString::number(r.Perc) + QStringLiteral(" %"),
                  std::int64_t{r.Score}, r.Date});
    }
    return out.Bytes();
}

} // namespace velmora::mScoreReport
