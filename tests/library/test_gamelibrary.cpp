#include "LibraryHome.h"

#include "library/AutoSaveList.h"
#include "library/GameLibrary.h"
#include "library/SelectGameEntry.h"

using namespace velmora;
using namespace velmora::test;

namespace {

using Library = LibraryHome;

TEST_F(Library, TheTreeHasEveryPlaceInItsOrder) {
    QDir().mkpath(Path("fav/Hard Games"));
    const GameLibrary library(*save, *recent);
    const auto nodes = library.Nodes();
    QStringList shown;
    for (const auto& node : nodes) {
        const QString parent = node.parent < 0 ? QStringLiteral("-")
                                               : nodes[static_cast<std::size_t>(node.parent)].text;
        shown << parent + u'>' + node.text + u'/' + node.tag;
    }
    const QStringList folders = shown.mid(5, 2);
    EXPECT_EQ(Sorted(folders),
              QStringList({"Favorites>Easy Games/Fav", "Favorites>Hard Games/Fav"}));
    shown.remove(5, 2);
    EXPECT_EQ(
        shown,
        QStringList({"->Velmora 2003/", "Velmora 2003>Favorites/2", "Velmora 2003>AutoSave/2",
                     "Velmora 2003>Recent Games/2", "Velmora 2003>Others/2",
                     "AutoSave>Incomplete Games/InCompSave", "AutoSave>Finished Games/FinishSave",
                     "Recent Games>Incomplete Games/RecentIncomp",
                     "Recent Games>Finished Games/RecentFinish", "Others>Saved Games/Saved"}));
    EXPECT_EQ(nodes[0].key, "v2k");
    EXPECT_EQ(nodes[3].key, "Recent");
    EXPECT_EQ(nodes[5].key, Path(QStringLiteral("fav/") + nodes[5].text));
}

TEST_F(Library, EachNodeListsItsKindsOfGames) {
    Files("saved", {"1.vlg", "2.V2K", "notes.txt", "x.vlg.bak"});
    QDir().mkpath(Path("saved/folder.vlg"));
    Files("incomplete", {"3.vlg", "4.v2k"});
    Files("finished", {"5.v2k", "6.vlg"});
    Files("fav/Easy Games", {"7.vlg", "8.v2k", "9.txt"});
    const GameLibrary library(*save, *recent);
    EXPECT_EQ(Sorted(Texts(library.Games("Saved", {}))), QStringList({"1:Incomp", "2:Comp"}));
    EXPECT_EQ(Texts(library.Games("InCompSave", {})), QStringList{"3:Incomp"});
    EXPECT_EQ(Texts(library.Games("FinishSave", {})), QStringList{"5:Comp"});
    EXPECT_EQ(Sorted(Texts(library.Games("Fav", Path("fav/Easy Games")))),
              QStringList({"7:Incomp", "8:Comp"}));
    for (const char* tag : {"", "2"}) {
        EXPECT_TRUE(library.Games(QString::fromLatin1(tag), "Favorites").empty());
    }
}

TEST_F(Library, RecentNodesListTheStoredPathsInSlotOrderExistingOrNot) {
    recent->AddtoRecent("/gone/a.b.v2k");
    recent->AddtoRecent("/gone/second.v2k");
    recent->AddtoRecent("/gone/game.VLG");
    const GameLibrary library(*save, *recent);
    const auto finished = library.Games("RecentFinish", {});
    EXPECT_EQ(Texts(finished), QStringList({"second:Comp", "a.b:Comp"}));
    EXPECT_EQ(finished.front().key, "/gone/second.v2k");
    EXPECT_EQ(Texts(library.Games("RecentIncomp", {})), QStringList{"game:Incomp"});
    recent->CrearRecent();
    EXPECT_TRUE(library.Games("RecentFinish", {}).empty());
}

TEST_F(Library, TheAutoSaveListsLeaveOutTheUnfinishedGame) {
    Files("incomplete",
          {"12345.vlg", "Unfinished.vlg", "unfinished.VLG", "Unfinished.old.vlg", "777.v2k"});
    Files("finished", {"1.v2k", "Unfinished.v2k", "2.vlg"});
    EXPECT_EQ(Sorted(Texts(AutoSaveList::IncompleteGames(Path("incomplete")))),
              QStringList({"12345:Incomp", "Unfinished.old:Incomp"}));
    EXPECT_EQ(Sorted(Texts(AutoSaveList::FinishedGames(Path("finished")))),
              QStringList({"1:Comp", "Unfinished:Comp"}));
    EXPECT_TRUE(AutoSaveList::IncompleteGames(Path("missing")).empty());

    EXPECT_TRUE(AutoSaveList::FinishedGames(Path("finished")).front().created.isValid());
}

// Which buttons the row counts enable is the auto-save dialog's test.
TEST(AutoSaveManager, CaptionsShortenLongFolders) {
    const QString path = "/" + QString(79, u'a');
    EXPECT_EQ(AutoSaveList::FrameCaption(path),
              "Folder : " + path.left(7) + "..." + path.right(43));
    EXPECT_EQ(AutoSaveList::FrameCaption(QString(50, u'b')), "Folder : " + QString(50, u'b'));
}

TEST(SelectGame, EntriesAboveZeroAndBelowTheTopDealRoundedHalvesToEven) {
    const std::pair<const char*, std::int32_t> valid[] = {
        {"1", 1},     {"3239999", 3239999}, {" 42 ", 42}, {"3000000", 3000000},
        {"12.5", 12}, {"13.5", 14},         {"0.4", 0},   {"1e3", 1000}};
    for (const auto& [text, game] : valid) {
        EXPECT_EQ(SelectGameEntry::Parse(QString::fromLatin1(text)), game) << text;
    }
    for (const char* text : {"0", "3240000", "-5", "abc", "", "nan", "inf", "12abc"}) {
        EXPECT_EQ(SelectGameEntry::Parse(QString::fromLatin1(text)), std::nullopt) << text;
    }
}

TEST(SelectGame, LabelAndSuggestion) {
    EXPECT_EQ(SelectGameEntry::LabelText(3240000), "Select a Game Number between 0 and 3240000");
    EXPECT_EQ(SelectGameEntry::Suggestion(0.0, 40000), 0);
    EXPECT_EQ(SelectGameEntry::Suggestion(0.99999999, 40000), 40000);
    EXPECT_EQ(SelectGameEntry::Suggestion(0.25, 2), 0);
    EXPECT_EQ(SelectGameEntry::Suggestion(0.75, 2), 2);
}

} // namespace
