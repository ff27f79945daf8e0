#include "ScoreBoardFixture.h"

#include "scores/mScoreReport.h"

namespace velmora::test {
namespace {

using mScoreReport::PrintLine;

TEST(PrintZones, ItemsStartAtTheZoneAfterThePreviousItem) {
    EXPECT_EQ(PrintLine({QStringLiteral("Name"), QStringLiteral("Created Date & Time"),
                         QStringLiteral("Full Name")}),
              "Name" + QString(10, u' ') + "Created Date & Time" + QString(9, u' ') + "Full Name");
    // Integers carry a leading space or their minus sign, and a trailing space.
    EXPECT_EQ(PrintLine({QStringLiteral("x"), std::int64_t{12}, std::int64_t{-5}, std::int64_t{0}}),
              "x" + QString(13, u' ') + " 12 " + QString(10, u' ') + "-5 " + QString(11, u' ') +
                  " 0 ");
    // An item filling its zone to the last column leaves the next zone empty.
    EXPECT_EQ(PrintLine({QStringLiteral("14 characters!"), QStringLiteral("b")}),
              "14 characters!" + QString(14, u' ') + "b");
    EXPECT_EQ(PrintLine({QStringLiteral("13 characters"), QStringLiteral("b")}),
              "13 characters" + QString(1, u' ') + "b");
    EXPECT_EQ(PrintLine({QString(), QStringLiteral("b")}), QString(14, u' ') + "b");
}

class ScoreReportTest : public ScoreBoardTest {
protected:
    /// Two players, Guest with 12 games and 5 wins in its totals, three records.
    void SetUp() override {
        ScoreBoardTest::SetUp();
        AddPlayer("Guest", "11/20/2026 9:00:00 AM", "Guest Player");
        AddPlayer("Ann", "11/21/2026 10:30:00 AM", "Ann Smith");
        player->SaveScore(1, 12, 5, 7, 3725, 600);
        WriteScores(Line("Guest", 125, 11982, 87, "12/1/2026 5:31:02 PM", 100, 141) +
                    Line("Ann", 120, 7, 80, "12/2/2026 9:00:00 AM", 50, 25) +
                    Line("Guest", 3725, -3, 0, "12/3/2026 10:00:00 PM", 0, 0));
        Build();
    }
};

TEST_F(ScoreReportTest, ReportMatchesTheExpectedFileByteForByte) {
    const QString path = Path("report.txt");
    clock.Advance(30);
    ASSERT_TRUE(score->ExportScore(path));
    const QByteArray expected = ReadAll(VELMORA_TEST_DATA "/scoreboard_report.txt");
    ASSERT_FALSE(expected.isEmpty());
    QByteArray written = ReadAll(path);
    // The report is dated when it is written.
    written.replace("12/5/2026 5:20:30 PM", "12/5/2026 5:20:00 PM");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(save->LastExportedFile(), path);
    EXPECT_EQ(save->LastExportedDate(), "12/5/2026 5:20:30 PM");
}

TEST_F(ScoreReportTest, WithoutRecordsOrTotalsEverySectionIsStillWritten) {
    // A fresh pair of players: no totals row has been written and the score file is empty.
    store->DeleteSetting();
    save->ScoreFile(Path("scores.sre"));
    AddPlayer("Guest", "11/20/2026 9:00:00 AM", "Guest Player");
    WriteScores({});
    Build();
    ASSERT_TRUE(score->ExportScore(Path("empty.txt")));
    const QList<QByteArray> lines = ReadAll(Path("empty.txt")).split('\n');
    QList<QByteArray> trimmed;
    for (const QByteArray& line : lines) {
        trimmed << line.trimmed();
    }
    const qsizetype global = trimmed.indexOf("Global History");
    const qsizetype general = trimmed.indexOf("General History");
    const qsizetype scores = trimmed.indexOf("General Score");
    ASSERT_GT(global, 0);
    ASSERT_GT(general, global);
    ASSERT_GT(scores, general);
    // Global History: a blank, the header and the one player, no "Total" line yet.
    EXPECT_EQ(general - global, 6);
    EXPECT_TRUE(lines[global + 3].startsWith("Guest          0 "));
    EXPECT_TRUE(lines[general + 3].startsWith("Guest          0             0             0"));
    EXPECT_TRUE(lines[general + 3].contains("0:00:00"));
    EXPECT_EQ(lines.size(), scores + 3 + 1) << "General Score holds its header only";
}

TEST_F(ScoreReportTest, OnlyRegularFilesAreWrittenAndFailuresChangeNothing) {
    EXPECT_FALSE(score->ExportScore(Path("no such folder/report.txt")));
    EXPECT_EQ(save->LastExportedFile(), "None");
    EXPECT_EQ(save->LastExportedDate(), "None");

    // A link is never followed.
    const QString target = Path("target.txt");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    ASSERT_TRUE(QFile::link(target, Path("link.txt")));
    EXPECT_FALSE(score->ExportScore(Path("link.txt")));
    EXPECT_EQ(ReadAll(target), "kept");
    EXPECT_EQ(save->LastExportedFile(), "None");

    // An existing report is replaced whole.
    ASSERT_TRUE(score->ExportScore(target));
    EXPECT_TRUE(ReadAll(target).startsWith("Velmora 2003 Score Board\r\n \r\n"));
    EXPECT_EQ(save->LastExportedFile(), target);
}

TEST_F(ScoreReportTest, TheProposedNameCarriesTodaysLongDate) {
    const QString name = score->ExportFileName();
    EXPECT_TRUE(name.startsWith("Scoreboard Exported on ")) << name.toStdString();
    EXPECT_EQ(
        name.mid(23),
        QLocale::system().toString(QDate(2026, 12, 5), QLocale::LongFormat).replace(u'/', u'-'));
    EXPECT_FALSE(name.contains(u'/'));
}

} // namespace
} // namespace velmora::test
