#include "ScoreBoardFixture.h"
#include "support/Widgets.h"

#include "engine/Ports.h"
#include "scores/frmScore.h"
#include "scores/ui/ProgressCharts.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

namespace velmora::test {
namespace {

class ScoreDialogTest : public ScoreBoardTest {
protected:
    void SetUp() override {
        ScoreBoardTest::SetUp();
        AddPlayer("Guest", "11/20/2026 9:00:00 AM", "Guest Player");
        AddPlayer("Ann", "11/21/2026 10:30:00 AM");
        clock.now = QDateTime(QDate(2026, 12, 5), QTime(17, 20, 0));
        ASSERT_TRUE(score->SaveScore(11982, 87, 125, 100));
        clock.Advance(60);
        ASSERT_TRUE(score->SaveScore(7, 80, 120, 50));
        clock.Advance(60);
    }

    std::unique_ptr<frmScore> Open() {
        return std::make_unique<frmScore>(
            ScoreContext{*score, *save, game, messages, files, &sound});
    }
    static QString Text(QWidget& w, const char* name) { return Find<QLabel>(w, name)->text(); }
    static QAbstractItemModel* Model(QWidget& w, const char* name) {
        return Find<QTreeView>(w, name)->model();
    }
    static QString Cell(QWidget& w, const char* list, int row, int column) {
        QAbstractItemModel* model = Model(w, list);
        return model->data(model->index(row, column)).toString();
    }
    static QString Header(QWidget& w, const char* list, int column) {
        return Model(w, list)->headerData(column, Qt::Horizontal).toString();
    }
    /// The numbers (1-based) of the pages not hidden.
    static std::vector<int> ShownPages(QWidget& w) {
        std::vector<int> shown;
        for (int i = 1; i <= frmScore::PageCount; ++i) {
            const QString name = QStringLiteral("frame") + QString::number(i);
            if (!w.findChild<QGroupBox*>(name)->isHidden()) {
                shown.push_back(i);
            }
        }
        return shown;
    }
    static void Pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    FakeFileDialogs files;
    RecordingSound sound;
};

TEST_F(ScoreDialogTest, OpeningPlaysTheSoundShowsTheStoredTabAndEveryPage) {
    score->TabIndex(4);
    game.gameTime = 75;
    game.sessionTime = 3725;
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Score Board");
    EXPECT_EQ(sound.events, std::vector<int>{14});
    auto* tabs = Find<QTabBar>(*dialog, "TabStrip1");
    ASSERT_EQ(tabs->count(), 6);
    EXPECT_EQ(tabs->tabText(4), "Global Statistics");
    EXPECT_EQ(tabs->tabText(5), "Progress");
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(ShownPages(*dialog), std::vector<int>{4});
    EXPECT_EQ(Find<QGroupBox>(*dialog, "frame1")->title(), "Genral Statistics");

    EXPECT_EQ(Cell(*dialog, "lvwTopScore", 0, 5), "141");
    EXPECT_TRUE(Model(*dialog, "lvwTopScore")
                    ->data(Model(*dialog, "lvwTopScore")->index(0, 0), Qt::FontRole)
                    .value<QFont>()
                    .bold());
    EXPECT_EQ(Cell(*dialog, "lvwGlobal", 5, 0), "Total");
    EXPECT_EQ(Model(*dialog, "lvwStatistics")->columnCount(), 3);
    EXPECT_EQ(Cell(*dialog, "lvwGeneral", 0, 1), "2");

    // No game in play: the five "This Game" labels are off and its time reads zero.
    for (const char* name : {"lgmgame", "lgmPlayer", "lgmMove", "lgmCards", "lgmTime"}) {
        EXPECT_FALSE(Find<QLabel>(*dialog, name)->isEnabled()) << name;
    }
    EXPECT_EQ(Text(*dialog, "lgmTime"), "Time Elapsed : 0:00:00");
    EXPECT_EQ(Text(*dialog, "lblTime"), "Time Elapsed : 1:02:05");
    EXPECT_EQ(Text(*dialog, "lgmPlayer"), "Player : Guest");

    game.inProgress = true;
    game.moves = 9;
    auto playing = Open();
    EXPECT_TRUE(Find<QLabel>(*playing, "lgmTime")->isEnabled());
    EXPECT_EQ(Text(*playing, "lgmTime"), "Time Elapsed : 0:01:15");
    EXPECT_EQ(Text(*playing, "lgmMove"), "Moves : 9");
    game.gameTime = 76;
    game.sessionTime = 3726;
    playing->Timer1_Timer();
    EXPECT_EQ(Text(*playing, "lgmTime"), "Time Elapsed : 0:01:16");
    EXPECT_EQ(Text(*playing, "lblTime"), "Time Elapsed : 1:02:06");
}

TEST_F(ScoreDialogTest, TabsAndFiltersAndOkStoresTheTabButCancelDoesNot) {
    auto dialog = Open();
    auto* tabs = Find<QTabBar>(*dialog, "TabStrip1");
    EXPECT_EQ(ShownPages(*dialog), std::vector<int>{1});
    tabs->setCurrentIndex(1);
    EXPECT_EQ(ShownPages(*dialog), std::vector<int>{2});

    // Today's games of the current player, numbered.
    auto* users = Find<QComboBox>(*dialog, "imcUser");
    auto* days = Find<QComboBox>(*dialog, "imcDay");
    EXPECT_EQ(users->currentText(), "Guest");
    EXPECT_EQ(days->currentText(), "Show Today");
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 2);

