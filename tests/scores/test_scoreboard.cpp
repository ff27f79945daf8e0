#include "ScoreBoardFixture.h"

#include "scores/mScoreBoard.h"

namespace velmora::test {
namespace {

TEST_F(ScoreBoardTest, NoRecordsGiveZerosFillersAndTotal) {
    AddPlayer("Guest", "11/20/2026 9:00:00 AM");
    AddPlayer("Ann", "11/21/2026 9:00:00 AM");
    Build();

    EXPECT_EQ(score->Filters().players, (QStringList{"Guest", "Ann", "All"}));
    EXPECT_EQ(score->Filters().selectedPlayer, 0);
    EXPECT_EQ(score->Filters().days, (QStringList{"Show Today", "Last 3 Days", "Last 1 Week",
                                                  "Last 1 Month", "Show All"}));
    EXPECT_EQ(score->Filters().selectedDay, 0);
    EXPECT_TRUE(score->ScoreList().rows.empty());
    EXPECT_EQ(Titles(score->ScoreList()),
              (QStringList{"ID", "Date", "Game", "Time", "Move", "Perc", "Points"}));
    EXPECT_TRUE(score->TopScoreList().rows.empty());

    EXPECT_EQ(Column(score->GeneralList(), 0),
              (QStringList{"Games Played", "Games Won", "Games Lost", "Time Taken", "Total Score",
                           "Total Moves", "Average Moves", "Average Time", "Average Score",
                           "Winning Percentage"}));
    EXPECT_EQ(Column(score->GeneralList(), 1),
              (QStringList{"0", "0", "0", "0:00:00", "0", "0", "0", "0:00:00", "0", "0 %"}));

    const ReportList& statistics = score->StatisticsList();
    EXPECT_EQ(Titles(statistics), (QStringList{"Statistics", "Guest", "Ann"}));
    ASSERT_EQ(statistics.rows.size(), 11U);
    EXPECT_EQ(Column(statistics, 2),
              (QStringList{"0", "0", "0", "0", "0", "0", "0:00:00", "0:00:00", "0 %", "0", "0"}));
    EXPECT_TRUE(statistics.rows.back().bold);
    EXPECT_FALSE(statistics.rows.front().bold);

    // Players that never played have no totals row yet; "Total" is still the sixth row.
    const ReportList& global = score->GlobalList();
    EXPECT_EQ(Column(global, 0), (QStringList{"Guest", "Ann", "None", "None", "None", "Total"}));
    EXPECT_EQ(global.rows[5].cells, (QStringList{"Total", "0", "0", "0", "0:00:00", "0", "0 %"}));
    EXPECT_TRUE(global.rows[5].bold);
    EXPECT_EQ(global.rows[5].icon, RowIcon::Totals);
    EXPECT_EQ(global.rows[2].icon, RowIcon::User);
    EXPECT_FALSE(global.rows[0].bold);

    // A rebuild starts from empty lists.
    Build();
    EXPECT_EQ(score->Filters().players.size(), 3);
    EXPECT_EQ(score->GlobalList().rows.size(), 6U);
    EXPECT_EQ(score->GeneralList().rows.size(), 10U);
}

TEST_F(ScoreBoardTest, DayFiltersCountCalendarDaysAndHideTheFuture) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    clock.now = QDateTime(QDate(2026, 12, 5), QTime(0, 5, 0));
    WriteScores(Line("Guest", 1, 1, 1, "12/4/2026 11:59:00 PM", 50, 1) +  // yesterday
                Line("Guest", 1, 2, 1, "12/5/2026 12:01:00 AM", 50, 1) +  // today
                Line("Guest", 1, 3, 1, "12/3/2026 12:00:00 AM", 50, 1) +  // 2 days back
                Line("Guest", 1, 4, 1, "12/2/2026 11:59:59 PM", 50, 1) +  // 3 days back
                Line("Guest", 1, 5, 1, "11/29/2026 12:00:00 AM", 50, 1) + // 6 days back
                Line("Guest", 1, 6, 1, "11/28/2026 11:00:00 PM", 50, 1) + // 7 days back
                Line("Guest", 1, 7, 1, "11/6/2026 12:00:00 PM", 50, 1) +  // 29 days back
                Line("Guest", 1, 8, 1, "11/5/2026 12:00:00 PM", 50, 1) +  // 30 days back
                Line("Guest", 1, 9, 1, "12/5/2026 12:06:00 AM", 50, 1) +  // a minute ahead
                Line("Guest", 1, 10, 1, "12/6/2026 12:00:00 AM", 50, 1)); // tomorrow
    Build();
    // A later minute of today is today; tomorrow shows only under "Show All".
    const std::pair<int, QStringList> expected[] = {
        {1, {"2", "9"}},
        {2, {"1", "2", "3", "9"}},
        {3, {"1", "2", "3", "4", "5", "9"}},
        {4, {"1", "2", "3", "4", "5", "6", "7", "9"}},
        {5, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const auto& [day, games] : expected) {
        score->DayComboIndex(static_cast<std::int16_t>(day));
        score->ListScore("Guest", false);
        EXPECT_EQ(Column(score->ScoreList(), 2), games) << "day filter " << day;
    }
}

TEST_F(ScoreBoardTest, ScoreListRowsForOnePlayerOrAll) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    AddPlayer("Ann", "10/1/2026 9:00:00 AM");
    WriteScores(Line("Guest", 125, 11982, 87, "12/5/2026 5:01:02 PM", 100, 141) +
                Line("Ann", 3725, 7, 40, "12/5/2026 5:02:00 PM", 50, 12) +
                Line("Guest", 75, 8, 20, "12/5/2026 5:03:00 PM", 73, 55) +
                Line("Gone", 1, 9, 1, "12/5/2026 5:04:00 PM", 100, 500));
    score->DayComboIndex(5);
    Build();

