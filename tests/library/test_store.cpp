#include "support/TempHome.h"

#include "library/GeneralDate.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class StoreTest : public TempHome {};

TEST_F(StoreTest, FreshStoreReadsEveryDefaultAndCreatesNothing) {
    cOpt opt(*store);
    cSave save(*store, folders, clock);
    cRecent recent(*store);

    EXPECT_EQ((std::vector<int>{opt.TabIndex(), opt.RandomIndex(), opt.EnableFlash(),
                                opt.AllowDoubleClick(), opt.EnableUnfinished(), opt.ShowTimer(),
                                opt.ShowStatusbar(), opt.ShowToolbar(), opt.ShowMessages(),
                                opt.FwdBackSpeed(), opt.UndoRedoAllSpeed(), opt.UndoRedoSpeed(),
                                opt.CardSpeed()}),
              (std::vector<int>{1, 3, 1, 1, 1, 1, 1, 1, 1, 30, 5, 10, 20}));

    const QString user = folders.userDataFolder + "/Velmora 2003 Files";
    EXPECT_EQ(save.InStallFolder(), folders.programFolder);
    EXPECT_EQ((QStringList{save.ScoreFile(), save.UserFolder(), save.FavFolder(),
                           save.FavDefFolder(), save.SaveFolder(), save.ExportFolder(),
                           save.IncompleteDir(), save.FinishedDir()}),
              (QStringList{user + "/Velmora2003.sre", user, user + "/Favorites",
                           user + "/Favorites/Easy Games", user + "/Saved Games",
                           user + "/Exported Files", user + "/Incomplete Games",
                           user + "/Finished Games"}));
    EXPECT_EQ((std::vector<int>{save.InCompleteSave(), save.FinishedSave(), save.IncludeDate(),
                                save.IncludeTime(), save.Unfinished(), save.LastGameTime(),
                                save.SnapShot(), save.SnapShotValue(), save.width(), save.Height(),
                                save.Top(), save.Left(), save.Maximized()}),
              (std::vector<int>{0, 1, 1, 1, 0, 0, 0, 0, 9720, 7000, 0, 0, 0}));
    EXPECT_EQ((QStringList{save.GameStartTime(), save.SessionStart(), save.LastExportedDate(),
                           save.LastExportedFile(), save.GeneralClearedDate(),
                           save.GlobalClearedDate(), recent.GetRecent(4), recent.GetRecent(9)}),
              (QStringList{"12/5/2026 5:20:00 PM", "12/5/2026 5:20:00 PM", "None", "None", "None",
                           "None", "", ""}));

    EXPECT_TRUE(store->IsEmpty());
    EXPECT_FALSE(QFile::exists(StorePath()));
}

TEST_F(StoreTest, FolderKeysThatAreEmptyOrRelativeReadAsTheirPlaceInTheUserTree) {
    cSave save(*store, folders, clock);
    store->SaveSetting("Save", "UserFolder", Path("mine"));
    store->SaveSetting("Save", "IncompleteDir", "");
    store->SaveSetting("Save", "FinishedDir", "Finished Games");
    store->SaveSetting("Save", "ScoreFile", "scores.sre");
    store->SaveSetting("Save", "SaveFolder", Path("elsewhere"));
    EXPECT_EQ(save.UserFolder(), Path("mine"));
    EXPECT_EQ(save.IncompleteDir(), Path("mine/Incomplete Games"));
    EXPECT_EQ(save.FinishedDir(), Path("mine/Finished Games"));
    EXPECT_EQ(save.ScoreFile(), Path("mine/Velmora2003.sre"));
    EXPECT_EQ(save.FavDefFolder(), Path("mine/Favorites/Easy Games"));
    EXPECT_EQ(save.SaveFolder(), Path("elsewhere"));
    EXPECT_TRUE(QFileInfo(save.GetFileName(7, false)).isAbsolute());

    store->SaveSetting("Save", "UserFolder", "./here");
    EXPECT_EQ(save.UserFolder(), folders.userDataFolder + "/Velmora 2003 Files");
}

// Beyond the store's own reading: a number too large for its 16 bits and a date that is none.
TEST_F(StoreTest, UnparsableValuesReadAsTheirDefaults) {
    cOpt opt(*store);
    cSave save(*store, folders, clock);
    store->SaveSetting("Options", "RandomIndex", "70000");
    store->SaveSetting("Save", "GameStartTime", "yesterday");
    EXPECT_EQ(opt.RandomIndex(), 3);
    EXPECT_EQ(save.GameStartTime(), GeneralDate::Format(clock.now));
}

TEST_F(StoreTest, SettersReachTheFileBeforeTheyReturn) {
    cOpt opt(*store);
    cSave save(*store, folders, clock);
    opt.CardSpeed(7);
    save.LastGameTime(40000);
    const SettingsStore disk = Reopened();
    EXPECT_EQ(disk.GetSetting("Options", "CardSpeed"), "7");
    EXPECT_EQ(disk.GetSetting("Save", "LastGameTime"), "40000");
}

