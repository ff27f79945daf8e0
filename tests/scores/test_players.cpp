#include "support/TempHome.h"

#include "scores/cPlayer.h"
#include "scores/cUser.h"

using namespace velmora;
using namespace velmora::test;

namespace {

class PlayersTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        player = std::make_unique<cPlayer>(*store, &combo);
        user = std::make_unique<cUser>(*player, messages, &combo);
        user->SetListView(&list);
    }
    void Add(const QString& name, const QString& full = {}) {
        user->AddUser(name, full, "12/1/2026 9:00:00 AM");
    }
    /// Games, won, lost, time, points, percentage won and average points of a slot.
    std::vector<int> Figures(int slot) const {
        const auto s = static_cast<std::int16_t>(slot);
        return {player->GetTotal(s), player->GetWon(s),  player->GetLost(s),    player->GetTime(s),
                player->GetScore(s), player->GetPerc(s), player->GetAvgScore(s)};
    }
    QStringList Names() const {
        QStringList names;
        for (const auto& row : list.rows) {
            names << row.name;
        }
        return names;
    }

    FakeCombo combo;
    FakeListView list;
    FakeMessages messages;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cUser> user;
};

TEST_F(PlayersTest, AddTakesTheLowestEmptySlotAndListsInSlotOrder) {
    Add("Guest", "Guest Player");
    Add("Ann");
    Add("Bob");
    EXPECT_EQ(player->GetNum("Bob"), 3);
    EXPECT_EQ(player->GetFullName(1), "Guest Player");
    EXPECT_EQ(player->GetDate(2), "12/1/2026 9:00:00 AM");

    player->CurrentComboIndex(2);
    ASSERT_TRUE(user->RemoveUser("x2"));
    EXPECT_EQ(player->CurrentComboIndex(), 1);
    EXPECT_EQ(combo.SelectedText(), "Guest");
    EXPECT_EQ(Names(), QStringList({"Guest", "Bob"}));

    // The stored list position is not adjusted: the newcomer in slot 2 is at position 2.
    player->CurrentComboIndex(2);
    Add("Cy");
    EXPECT_EQ(player->GetNum("Cy"), 2);
    EXPECT_EQ(Names(), QStringList({"Guest", "Cy", "Bob"}));
    EXPECT_EQ(list.rows[1].key, "x2");
    EXPECT_EQ(list.selected, 2);
    user->ListUserCombo();
    EXPECT_EQ(combo.items, QStringList({"Guest", "Cy", "Bob"}));
    EXPECT_EQ(player->GetCurrentPlayerIndex(), 2);
}

TEST_F(PlayersTest, RefusalsComeInOrderAndChangeNothing) {
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        Add(name);
    }
    const int refills = list.refills;
    Add("A");
    EXPECT_EQ(messages.Last(), "Player exists!");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(list.refills, refills); // no refresh after "Player exists!"

    Add("F");
    EXPECT_EQ(messages.Last(), "Maximum 5 Players only");
    EXPECT_FALSE(player->PlayerExists("F"));
    EXPECT_EQ(player->TotalPlayers(), 5);

    // Names are compared exactly.
    EXPECT_FALSE(player->PlayerExists("a"));
    EXPECT_EQ(player->GetNum("a"), 0);
}

TEST_F(PlayersTest, AQuoteOrAnEmptyNameAddsNoPlayer) {
    Add("Guest");
    EXPECT_EQ(user->AddUser("Al\"x", "", ""), AddUserResult::QuoteInName);
    EXPECT_EQ(messages.Last(), cUser::QuoteRefusal());
    EXPECT_EQ(user->AddUser("", "", ""), AddUserResult::EmptyName);
    EXPECT_EQ(messages.boxes.size(), 1U) << "an empty name is refused without a word";
    EXPECT_EQ(player->TotalPlayers(), 1);
    EXPECT_EQ(player->GetCurrentPlayerIndex(), 0); // nothing selected
}

TEST_F(PlayersTest, TheLastPlayerStaysAndAnUnknownKeyRemovesNothingButStillRefreshes) {
    Add("Solo");
    player->SaveScore(1, 1, 1, 0, 100, 50);
    EXPECT_FALSE(user->RemoveUser("x1"));
    EXPECT_EQ(messages.Last(), "Minimum one player is Required !");
    EXPECT_EQ(player->GetName(1), "Solo");
    EXPECT_EQ(player->GetTotal(1), 1);

    Add("B");
    player->CurrentComboIndex(2);
    EXPECT_TRUE(user->RemoveUser("x9"));
    EXPECT_EQ(player->TotalPlayers(), 2);
    EXPECT_EQ(player->CurrentComboIndex(), 1);
    EXPECT_EQ(combo.SelectedText(), "Solo");
}

