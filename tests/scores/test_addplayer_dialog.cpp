#include "support/AccessibleNames.h"
#include "support/TempHome.h"

#include "scores/cPlayer.h"
#include "scores/cUser.h"
#include "scores/frmAddPlayer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::test;

namespace {

class AddPlayerDialogTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        player = std::make_unique<cPlayer>(*store);
        user = std::make_unique<cUser>(*player, messages);
    }
    std::unique_ptr<frmAddPlayer> Open() {
        auto dialog = std::make_unique<frmAddPlayer>(*player, *user, messages, clock);
        dialog->show();
        return dialog;
    }
    static QLineEdit* Box(QWidget& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void Add(QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
    }

    FakeMessages messages;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cUser> user;
};

TEST_F(AddPlayerDialogTest, ProposesTheLowestFreePlayerName) {
    auto first = Open();
    EXPECT_EQ(first->windowTitle(), "Add a Player");
    EXPECT_EQ(Box(*first, "txtPlayer")->text(), "Player1");
    EXPECT_EQ(Box(*first, "txtPlayer")->selectedText(), "Player1");
    EXPECT_EQ(UnnamedControls(*first), QStringList()) << "every control has an accessible name";

    player->AddPlayer("Player1", 1, "", "");
    player->AddPlayer("Player3", 2, "", "");
    EXPECT_EQ(frmAddPlayer::ProposedName(*player), "Player2");
    player->AddPlayer("Player2", 3, "", "");
    player->AddPlayer("Player4", 4, "", "");
    EXPECT_EQ(Box(*Open(), "txtPlayer")->text(), "");
}

TEST_F(AddPlayerDialogTest, ChecksTheNameBeforeAdding) {
    auto dialog = Open();
    QLineEdit* name = Box(*dialog, "txtPlayer");

    name->clear();
    Add(*dialog);
    EXPECT_EQ(messages.Last(), "PlayerName is Required");
    name->setText("NineChars");
    Add(*dialog);
    EXPECT_EQ(messages.Last(), "Maximum 8 Characters only");
    name->setText("Al\"x");
    Add(*dialog);
    EXPECT_EQ(messages.Last(), cUser::QuoteRefusal());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(player->TotalPlayers(), 0);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    }

    name->setText("EightChr");
    Box(*dialog, "txtFullName")->setText("Eight Characters");
    Add(*dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(player->GetName(1), "EightChr");
    EXPECT_EQ(player->GetFullName(1), "Eight Characters");
    EXPECT_EQ(player->GetDate(1), "12/5/2026 5:20:00 PM");
}

TEST_F(AddPlayerDialogTest, ClosesEvenWhenThePlayerExists) {
    player->AddPlayer("Guest", 1, "", "");
    auto dialog = Open();
    Box(*dialog, "txtPlayer")->setText("Guest");
    Add(*dialog);
    EXPECT_EQ(messages.Last(), "Player exists!");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(player->TotalPlayers(), 1);
}

} // namespace