    const ReportList& guest = score->ScoreList();
    ASSERT_EQ(guest.rows.size(), 2U);
    EXPECT_EQ(guest.rows[0].cells,
              (QStringList{"1", "12/5/2026 5:01:02 PM", "11982", "0:02:05", "87", "100 %", "141"}));
    EXPECT_EQ(guest.rows[1].cells,
              (QStringList{"2", "12/5/2026 5:03:00 PM", "8", "0:01:15", "20", "73 %", "55"}));
    EXPECT_EQ(guest.rows[1].key, "a2");
    EXPECT_EQ(guest.rows[0].icon, RowIcon::Won);
    EXPECT_EQ(guest.rows[1].icon, RowIcon::Score);

    score->ListScore("All", false);
    EXPECT_EQ(score->ScoreList().columns[0].title, "Players");
    EXPECT_EQ(Column(score->ScoreList(), 0), (QStringList{"Guest", "Ann", "Guest"}));
    EXPECT_EQ(Column(score->ScoreList(), 3), (QStringList{"0:02:05", "1:02:05", "0:01:15"}));

    score->ListScore("All", true);
    EXPECT_EQ(Column(score->ScoreList(), 2), QStringList{"11982"});
    score->ListScore("guest", false);
    EXPECT_TRUE(score->ScoreList().rows.empty()) << "names are compared exactly";
}

TEST_F(ScoreBoardTest, TopScoresKeepTheBestElevenAndTheEarlierOfEqualScores) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    AddPlayer("Ann", "10/1/2026 9:00:00 AM");
    QByteArray text;
    // Thirteen wins with distinct points, mixed in order, then ties and a zero.
    const int points[] = {50, 130, 20, 90, 110, 70, 10, 120, 40, 100, 30, 80, 60};
    for (int i = 0; i < 13; ++i) {
        text += Line("Guest", 10, 100 + i, 10, "12/1/2026 10:00:00 AM", 100, points[i]);
    }
    WriteScores(text);
    Build();
    const ReportList& top = score->TopScoreList();
    EXPECT_EQ(Titles(top), (QStringList{"Player", "Date", "GameNo", "Moves", "Time", "Score"}));
    EXPECT_EQ(Column(top, 5),
              (QStringList{"130", "120", "110", "100", "90", "80", "70", "60", "50", "40", "30"}));
    ASSERT_EQ(top.rows.size(), 11U);
    EXPECT_EQ(top.rows[0].icon, RowIcon::BestUser);
    EXPECT_TRUE(top.rows[0].bold);
    EXPECT_EQ(top.rows[1].icon, RowIcon::User);
    EXPECT_FALSE(top.rows[1].bold);
    EXPECT_EQ(top.rows[0].cells,
              (QStringList{"Guest", "12/1/2026 10:00:00 AM", "101", "10", "0:00:10", "130"}));

