#include "ScoreBoardFixture.h"
#include "support/FileSizeLimit.h"

#include "library/GeneralDate.h"

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

class ScoreTest : public ScoreBoardTest {
protected:
    void SetUp() override {
        ScoreBoardTest::SetUp();
        AddCurrent("Guest");
    }
    /// Adds a player created now and makes it current.
    void AddCurrent(const QString& name) {
        AddPlayer(name, "12/5/2026 5:20:00 PM");
        combo.SelectPosition(static_cast<int>(combo.items.indexOf(name)) + 1);
    }
    QByteArray File() const { return ReadAll(Path("scores.sre")); }
};

TEST(Points, WorkedExamplesAndZeroes) {
    EXPECT_EQ(cScore::GetScore(100, 200, 100), 99);
    EXPECT_EQ(cScore::GetScore(80, 120, 50), 25);
    EXPECT_EQ(cScore::GetScore(87, 125, 100), 141);
    EXPECT_EQ(cScore::GetScore(0, 125, 100), 0);
    EXPECT_EQ(cScore::GetScore(87, 0, 100), 0);
    EXPECT_EQ(cScore::GetScore(87, 125, 0), 0);
    EXPECT_EQ(cScore::GetScore(150, 250, 2), 0);   // 200 / 400 = 0.5 goes to 0
    EXPECT_EQ(cScore::GetScore(-10, 5, 50), 1000); // made positive
    EXPECT_EQ(cScore::GetScore(-5, 5, 50), 0);
}

TEST(Points, DurationsKeepTheClockShape) {
    EXPECT_EQ(cScore::ConvertTimeS(0), "0:00:00");
    EXPECT_EQ(cScore::ConvertTimeS(75), "0:01:15");
    EXPECT_EQ(cScore::ConvertTimeS(3725), "1:02:05");
    EXPECT_EQ(cScore::ConvertTimeS(86399), "23:59:59");
    EXPECT_EQ(cScore::ConvertTimeS(86400), "24:00:00");
    EXPECT_EQ(cScore::ConvertTimeS(400000), "111:06:40");
    EXPECT_EQ(cScore::ConvertTimeS(-5), "-0:00:05");
}

TEST(Points, RecordLinesAreExact) {
    const ScoreRecord won{"Guest", 125, 11982, 87, "12/5/2026 5:31:02 PM", 100, 141};
    EXPECT_EQ(cScore::FormatRecord(won), "\"Guest\",125,11982,87,\"12/5/2026 5:31:02 PM\",100,141");
    EXPECT_EQ(cScore::ParseRecord(cScore::FormatRecord(won)), won);
    const ScoreRecord comma{"A, B", 1, 2, 3, "1/2/2026 3:04:05 AM", 4, 5};
    EXPECT_EQ(cScore::ParseRecord(cScore::FormatRecord(comma)), comma);
    EXPECT_EQ(cScore::FormatRecord({"x\"y", 0, 0, 0, "", 0, 0}), "\"x'y\",0,0,0,\"\",0,0");
    EXPECT_EQ(cScore::ParseRecord(" \"Guest\", 125 ,11982,87,\"d\",100,141")->Time, 125);

    for (const char* bad : {"\"Guest\",125,11982,87,\"d\",100", "\"Guest\",1,2,3,\"d\",100,141,9",
                            "Guest,1,2,3,\"d\",100,141", "\"Guest\",1,x,3,\"d\",100,141",
                            "\"Guest\",1,2,3,\"d\",101,141", "\"Guest,1,2,3,d,100,141",
                            "\"Guest\",99999999999,2,3,\"d\",100,141"}) {
        EXPECT_FALSE(cScore::ParseRecord(QString::fromLatin1(bad))) << bad;
    }
}

TEST_F(ScoreTest, SaveScoreAppendsALineAndCreditsThePlayer) {
    clock.now = QDateTime(QDate(2026, 12, 5), QTime(17, 31, 2));
    ASSERT_TRUE(score->SaveScore(11982, 87, 125, 100));
    clock.Advance(60);
    ASSERT_TRUE(score->SaveScore(7, 0, 30, 40));
    EXPECT_EQ(File(), "\"Guest\",125,11982,87,\"12/5/2026 5:31:02 PM\",100,141\r\n"
                      "\"Guest\",30,7,0,\"12/5/2026 5:32:02 PM\",40,0\r\n");
    EXPECT_EQ((std::vector<int>{player->GetTotal(1), player->GetWon(1), player->GetLost(1),
                                player->GetTime(1), player->GetScore(1), player->GetTotal(6)}),
              (std::vector<int>{2, 1, 1, 155, 141, 2}));

    score->LoadScores();
    ASSERT_EQ(score->Count(), 2);
    EXPECT_EQ(score->Records()[1].Perc, 40);
}

