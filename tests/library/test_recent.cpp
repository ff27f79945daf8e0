#include "support/TempHome.h"

#include "library/cRecent.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class RecentTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        recent = std::make_unique<cRecent>(*store, &menus);
    }
    QStringList Slots(int first, int last) const {
        QStringList paths;
        for (int slot = first; slot <= last; ++slot) {
            paths << recent->GetRecent(static_cast<std::int16_t>(slot));
        }
        return paths;
    }
    FakeRecentMenus menus;
    std::unique_ptr<cRecent> recent;
};

TEST_F(RecentTest, NewestFirstWithoutDuplicates) {
    recent->AddtoRecent("/g/A.v2k");
    recent->AddtoRecent("/g/B.v2k");
    recent->AddtoRecent("/g/C.v2k");
    EXPECT_EQ(Slots(1, 4), QStringList({"/g/C.v2k", "/g/B.v2k", "/g/A.v2k", ""}));
    EXPECT_EQ(recent->GetTotalNumb(1), 3);

    const RecentMenus& m = menus.last;
    EXPECT_FALSE(m.finishedNoneVisible);
    EXPECT_TRUE(m.incompleteNoneVisible);
    EXPECT_EQ(m.finished[0].caption, "&1 /g/C.v2k");
    EXPECT_EQ(m.finished[2].caption, "&3 /g/A.v2k");
    EXPECT_TRUE(m.finished[2].visible);
    EXPECT_FALSE(m.finished[3].visible);

    recent->AddtoRecent("/g/B.v2k");
    EXPECT_EQ(recent->GetRecent(2), "/g/B.v2k");
    EXPECT_EQ(recent->GetTotalNumb(1), 3);

    recent->AddtoRecent("/g/b.v2k");
    EXPECT_EQ(recent->GetRecent(1), "/g/b.v2k");
    EXPECT_EQ(recent->GetTotalNumb(1), 4);
}

TEST_F(RecentTest, OldestFallsOutOfSlotFive) {
    for (const char* name : {"1", "2", "3", "4", "5", "6"}) {
        recent->AddtoRecent(QStringLiteral("/g/%1.V2K").arg(QString::fromLatin1(name)));
    }
    EXPECT_EQ(Slots(5, 6), QStringList({"/g/2.V2K", ""}));
    EXPECT_EQ(recent->GetTotalNumb(1), 5);
    for (const char* name : {"1", "2", "3", "4", "5"}) {
        recent->AddtoRecent(QStringLiteral("/g/%1.vlg").arg(QString::fromLatin1(name)));
    }
    EXPECT_EQ(recent->GetRecent(10), "/g/1.vlg");
    EXPECT_EQ(recent->GetTotalNumb(6), 5);
}

TEST_F(RecentTest, KindsGoToTheirListsAndOthersOnlyRebuild) {
    recent->AddtoRecent("/g/X.VLG");
    EXPECT_EQ(recent->GetRecent(6), "/g/X.VLG");
    EXPECT_EQ(menus.last.incomplete[0].caption, "&1 /g/X.VLG");
    EXPECT_FALSE(menus.last.incompleteNoneVisible);
    EXPECT_TRUE(recent->EnableInComplete());
    EXPECT_FALSE(recent->EnableFinish());

    const int rebuilds = menus.rebuilds;
    recent->AddtoRecent("/g/notes.txt");
    recent->AddtoRecent("");
    EXPECT_EQ(menus.rebuilds, rebuilds + 2);
    EXPECT_EQ(recent->GetTotalNumb(1) + recent->GetTotalNumb(6), 1);
}

TEST_F(RecentTest, ClearEmptiesAllTenSlotsButKeepsTheKeys) {
    recent->AddtoRecent("/g/A.v2k");
    recent->AddtoRecent("/g/B.vlg");
    recent->CrearRecent();
    EXPECT_FALSE(recent->EnableFinish());
    EXPECT_FALSE(recent->EnableInComplete());
    EXPECT_TRUE(menus.last.finishedNoneVisible);
    EXPECT_TRUE(menus.last.incompleteNoneVisible);
    EXPECT_EQ(Slots(1, 10), QStringList(10));
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_TRUE(store->HasKey("Recent", QStringLiteral("Recent%1").arg(slot)));
    }
}

} // namespace