    // Equal points: the earlier record stays above; lost games count too; 0 never enters.
    WriteScores(Line("Guest", 10, 1, 10, "12/1/2026 10:00:00 AM", 40, 70) +
                Line("Ann", 10, 2, 10, "12/1/2026 10:00:01 AM", 100, 70) +
                Line("Guest", 10, 3, 10, "12/1/2026 10:00:02 AM", 100, 90) +
                Line("Ann", 10, 4, 10, "12/1/2026 10:00:03 AM", 100, 70) +
                Line("Ann", 10, 5, 10, "12/1/2026 10:00:04 AM", 20, 0));
    Build();
    EXPECT_EQ(Column(score->TopScoreList(), 2), (QStringList{"3", "1", "2", "4"}));
}

TEST_F(ScoreBoardTest, StatisticsPerPlayerWithHalfToEvenAverages) {
    AddPlayer("Guest", "12/1/2026 10:00:00 AM");
    AddPlayer("Ann", "11/30/2026 11:00:00 PM");
    AddPlayer("Bob", "10/15/2026 10:00:00 AM");
    QByteArray text = Line("Guest", 100, 1, 10, "12/2/2026 10:00:00 AM", 100, 5) +
                      Line("Guest", 101, 2, 11, "12/2/2026 10:00:00 AM", 100, 5) +
                      Line("Guest", 30, 3, 3, "12/2/2026 10:00:00 AM", 50, 5);
    for (int i = 0; i < 3; ++i) {
        text += Line("Guest", 10, 4 + i, 1, "12/2/2026 10:00:00 AM", 20, 0);
    }
    for (int i = 0; i < 6; ++i) {
        text += Line("Ann", 1, 10 + i, 1, "12/2/2026 10:00:00 AM", 10, 0);
    }
    text += Line("Bob", 75, 20, 30, "12/2/2026 10:00:00 AM", 100, 9);
    for (int i = 0; i < 7; ++i) {
        text += Line("Bob", 1, 21 + i, 1, "12/2/2026 10:00:00 AM", 10, 0);
    }
    WriteScores(text);
    Build();

    const ReportList& list = score->StatisticsList();
    EXPECT_EQ(Column(list, 0),
              (QStringList{"Games Played", "Games Won", "Games Lost", "Total No. of Moves",
                           "Average Winning Moves", "Total Game Points", "Total Time Taken",
                           "Average Winning Time", "Winning Percentage", "Avg. Games per Month",
                           "Average Points"}));
    // Guest: 10.5 winning moves, 100.5 s winning time and 2.5 points round down to even.
    EXPECT_EQ(Column(list, 1), (QStringList{"6", "2", "4", "27", "10", "15", "0:04:21", "0:01:40",
                                            "33 %", "6", "2"}));
    // Created in the previous calendar month, one hour before this one: two months.
    EXPECT_EQ(Column(list, 2)[9], "3");
    // Bob: 1 of 8 is 12.5 %, down to 12; 8 games over three months is 2.67, up to 3.
    EXPECT_EQ(Column(list, 3)[8], "12 %");
    EXPECT_EQ(Column(list, 3)[9], "3");
    EXPECT_EQ(Column(list, 3)[7], "0:01:15");

    const PlayerStatistics& guest = score->Statistics()[0];
    EXPECT_EQ(guest.played, 6);
    EXPECT_EQ(guest.totalTime, 261);
    EXPECT_EQ(guest.averagePoints, 2);
}