    Pick(users, 2);
    EXPECT_EQ(Header(*dialog, "lvwScore", 0), "Players");
    EXPECT_EQ(Cell(*dialog, "lvwScore", 1, 0), "Guest");
    Pick(users, 1);
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 0);
    Pick(users, 0);
    Find<QCheckBox>(*dialog, "chkFinished")->click();
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 1);
    EXPECT_EQ(Cell(*dialog, "lvwScore", 0, 6), "141");

    // The day filter is stored at once; the finished-only box is not stored at all.
    clock.Advance(3 * 86400);
    Pick(days, 1);
    EXPECT_EQ(Reopened().GetSetting("Score", "DayComboIndex"), "2");
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 0);
    Pick(days, 2);
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 1);

    tabs->setCurrentIndex(4);
    QTest::mouseClick(Find<QPushButton>(*dialog, "cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(store->HasKey("Score", "TabIndex"));

    auto again = Open();
    EXPECT_EQ(Find<QComboBox>(*again, "imcDay")->currentText(), "Last 1 Week");
    EXPECT_FALSE(Find<QCheckBox>(*again, "chkFinished")->isChecked());
    Find<QTabBar>(*again, "TabStrip1")->setCurrentIndex(4);
    QTest::mouseClick(Find<QPushButton>(*again, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(again->result(), QDialog::Accepted);
    EXPECT_EQ(Reopened().GetSetting("Score", "TabIndex"), "5");
}

TEST_F(ScoreDialogTest, ClearButtonsAskFirst) {
    score->DayComboIndex(5);
    auto dialog = Open();
    const QByteArray before = ReadAll(save->ScoreFile());

    messages.answer = false;
    QTest::mouseClick(Find<QPushButton>(*dialog, "cmdClear"), Qt::LeftButton);
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, "Are you sure you want to clear Score Board ? ");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ReadAll(save->ScoreFile()), before);

    // Yes clears and refreshes the board.
    messages.answer = true;
    QTest::mouseClick(Find<QPushButton>(*dialog, "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(Model(*dialog, "lvwScore")->rowCount(), 0);
    EXPECT_EQ(Text(*dialog, "lblGeneral"), "Last General Cleared : 12/5/2026 5:22:00 PM");

    QTest::mouseClick(Find<QPushButton>(*dialog, "cmdGlobal"), Qt::LeftButton);
    EXPECT_EQ(messages.Last(), "Are you sure you want to delete Global and General scores ? ");
    EXPECT_EQ(Cell(*dialog, "lvwGlobal", 0, 1), "0");
    EXPECT_EQ(Text(*dialog, "lblGlobal"), "Last Global Cleared : 12/5/2026 5:22:00 PM");
}

TEST_F(ScoreDialogTest, ExportWritesOnlyIntoAnExistingFolder) {
    save->ExportFolder(Path("exports"));
    auto dialog = Open();
    auto* button = Find<QPushButton>(*dialog, "cmdExport");

    files.answer.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(files.lastTitle, "Select a File to Export");
    EXPECT_EQ(files.lastStart, Path("exports"));
    EXPECT_EQ(files.lastName, score->ExportFileName());
    EXPECT_EQ(files.lastExtension, "");
    EXPECT_EQ(files.lastFilter, "Text File (*.txt) |*.txt");
    EXPECT_EQ(save->LastExportedFile(), "None");

    files.answer = Path("exports/report");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(files.answer)) << "the folder does not exist";
    EXPECT_EQ(save->LastExportedFile(), "None");

    ASSERT_TRUE(QDir().mkpath(Path("exports")));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(ReadAll(files.answer).startsWith("Velmora 2003 Score Board\r\n"));
    EXPECT_EQ(save->LastExportedFile(), files.answer);
    EXPECT_TRUE(Text(*dialog, "lblFile").startsWith("Last Exported File : "));
    EXPECT_TRUE(Text(*dialog, "lblFile").endsWith("exports/report"));
    EXPECT_EQ(Text(*dialog, "lblDate"), "Last Exported Date : 12/5/2026 5:22:00 PM");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ScoreDialogTest, ProgressChartsAreDrawnWhenTheirTabOpens) {
    auto dialog = Open();
    auto* charts = dialog->findChild<ProgressCharts*>();
    ASSERT_NE(charts, nullptr);
    EXPECT_TRUE(charts->PointsChart()->Data().series.empty()) << "nothing drawn before";
    EXPECT_EQ(charts->PointsChart(), Find<ProgressChart>(*dialog, "chtPoints"));
    EXPECT_EQ(charts->MonthsChart(), Find<ProgressChart>(*dialog, "chtMonths"));

    Find<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(frmScore::ProgressTab);
    EXPECT_EQ(ShownPages(*dialog), std::vector<int>{6});
    auto* players = Find<QComboBox>(*dialog, "imcProgress");
    EXPECT_EQ(players->currentText(), "Guest");
    ASSERT_EQ(charts->PointsChart()->Data().series.size(), 2U);
    const ChartData& months = charts->MonthsChart()->Data();
    ASSERT_EQ(months.series.size(), 2U);
    EXPECT_EQ(months.series[0].values.at(11), 1) << "won this month";
    EXPECT_EQ(months.series[1].values.at(11), 1) << "lost this month";

    Pick(players, 1);
    EXPECT_EQ(charts->PointsChart()->Data().title, ProgressCharts::EmptyText);
    EXPECT_EQ(charts->MonthsChart()->Data().title, ProgressCharts::EmptyText);

    // OK on the progress page stores it as the sixth tab.
    QTest::mouseClick(Find<QPushButton>(*dialog, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(score->TabIndex(), 6);
}

} // namespace
} // namespace velmora::test
