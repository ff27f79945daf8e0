#include "LibraryHome.h"

#include "library/cFavourites.h"
#include "library/cSave.h"

#include <QDirIterator>

using namespace velmora;
using namespace velmora::test;

namespace {

class Favourites : public LibraryHome {
protected:
    void SetUp() override {
        LibraryHome::SetUp();
        favourites = std::make_unique<cFavourites>(*save);
    }

    QString Root() const { return Path("fav"); }
    QString Folder(const char* name) const { return Root() + u'/' + QString::fromUtf8(name); }
    QString Game(const char* folder, const char* name) const {
        return Folder(folder) + u'/' + QString::fromUtf8(name);
    }
    void Write(const QString& path, const QByteArray& content = "1") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static void MakeReadOnly(const QString& path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    /// Everything under the temporary home, to prove a refusal changed nothing.
    QStringList Tree() const {
        QStringList entries;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            entries << it.next();
        }
        entries.sort();
        return entries;
    }
    QStringList Texts(const QString& folder) const {
        return Sorted(LibraryHome::Texts(favourites->Games(folder)));
    }
    static std::string Refusal(const Result<void>& result) {
        return result ? std::string("accepted") : result.error().message;
    }

    std::unique_ptr<cFavourites> favourites;
};

TEST_F(Favourites, ListsEveryFileOfAFolderWithItsDisplayNameAndKind) {
    for (const char* name : {"12345.vlg", "24680.v2k", "Old.V2K", "notes.txt", "abc"}) {
        Write(Game("Easy Games", name));
    }
    QDir().mkpath(Game("Easy Games", "inner.vlg"));
    EXPECT_EQ(Texts(Folder("Easy Games")), QStringList({"12345:Incomp", "24680:Comp", "Old:Comp",
                                                        "abc:Incomp", "notes:Incomp"}));
    EXPECT_TRUE(favourites->Games("Favorites").empty());
    EXPECT_TRUE(favourites->Games(Path("elsewhere")).empty());
    EXPECT_EQ(cFavourites::DisplayName("abcd"), "abcd");
    EXPECT_EQ(cFavourites::DisplayName("abcde"), "a");
}

TEST_F(Favourites, CreatesFoldersOfOneToThirtyCharactersInsideTheRootOnly) {
    const QString thirty(30, u'x');
    EXPECT_EQ(favourites->CreateFolder(thirty).value(), cFavourites::Created::Done);
    EXPECT_TRUE(QFileInfo(Root() + u'/' + thirty).isDir());
    // A name that starts with a colon is an ordinary folder name, not a resource path.
    for (const char* colon : {":", ":Hard"}) {
        EXPECT_EQ(favourites->CreateFolder(QString::fromUtf8(colon)).value(),
                  cFavourites::Created::Done);
        EXPECT_TRUE(QFileInfo(Root() + u'/' + QString::fromUtf8(colon)).isDir()) << colon;
    }
    const QStringList before = Tree();
    EXPECT_EQ(favourites->CreateFolder(QString(31, u'y')).value(), cFavourites::Created::Ignored);
    EXPECT_EQ(favourites->CreateFolder({}).value(), cFavourites::Created::Ignored);
    EXPECT_EQ(favourites->CreateFolder("Easy Games").value(), cFavourites::Created::Exists);
    for (const char* bad : {"../out", "a/b", "a\\b", ".", "..", "/tmp"}) {
        EXPECT_FALSE(favourites->CreateFolder(QString::fromUtf8(bad))) << bad;
    }
    Write(Folder("taken"));
    EXPECT_FALSE(favourites->CreateFolder("taken"));
    QFile::remove(Folder("taken"));
    EXPECT_EQ(Tree(), before);
}

TEST_F(Favourites, DeletesAFolderWithItsFilesButNeverTheLastOrARefusedOne) {
    Write(Game("Easy Games", "1.vlg"));
    EXPECT_EQ(Refusal(favourites->DeleteFolder(Folder("Easy Games"))),
              "Minimum one folder must exists");

    QDir().mkpath(Folder("Hard Games"));
    Write(Game("Hard Games", "2.v2k"));
    Write(Game("Hard Games", ".hidden"));
    QDir().mkpath(Folder("Nested/inner"));
    QDir().mkpath(Path("elsewhere"));
    Write(Game("Easy Games", "locked.vlg"));
    MakeReadOnly(Game("Easy Games", "locked.vlg"));
    const QStringList before = Tree();
    EXPECT_EQ(Refusal(favourites->DeleteFolder(Folder("Easy Games"))),
              "The file \"locked.vlg\" is read-only.");
    EXPECT_NE(Refusal(favourites->DeleteFolder(Folder("Nested"))), "accepted");
    EXPECT_NE(Refusal(favourites->DeleteFolder(Path("elsewhere"))), "accepted");
    EXPECT_NE(Refusal(favourites->DeleteFolder(Folder("Nested/inner"))), "accepted");
    EXPECT_EQ(Refusal(favourites->DeleteFolder(Folder("Gone"))),
              "The folder \"Gone\" no longer exists.");
    EXPECT_EQ(Tree(), before);

    EXPECT_TRUE(favourites->DeleteFolder(Folder("Hard Games")));
    EXPECT_FALSE(QFileInfo::exists(Folder("Hard Games")));
}

TEST_F(Favourites, DeletesGamesAllOrNone) {
    const QString a = Game("Easy Games", "a.vlg");
    const QString b = Game("Easy Games", "b.v2k");
    const QString outside = Path("outside.vlg");
    Write(a);
    Write(b);
    Write(outside);
    EXPECT_FALSE(favourites->DeleteGames({a, Game("Easy Games", "gone.vlg")}));
    EXPECT_FALSE(favourites->DeleteGames({a, outside}));
    MakeReadOnly(b);
    EXPECT_EQ(Refusal(favourites->DeleteGames({a, b})), "The file \"b.v2k\" is read-only.");
    EXPECT_TRUE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(outside));