TEST(ScoreBoardWidths, FollowTheListWidth) {
    // w = 9000 / 5 = 1800: the first column takes 2w + 500, the others w − 500 / 3.
    const std::vector<double> widths = mScoreBoard::StatisticsWidths(4, 9100);
    ASSERT_EQ(widths.size(), 4U);
    EXPECT_DOUBLE_EQ(widths[0], 4100);
    EXPECT_NEAR(widths[1], 1633.33, 0.01);
    EXPECT_DOUBLE_EQ(widths[3], widths[1]);
    // w = 4002 / 4 = 1000.5 is stored as the even 1000.
    EXPECT_DOUBLE_EQ(mScoreBoard::StatisticsWidths(3, 4102)[0], 2500);
    const auto general = mScoreBoard::GeneralWidths(3100);
    EXPECT_DOUBLE_EQ(general[0], 2000);
    EXPECT_DOUBLE_EQ(general[1], 1000);
}

TEST_F(ScoreBoardTest, GeneralPageAndThisSessionCountOnlyLaterRecords) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    AddPlayer("Ann", "10/1/2026 9:00:00 AM");
    save->SessionStart(QDateTime(QDate(2026, 12, 5), QTime(17, 0, 0)));
    WriteScores(Line("Guest", 3000, 1, 100, "12/5/2026 4:59:59 PM", 100, 30) +
                Line("Ann", 1000, 2, 51, "12/5/2026 5:00:00 PM", 40, 3) +
                Line("Ann", 600, 3, 50, "12/5/2026 5:00:01 PM", 100, 10) +
                Line("Guest", 400, 4, 40, "12/5/2026 5:10:00 PM", 25, 2));
    game.moves = 12;
    game.cardsLeft = 30;
    Build();

    // Averages over four games: 241 / 4 = 60.25, 5000 / 4 = 1250 s, 45 / 4 = 11.25.
    EXPECT_EQ(Column(score->GeneralList(), 1),
              (QStringList{"4", "2", "2", "1:23:20", "45", "241", "60", "0:20:50", "11", "50 %"}));
    const ScoreLabels& l = score->Labels();
    EXPECT_EQ((QStringList{l.lblStart, l.lblTotal, l.lblWon, l.lblLost, l.lblPerc, l.lgmPlayer,
                           l.lgmMove, l.lgmCards}),
              (QStringList{"Session Started : 12/5/2026 5:00:00 PM", "Games Played : 2",
                           "Games Won : 1", "Games Lost : 1", "Percentage : 50 %", "Player : Guest",
                           "Moves : 12", "Cards Left : 30"}));
}

TEST_F(ScoreBoardTest, ClearGeneralEmptiesTheFileAndClearGlobalOnlyTheTotals) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    ASSERT_TRUE(score->SaveScore(1, 87, 125, 100));
    ASSERT_TRUE(score->SaveScore(2, 80, 120, 50));
    score->DayComboIndex(5);
    Build();
    ASSERT_EQ(score->ScoreList().rows.size(), 2U);
    ASSERT_EQ(score->TopScoreList().rows.size(), 2U);

    clock.Advance(60);
    ASSERT_TRUE(score->Clear_General());
    EXPECT_EQ(score->Count(), 0);
    EXPECT_TRUE(QFile::exists(save->ScoreFile()));
    EXPECT_TRUE(ReadAll(save->ScoreFile()).isEmpty());
    Build();
    EXPECT_TRUE(score->ScoreList().rows.empty());
    EXPECT_TRUE(score->TopScoreList().rows.empty());
    EXPECT_EQ(Column(score->StatisticsList(), 1)[0], "0");
    EXPECT_EQ(score->GlobalList().rows[0].cells,
              (QStringList{"Guest", "2", "1", "1", "0:04:05", "83", "50 %"}));
    EXPECT_EQ(score->GlobalList().rows[5].cells[1], "2");
    EXPECT_EQ(score->Labels().lblGeneral, "Last General Cleared : 12/5/2026 5:21:00 PM");
    EXPECT_EQ(score->Labels().lblGlobal, "Last Global Cleared : None");

    ASSERT_TRUE(score->SaveScore(3, 10, 10, 100));
    const QByteArray kept = ReadAll(save->ScoreFile());
    clock.Advance(5);
    score->Clear_Global();
    EXPECT_EQ(ReadAll(save->ScoreFile()), kept);
    Build();
    EXPECT_EQ(score->GlobalList().rows[0].cells,
              (QStringList{"Guest", "0", "0", "0", "0:00:00", "0", "0 %"}));
    EXPECT_EQ(score->GlobalList().rows[5].cells[1], "0");
    EXPECT_EQ(score->Labels().lblGlobal, "Last Global Cleared : 12/5/2026 5:21:05 PM");
}