TEST_F(ScoreTest, AGameThatCannotBeRecordedIsReportedAndNotCounted) {
    // The disk fills up in the middle of the line: the line goes, the totals stay.
    const QByteArray old =
        QByteArray("\"Guest\",1,2,3,\"12/5/2026 5:20:00 PM\",4,5\r\n").repeated(200);
    WriteScores(old);
    {
        FileSizeLimit full(static_cast<std::uint64_t>(old.size()) + 5);
        auto recorded = score->SaveScore(1, 10, 10, 100);
        ASSERT_FALSE(recorded);
        EXPECT_EQ(recorded.error().message, "The game could not be recorded in the score file \"" +
                                                Path("scores.sre").toStdString() +
                                                "\": file too large.");
    }
    EXPECT_EQ(File(), old);
    EXPECT_EQ(player->GetTotal(1), 0);
    EXPECT_EQ(player->GetTotal(6), 0);

    // A FIFO there neither blocks the game nor is written to; the board reads no scores.
    QFile::remove(Path("scores.sre"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("scores.sre")).constData(), 0600), 0);
    auto fifo = score->SaveScore(1, 10, 10, 100);
    ASSERT_FALSE(fifo);
    EXPECT_NE(fifo.error().message.find("\": it is not a regular file."), std::string::npos);
    score->LoadScores();
    EXPECT_EQ(score->Count(), 0);

    Touch(Path("a file"));
    save->ScoreFile(Path("a file/scores.sre"));
    EXPECT_FALSE(score->SaveScore(1, 10, 10, 100));
    EXPECT_EQ(player->GetWon(1), 0);
}

TEST_F(ScoreTest, TotalsThatCannotBeSavedTakeTheLineBack) {
    const QByteArray old = "\"Guest\",1,2,3,\"12/5/2026 5:20:00 PM\",4,5"; // unended
    WriteScores(old);
    store->SaveSetting("Save", "LastExportedFile", QString(2000, u'x'));
    {
        // Room for a line in the score file, none for a new settings file: a disk that is
        // nearly full.
        FileSizeLimit nearlyFull(static_cast<std::uint64_t>(old.size()) + 200);
        auto recorded = score->SaveScore(1, 10, 10, 100);
        ASSERT_FALSE(recorded);
        EXPECT_NE(recorded.error().message.find("totals could not be saved"), std::string::npos);
    }
    EXPECT_EQ(File(), old) << "the line and the line end before it are gone";
    EXPECT_EQ(player->GetTotal(1), 0);

    ASSERT_TRUE(score->SaveScore(1, 10, 10, 100));
    EXPECT_EQ(File().count('\n'), 2);
    EXPECT_EQ(player->GetTotal(1), 1);
    EXPECT_EQ(player->GetWon(6), 1);
}

TEST_F(ScoreTest, LoaderKeepsOnlyRecordsOfTheCurrentHolderOfAName) {
    clock.Advance(10);
    ASSERT_TRUE(score->SaveScore(1, 10, 10, 100));
    clock.Advance(10);
    ASSERT_TRUE(score->SaveScore(2, 10, 10, 50));
    score->LoadScores();
    EXPECT_EQ(score->Count(), 2);

    // Guest removed and added again later: both old records predate the new Guest.
    AddCurrent("Other");
    ASSERT_TRUE(user->RemoveUser("x1"));
    clock.Advance(10);
    user->AddUser("Guest", "", GeneralDate::Format(clock.now));
    score->LoadScores();
    EXPECT_EQ(score->Count(), 0);
    EXPECT_EQ(player->GetTotal(player->GetNum("Guest")), 0);

    // A record in the very second of the creation is skipped, one second later is kept.
    user->ListUserCombo();
    combo.SelectPosition(static_cast<int>(combo.items.indexOf("Guest")) + 1);
    ASSERT_TRUE(score->SaveScore(3, 10, 10, 50));
    clock.Advance(1);
    ASSERT_TRUE(score->SaveScore(4, 10, 10, 50));
    score->LoadScores();
    ASSERT_EQ(score->Count(), 1);
    EXPECT_EQ(score->Records()[0].GameNumber, 4);
}

TEST_F(ScoreTest, ABadLineIsSkippedAndTheRestLoads) {
    // A line far longer than any record is skipped whole, the records around it stay.
    WriteScores("\"Guest\",10,1,10,\"12/6/2026 1:00:00 AM\",100,1500\n"
                "\"Guest\",10,9," +
                QByteArray(9000, '9') +
                ",\"12/6/2026 1:00:00 AM\",100,1\n"
                "garbage line\n"
                "\"Guest\",10,2,10,\"not a date\",100,1500\n"
                "\n"
                "\"Guest\",10,3,10,\"12/6/2026 1:00:01 AM\",100,1500");
    score->LoadScores();
    ASSERT_EQ(score->Count(), 2);
    EXPECT_EQ(score->Records()[1].GameNumber, 3);
}

TEST_F(ScoreTest, TheTableGrowsByAHundredUpToItsLimit) {
    score->LoadScores(); // no file yet
    EXPECT_EQ(score->Count(), 0);
    EXPECT_EQ(score->Capacity(), 100);
    const auto load = [&](int lines) {
        QByteArray text;
        for (int i = 0; i < lines; ++i) {
            text += Line("Guest", 10, i, 10, "12/6/2026 1:00:00 AM", 50, 25);
        }
        WriteScores(text);
        score->LoadScores();
    };
    load(150);
    EXPECT_EQ(score->Count(), 150);
    EXPECT_EQ(score->Capacity(), 200);
    load(cScore::MaxRecords + 1);
    ASSERT_EQ(score->Count(), cScore::MaxRecords);
    EXPECT_EQ(score->Records().back().GameNumber, cScore::MaxRecords - 1);
}

} // namespace