// The start-up's pair, each under its own name: read at once, on disk after a flush.
TEST_F(StoreTest, TheStartUpTimesWaitForAFlush) {
    cSave save(*store, folders, clock);
    save.GameStartTime(clock.now.addDays(-1));
    save.SessionAndGameStart(clock.now);
    EXPECT_EQ(save.GameStartTime(), "12/5/2026 5:20:00 PM");
    EXPECT_EQ(save.SessionStart(), "12/5/2026 5:20:00 PM");
    EXPECT_NE(Reopened().GetSetting("Save", "GameStartTime"), "12/5/2026 5:20:00 PM");
    store->Flush();
    const SettingsStore disk = Reopened();
    EXPECT_EQ(disk.GetSetting("Save", "GameStartTime"), "12/5/2026 5:20:00 PM");
    EXPECT_EQ(disk.GetSetting("Save", "SessionStart"), "12/5/2026 5:20:00 PM");
}

TEST_F(StoreTest, ViewSettersActOnTheWindowThenStore) {
    FakeView view;
    cOpt opt(*store, &view);
    opt.ShowToolbar(0);
    opt.ShowStatusbar(1);
    opt.ShowTimer(0);
    opt.FwdBackSpeed(30);
    opt.FwdBackSpeed(1);
    opt.FwdBackSpeed(100);
    EXPECT_EQ(view.calls, QStringList({"toolbar 0", "statusbar 1", "timer 0", "interval 300",
                                       "interval 10", "interval 1000"}));
    EXPECT_EQ(opt.ShowToolbar(), 0);
    EXPECT_EQ(opt.FwdBackSpeed(), 100);
}

TEST_F(StoreTest, RandomLimitFollowsTheRange) {
    cOpt opt(*store);
    const std::pair<int, int> table[] = {{1, 40000}, {2, 640000}, {3, 3240000}, {0, 0}, {4, 0}};
    for (const auto& [index, limit] : table) {
        opt.RandomIndex(static_cast<std::int16_t>(index));
        EXPECT_EQ(opt.GetRandomLimit(), limit) << index;
    }
}

TEST_F(StoreTest, SaveGeneralKeepsAnOutOfRangeIndexWhenNoButtonIsOn) {
    cOpt opt(*store);
    opt.RandomIndex(9);
    opt.SaveGeneral(0, 1, 0, 1, false, false, false);
    EXPECT_EQ(opt.RandomIndex(), 9);
    EXPECT_EQ(opt.AllowDoubleClick(), 0);
    EXPECT_EQ(opt.EnableUnfinished(), 1);
    opt.SaveGeneral(1, 1, 1, 1, false, true, false);
    EXPECT_EQ(opt.RandomIndex(), 2);
}

TEST(Helpers, GeneralDateIsFixedAndReadsBack) {
    const QDateTime moment(QDate(2026, 12, 5), QTime(17, 31, 2));
    EXPECT_EQ(GeneralDate::Format(moment), "12/5/2026 5:31:02 PM");
    EXPECT_EQ(GeneralDate::Format(QDateTime(QDate(2027, 1, 9), QTime(0, 5, 9))),
              "1/9/2027 12:05:09 AM");
    EXPECT_EQ(GeneralDate::Parse("12/5/2026 5:31:02 PM"), moment);
    EXPECT_EQ(GeneralDate::Parse(" 12/5/2026 5:31:02 pm "), moment);
    EXPECT_FALSE(GeneralDate::Parse("5.12.2026 17:31"));
    EXPECT_FALSE(GeneralDate::Parse(""));
}

TEST(Helpers, ClockReadingsAgreeWithTheFullReader) {
    const QDateTime noon(QDate(2026, 12, 5), QTime(12, 30, 0), Qt::UTC);
    EXPECT_EQ(GeneralDate::ParseWallClock("12/5/2026 12:30:00 PM"), noon);
    EXPECT_EQ(GeneralDate::ParseWallClock("12/5/2026 12:30:00 AM"), noon.addSecs(-12 * 3600));
    for (const char* text :
         {"12/5/2026 5:31:02 PM", " 1/9/2027 12:05:09 am ", "05/03/2026 01:02:03 PM",
          "12/31/2026 11:59:59 PM", "2/30/2026 1:00:00 AM", "12/5/2026 5:31:02",
          "12/5/2026 5:31:02 PMX", "12/5/2026 0:31:02 AM", "12/5/26 5:31:02 PM", "x"}) {
        const auto full = GeneralDate::Parse(QString::fromLatin1(text));
        const auto quick = GeneralDate::ParseWallClock(QString::fromLatin1(text));
        ASSERT_EQ(quick.has_value(), full.has_value()) << text;
        if (full) {
            EXPECT_EQ(*quick, GeneralDate::WallClock(*full)) << text;
        }
    }
}

} // namespace