    QFile::setPermissions(b, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(favourites->DeleteGames({a, b}));
    EXPECT_TRUE(QDir(Folder("Easy Games")).isEmpty());
}

TEST_F(Favourites, MovesGamesAskingBeforeReplacingAndSkippingTheirOwnFolder) {
    QDir().mkpath(Folder("Hard Games"));
    const QStringList games{Game("Easy Games", "1.vlg"), Game("Easy Games", "2.v2k"),
                            Game("Easy Games", "3.txt")};
    for (const QString& game : games) {
        Write(game, "moved");
    }
    Write(Game("Hard Games", "2.v2k"), "kept");
    QStringList asked;
    auto answer = [&asked](bool yes) {
        return [&asked, yes](const QString& taken) {
            asked << taken;
            return yes;
        };
    };
    EXPECT_TRUE(favourites->MoveGames(games, Folder("Easy Games"), answer(true)));
    EXPECT_TRUE(asked.isEmpty());

    EXPECT_TRUE(favourites->MoveGames(games, Folder("Hard Games"), answer(false)));
    EXPECT_EQ(asked, QStringList{Game("Hard Games", "2.v2k")});
    EXPECT_EQ(Texts(Folder("Easy Games")), QStringList{"2:Comp"});
    EXPECT_EQ(ReadAll(Game("Hard Games", "2.v2k")), "kept");

    EXPECT_TRUE(
        favourites->MoveGames({Game("Easy Games", "2.v2k")}, Folder("Hard Games"), answer(true)));
    EXPECT_EQ(ReadAll(Game("Hard Games", "2.v2k")), "moved");
    EXPECT_EQ(Texts(Folder("Hard Games")), QStringList({"1:Incomp", "2:Comp", "3:Incomp"}));
}

TEST_F(Favourites, RefusedMovesMoveNothing) {
    QDir().mkpath(Folder("Hard Games"));
    const QString a = Game("Easy Games", "a.vlg");
    Write(a);
    auto yes = [](const QString&) { return true; };
    EXPECT_FALSE(
        favourites->MoveGames({a, Game("Easy Games", "gone.vlg")}, Folder("Hard Games"), yes));
    EXPECT_FALSE(favourites->MoveGames({a}, Folder("Gone"), yes));
    QDir().mkpath(Path("elsewhere"));
    EXPECT_FALSE(favourites->MoveGames({a}, Path("elsewhere"), yes));
    Write(Game("Hard Games", "a.vlg"));
    MakeReadOnly(Game("Hard Games", "a.vlg"));
    EXPECT_FALSE(favourites->MoveGames({a}, Folder("Hard Games"), yes));
    MakeReadOnly(Folder("Hard Games"));
    EXPECT_EQ(Refusal(favourites->MoveGames({a}, Folder("Hard Games"), yes)),
              "The folder \"Hard Games\" is read-only.");
    EXPECT_TRUE(QFileInfo::exists(a));
    QFile::setPermissions(Folder("Hard Games"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(Favourites, TheAddPathNeedsAFolderAndAPlainName) {
    EXPECT_EQ(favourites->AddPath(Folder("Easy Games"), "12345 - Played by Guest", true).value(),
              Game("Easy Games", "12345 - Played by Guest.v2k"));
    EXPECT_EQ(favourites->AddPath(Folder("Easy Games"), "7", false).value(),
              Game("Easy Games", "7.vlg"));
    EXPECT_EQ(favourites->AddPath("Favourites", "7", false).error().message,
              "Please select a folder for this game.");
    EXPECT_FALSE(favourites->AddPath(Folder("Gone"), "7", false));
    EXPECT_FALSE(favourites->AddPath(Root(), "7", false));
    for (const char* bad : {"", "../7", "a/b", "a\\b"}) {
        EXPECT_FALSE(favourites->AddPath(Folder("Easy Games"), QString::fromUtf8(bad), false))
            << bad;
    }
}

} // namespace