TEST_F(PlayersTest, APendingChangeFollowsItsPlayerWhenAnotherIsRemoved) {
    struct Case {
        QStringList names; ///< of slots 1..5, "" for an empty slot
        int pending;       ///< list position picked during the game
        const char* removed;
        bool stillPending;
        int newPosition;
    };
    const std::vector<Case> cases{
        {{"A", "B", "C"}, 3, "x2", true, 2},
        {{"A", "B", "C"}, 2, "x2", false, 2},
        {{"A", "B", "C"}, 1, "x2", true, 1},
        {{"A", "", "C", "D"}, 3, "x3", true, 2}, // positions, not slots
        {{"A", "", "C", "D"}, 2, "x3", false, 2},
    };
    for (const Case& c : cases) {
        store->DeleteSetting();
        for (int slot = 0; slot < c.names.size(); ++slot) {
            if (!c.names[slot].isEmpty()) {
                player->AddPlayer(c.names[slot], static_cast<std::int16_t>(slot + 1), "", "");
            }
        }
        player->ChangePlayer(true);
        player->NewPlayerComboIndex(static_cast<std::int16_t>(c.pending));
        ASSERT_TRUE(user->RemoveUser(c.removed));
        const std::string label = c.names.join(',').toStdString() + " pending " +
                                  std::to_string(c.pending) + " remove " + c.removed;
        EXPECT_EQ(player->ChangePlayer(), c.stillPending) << label;
        EXPECT_EQ(player->NewPlayerComboIndex(), c.newPosition) << label;
    }

    // A stored position past the end of the list selects, and stores, the first player.
    player->CurrentComboIndex(5);
    user->ListUserCombo();
    EXPECT_EQ(combo.SelectedText(), "A");
    EXPECT_EQ(player->CurrentComboIndex(), 1);
}

TEST_F(PlayersTest, TotalsAccumulateAndTheTotalsRowFollows) {
    Add("A");
    Add("B");
    player->SaveScore(1, 1, 1, 0, 100, 99);
    player->SaveScore(1, 1, 0, 1, 50, 0);
    player->SaveScore(1, 1, 1, 0, 70, 26);
    player->SaveScore(2, 1, 0, 1, 30, 4);
    // Guest: 2 of 3 games won is 67 %, 125 points over 3 games 41.67.
    EXPECT_EQ(Figures(1), (std::vector<int>{3, 2, 1, 220, 125, 67, 42}));
    EXPECT_EQ(player->GetName(6), "Total");
    EXPECT_EQ(Figures(6), (std::vector<int>{4, 2, 2, 250, 129, 50, 32}));

    ASSERT_TRUE(user->RemoveUser("x1"));
    EXPECT_EQ(Figures(6), (std::vector<int>{1, 0, 1, 30, 4, 0, 4}));
    Add("A");
    EXPECT_EQ(Figures(1), std::vector<int>(7, 0));
}

TEST_F(PlayersTest, TheTotalsRowSumsAllFiveSlotsAndAveragesRoundHalfToEven) {
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        Add(name);
    }
    player->SaveScore(5, 1, 1, 0, 10, 3);
    player->SaveScore(5, 1, 0, 1, 10, 2);
    player->SaveScore(1, 2, 1, 1, 20, 7);
    EXPECT_EQ(player->GetAvgScore(5), 2); // 2.5
    EXPECT_EQ(player->GetAvgScore(1), 4); // 3.5
    EXPECT_EQ(player->GetTotal(6), 4);
    EXPECT_EQ(player->GetScore(6), 12);
    EXPECT_EQ(player->GetAvgScore(6), 3);
}

TEST_F(PlayersTest, TotalsSaturateInsteadOfWrapping) {
    Add("A");
    store->SaveSetting("Player1", "Time", "2147483000");
    player->SaveScore(1, 1, 0, 1, 86400, 0);
    EXPECT_EQ(player->GetTime(1), 2147483647);
}

TEST_F(PlayersTest, ClearGlobalZeroesTotalsAndKeepsNames) {
    Add("A", "Full A");
    Add("B");
    player->SaveScore(1, 1, 1, 0, 10, 10);
    player->SaveScore(2, 1, 0, 1, 10, 10);
    player->ClearGlobal();
    for (std::int16_t slot : {1, 2, 6}) {
        EXPECT_EQ(Figures(slot), std::vector<int>(7, 0)) << slot;
        EXPECT_EQ(store->GetSetting(cPlayer::Section(slot), "Score"), "0") << slot;
    }
    EXPECT_EQ(player->GetFullName(1), "Full A");
    EXPECT_EQ(player->GetDate(2), "12/1/2026 9:00:00 AM");
}

} // namespace