TEST_F(ScoreBoardTest, ExportLabelsShortenTheFile) {
    AddPlayer("Guest", "10/1/2026 9:00:00 AM");
    Build();
    EXPECT_EQ(score->Labels().lblFile, "Last Exported File : None");
    save->LastExportedFile("/home/player/Exported Files/Scoreboard report.txt");
    save->LastExportedDate("12/5/2026 5:00:00 PM");
    Build();
    EXPECT_EQ(score->Labels().lblFile, "Last Exported File : /home/p...s/Scoreboard report.txt");
    EXPECT_EQ(score->Labels().lblDate, "Last Exported Date : 12/5/2026 5:00:00 PM");
}

TEST_F(ScoreBoardTest, ProgressSortsByDateAveragesAndCountsTwelveMonths) {
    AddPlayer("Guest", "1/1/2025 9:00:00 AM");
    AddPlayer("Ann", "1/1/2025 9:00:00 AM");
    QByteArray text = Line("Guest", 1, 1, 1, "12/3/2026 9:00:00 AM", 100, 30) +
                      Line("Guest", 1, 2, 1, "12/1/2026 9:00:00 AM", 40, 10) +
                      Line("Ann", 1, 3, 1, "12/2/2026 9:00:00 AM", 100, 99) +
                      Line("Guest", 1, 4, 1, "1/31/2026 11:00:00 PM", 100, 20) +
                      Line("Guest", 1, 5, 1, "12/31/2025 11:00:00 PM", 100, 20) +
                      Line("Guest", 1, 6, 1, "1/2/2027 9:00:00 AM", 30, 0);
    for (int i = 0; i < 10; ++i) {
        text += Line("Ann", 1, 10 + i, 1, "11/2/2026 9:00:00 AM", 20, 1);
    }
    WriteScores(text);
    Build();

    const ProgressData guest = score->Progress("Guest");
    QList<std::int32_t> points;
    for (const ProgressGame& g : guest.games) {
        points << g.points;
    }
    EXPECT_EQ(points, (QList<std::int32_t>{20, 20, 10, 30, 0}));
    EXPECT_DOUBLE_EQ(guest.games[2].average, 50.0 / 3);
    EXPECT_EQ(guest.months[0].year, 2026);
    EXPECT_EQ(guest.months[0].month, 1);
    EXPECT_EQ(guest.months[11].month, 12);
    EXPECT_EQ(guest.months[0].won, 1) << "January 2026 is the oldest month shown";
    EXPECT_EQ(guest.months[11].won, 1);
    EXPECT_EQ(guest.months[11].lost, 1);
    int counted = 0;
    for (const ProgressMonth& m : guest.months) {
        counted += m.won + m.lost;
    }
    EXPECT_EQ(counted, 3) << "December 2025 and the future January are outside";

    // The moving average covers the last ten games only.
    const ProgressData all = score->Progress("All");
    ASSERT_EQ(all.games.size(), 16U);
    EXPECT_DOUBLE_EQ(all.games[10].average, (20 + 1 * 9) / 10.0);
    EXPECT_DOUBLE_EQ(all.games[11].average, 1.0);
    EXPECT_EQ(all.months[10].lost, 10);
}

} // namespace
} // namespace velmora::test
