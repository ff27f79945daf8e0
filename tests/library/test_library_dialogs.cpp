#include "LibraryHome.h"
#include "support/Widgets.h"

#include "engine/Ports.h"
#include "library/AutoSaveList.h"
#include "library/LibraryPorts.h"
#include "library/frmAddFav.h"
#include "library/frmAutoSave.h"
#include "library/frmFavourites.h"
#include "library/frmOpenGame.h"
#include "library/frmSelectFav.h"
#include "library/frmSelectGame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <map>

using namespace velmora;
using namespace velmora::test;

namespace {

class FakeLibraryGame final : public ILibraryGame {
public:
    bool allow = true;
    bool fail = false;
    QStringList opened;
    std::vector<std::int32_t> started;
    QString caption;

    bool AllowNewGame() override { return allow; }
    Result<void> OpenGame(const QString& path) override {
        if (fail) {
            return Fail("Bad file");
        }
        opened << path;
        return {};
    }
    void StartNewGame(std::int32_t number) override { started.push_back(number); }
    void AppendCaption(const QString& text) override { caption += text; }
};

class Dialogs : public LibraryHome {
protected:
    void SetUp() override {
        LibraryHome::SetUp();
        const char* keys[] = {"Program", "Favourites", "CloseFold", "OpenFold", "Comp", "Incomp"};
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            QPixmap pixmap(4, 4);
            pixmap.fill(QColor::fromHsv(static_cast<int>(i) * 50, 200, 200));
            images[QString::fromLatin1(keys[i])] = QIcon(pixmap);
        }
    }
    LibraryIcons Icons() {
        return LibraryIcons([this](const QString& key) { return images[key]; });
    }
    /// True when `icon` is the image of `key`.
    bool Shows(const QIcon& icon, const char* key) {
        return icon.cacheKey() == images[QString::fromLatin1(key)].cacheKey();
    }
    static bool Enabled(QWidget& dialog, const char* name) {
        return Find<QPushButton>(dialog, name)->isEnabled();
    }
    static QStringList Rows(const QTreeWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            rows << list->topLevelItem(i)->text(0);
        }
        rows.sort();
        return rows;
    }
    /// Every node as depth-indented text, in the order shown.
    static QStringList Shown(const QTreeWidget* tree) {
        QStringList lines;
        std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* item,
                                                                    int depth) {
            lines << QString(depth, u'-') + item->text(0) +
                         (item->childCount() > 0 && !item->isExpanded() ? " (closed)" : "");
            for (int i = 0; i < item->childCount(); ++i) {
                walk(item->child(i), depth + 1);
            }
        };
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            walk(tree->topLevelItem(i), 0);
        }
        return lines;
    }
    /// Makes the node `text` under `parent` the current one.
    static void ClickNode(QTreeWidget* tree, const QString& text, const QString& parent) {
        for (QTreeWidgetItem* item : tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive)) {
            if (item->parent() && item->parent()->text(0) == parent) {
                tree->setCurrentItem(item);
                return;
            }
        }
        ADD_FAILURE() << "no node " << text.toStdString();
    }

    std::map<QString, QIcon> images;
    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    FakeGameFiles files;
    FakeLibraryGame game;
};

// Add to favourites ---------------------------------------------------------------------------

TEST_F(Dialogs, AddSavesUnderTheSuggestedNameInTheFirstFolder) {
    frmAddFav dialog(AddFavContext{*save, files, true, "Guest", messages, Icons()});
    EXPECT_EQ(dialog.windowTitle(), "Add to Favorites");
    auto* tree = Find<QTreeWidget>(dialog, "TreeView1");
    EXPECT_EQ(Shown(tree), QStringList({"Favourites", "-Easy Games"}));
    EXPECT_TRUE(Shows(tree->topLevelItem(0)->icon(0), "Favourites"));
    EXPECT_TRUE(Shows(tree->currentItem()->icon(0), "OpenFold"));
    auto* text = Find<QLineEdit>(dialog, "Text1");
    EXPECT_EQ(text->text(), "12345 - Played by Guest");
    EXPECT_EQ(text->selectedText(), text->text());

    Click(dialog, "cmdAdd");
    EXPECT_EQ(files.saved, QStringList{Path("fav/Easy Games/12345 - Played by Guest.v2k")});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Dialogs, AddRefusesTheRootABadNameAndAFailedSaveAndStaysOpen) {
    frmAddFav dialog(AddFavContext{*save, files, false, "Guest", messages, Icons()});
    dialog.show();
    auto* tree = Find<QTreeWidget>(dialog, "TreeView1");
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_TRUE(Shows(tree->topLevelItem(0)->child(0)->icon(0), "CloseFold"));
    Click(dialog, "cmdAdd");
    EXPECT_EQ(messages.Last(), "Please select a folder for this game.");

    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    Find<QLineEdit>(dialog, "Text1")->setText("../../escape");
    Click(dialog, "cmdAdd");
    files.fail = true;
    Find<QLineEdit>(dialog, "Text1")->setText("7");
    Click(dialog, "cmdAdd");
    EXPECT_EQ(messages.boxes.size(), 3u);
    EXPECT_EQ(messages.Last(), "Cannot save");
    EXPECT_TRUE(files.saved.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
}

// Play from favourites ------------------------------------------------------------------------

TEST_F(Dialogs, PlayOpensTheSelectedFavouriteAndNamesItInTheCaption) {
    Files("fav/Easy Games", {"12345.vlg"});
    frmSelectFav dialog(SelectFavContext{*save, game, messages, Icons()});
    auto* combo = Find<QComboBox>(dialog, "imc1");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Favorites");
    EXPECT_EQ(combo->currentText(), "Easy Games");
    auto* list = Find<QTreeWidget>(dialog, "ListView1");
    EXPECT_EQ(Rows(list), QStringList{"12345"});
    EXPECT_TRUE(Shows(list->topLevelItem(0)->icon(0), "Incomp"));
    EXPECT_TRUE(Enabled(dialog, "cmdPlay"));

    game.allow = false;
    Click(dialog, "cmdPlay");
    EXPECT_TRUE(game.opened.isEmpty());
    game.allow = true;
    Click(dialog, "cmdPlay");
    EXPECT_EQ(game.opened, QStringList{Path("fav/Easy Games/12345.vlg")});
    EXPECT_EQ(game.caption, " [12345]");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Dialogs, PlayNeedsAGameThatStillExists) {
    Files("fav/Easy Games", {"1.v2k"});
    frmSelectFav dialog(SelectFavContext{*save, game, messages, Icons()});
    dialog.ListFavGames("Favorites");
    EXPECT_FALSE(Enabled(dialog, "cmdPlay"));
    dialog.ListFavGames(Path("fav/Easy Games"));
    QFile::remove(Path("fav/Easy Games/1.v2k"));
    Click(dialog, "cmdPlay");
    EXPECT_EQ(messages.Last(), "Sorry File Doesn't Exists");
    EXPECT_TRUE(game.opened.isEmpty());
}

// Organise favourites -------------------------------------------------------------------------

class Organiser : public Dialogs {
protected:
    std::unique_ptr<frmFavourites> Open() {
        auto dialog = std::make_unique<frmFavourites>(FavouritesContext{*save, messages, Icons()});
        dialog->show();
        return dialog;
    }
};

TEST_F(Organiser, AFreshTreeHasOneFolderThatCannotBeDeleted) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Organize Favourites");
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    EXPECT_EQ(Shown(tree), QStringList({"Favorites", "-Easy Games"}));
    dialog->Timer1_Timer();
    EXPECT_FALSE(Enabled(*dialog, "cmdDeleteFolder"));
    EXPECT_FALSE(Enabled(*dialog, "cmdDeleteGame"));
    EXPECT_FALSE(Enabled(*dialog, "cmdMove"));
    dialog->cmdDeleteFolder_Click();
    EXPECT_EQ(messages.Last(), "Minimum one folder must exists");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Information);
    EXPECT_TRUE(QFileInfo(Path("fav/Easy Games")).isDir());
}

TEST_F(Organiser, CreatesFoldersAndRefusesBadNames) {
    auto dialog = Open();
    messages.inputs = {QString(31, u'x'), QString(), "Easy Games", QStringLiteral("../Outside"),
                       "Hard Games"};
    for (int i = 0; i < 5; ++i) {
        Click(*dialog, "cmdCreate");
    }
    EXPECT_EQ(messages.prompts.front(), "Enter the folder name you want to create");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Folder Exists");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.boxes[1].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(Path("Outside")));

    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    EXPECT_EQ(Sorted(Shown(tree)), QStringList({"-Easy Games", "-Hard Games", "Favorites"}));
    EXPECT_EQ(Find<QComboBox>(*dialog, "imcFav")->count(), 2);
    dialog->Timer1_Timer();
    EXPECT_TRUE(Enabled(*dialog, "cmdDeleteFolder"));
    tree->setCurrentItem(tree->topLevelItem(0));
    dialog->Timer1_Timer();
    EXPECT_FALSE(Enabled(*dialog, "cmdDeleteFolder"));
}

TEST_F(Organiser, DeletesAFolderAfterAsking) {
    QDir().mkpath(Path("fav/Hard Games"));
    Files("fav/Hard Games", {"1.vlg"});
    auto dialog = Open();
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    ClickNode(tree, "Hard Games", "Favorites");
    messages.answer = false;
    dialog->cmdDeleteFolder_Click();
    EXPECT_EQ(messages.Last(), "Are you sure you want to delete Hard Games ?");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Critical);
    EXPECT_TRUE(QFileInfo::exists(Path("fav/Hard Games/1.vlg")));
    messages.answer = true;
    dialog->cmdDeleteFolder_Click();
    EXPECT_FALSE(QFileInfo::exists(Path("fav/Hard Games")));
    EXPECT_EQ(Shown(tree), QStringList({"Favorites", "-Easy Games"}));
    EXPECT_EQ(tree->currentItem()->text(0), "Easy Games");
}

TEST_F(Organiser, DeletesAndMovesTheSelectedGames) {
    QDir().mkpath(Path("fav/Hard Games"));
    Files("fav/Easy Games", {"1.vlg", "2.v2k", "3.vlg", "4.vlg"});
    auto dialog = Open();
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    ClickNode(tree, "Easy Games", "Favorites");
    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    dialog->Timer1_Timer();
    EXPECT_TRUE(Enabled(*dialog, "cmdMove"));

    auto select = [list](QStringList names) {
        list->clearSelection();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (names.contains(list->topLevelItem(i)->text(0))) {
                list->topLevelItem(i)->setSelected(true);
            }
        }
    };
    select({"4"});
    dialog->cmdDeleteGame_Click();
    EXPECT_EQ(messages.Last(), "Are you sure you want to delete ?");
    EXPECT_EQ(Rows(list), QStringList({"1", "2", "3"}));

    auto* combo = Find<QComboBox>(*dialog, "imcFav");
    combo->setCurrentIndex(combo->findText("Hard Games"));
    select({"1", "2", "3"});
    dialog->cmdMove_Click();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(QDir(Path("fav/Hard Games")).entryList(QDir::Files).size(), 3);
    dialog->Timer1_Timer();
    EXPECT_FALSE(Enabled(*dialog, "cmdDeleteGame"));
}

// Open game -----------------------------------------------------------------------------------

class OpenDialog : public Dialogs {
protected:
    std::unique_ptr<frmOpenGame> Open() {
        auto dialog = std::make_unique<frmOpenGame>(
            OpenGameContext{*save, *recent, game, files, fileDialogs, messages, Icons()});
        dialog->show();
        return dialog;
    }
};

TEST_F(OpenDialog, TheTreeShowsEveryPlaceExpanded) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Open Game");
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    EXPECT_EQ(Shown(tree),
              QStringList({"Velmora 2003", "-Favorites", "--Easy Games", "-AutoSave",
                           "--Incomplete Games", "--Finished Games", "-Recent Games",
                           "--Incomplete Games", "--Finished Games", "-Others", "--Saved Games"}));
    EXPECT_TRUE(Shows(tree->topLevelItem(0)->icon(0), "Program"));
    EXPECT_TRUE(Shows(tree->topLevelItem(0)->child(0)->icon(0), "CloseFold"));
    EXPECT_EQ(Find<QTreeWidget>(*dialog, "ListView1")->topLevelItemCount(), 0);
    EXPECT_FALSE(Enabled(*dialog, "cmdSelect"));
}

TEST_F(OpenDialog, ANodeListsItsGamesAndSelectOpensTheFirst) {
    Files("saved", {"12345.vlg", "notes.txt"});
    auto dialog = Open();
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    ClickNode(tree, "Finished Games", "Recent Games");
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(Enabled(*dialog, "cmdSelect"));
    Click(*dialog, "cmdSelect");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(dialog->isVisible());

    ClickNode(tree, "Saved Games", "Others");
    EXPECT_EQ(Rows(list), QStringList{"12345"});
    EXPECT_TRUE(Shows(list->topLevelItem(0)->icon(0), "Incomp"));
    game.allow = false;
    Click(*dialog, "cmdSelect");
    EXPECT_TRUE(game.opened.isEmpty());
    game.allow = true;
    game.fail = true;
    Click(*dialog, "cmdSelect");
    EXPECT_EQ(messages.Last(), "Bad file");
    EXPECT_TRUE(dialog->isVisible());
    game.fail = false;
    Click(*dialog, "cmdSelect");
    EXPECT_EQ(game.opened, QStringList{Path("saved/12345.vlg")});
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OpenDialog, AVanishedRecentGameIsListedButNotOpened) {
    recent->AddtoRecent(Path("saved/gone.v2k"));
    auto dialog = Open();
    auto* tree = Find<QTreeWidget>(*dialog, "TreeView1");
    ClickNode(tree, "Finished Games", "Recent Games");
    auto* list = Find<QTreeWidget>(*dialog, "ListView1");
    EXPECT_EQ(Rows(list), QStringList{"gone"});
    EXPECT_TRUE(Shows(list->topLevelItem(0)->icon(0), "Comp"));
    Click(*dialog, "cmdSelect");
    EXPECT_EQ(messages.Last(), "Sorry File Doesn't Exists");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(game.opened.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OpenDialog, BrowseFallsBackToTheFileDialog) {
    auto dialog = Open();
    Click(*dialog, "cmdBrowse");
    EXPECT_EQ(fileDialogs.lastStart, Path("saved"));
    EXPECT_TRUE(dialog->isVisible());
    Files("saved", {"9.v2k"});
    fileDialogs.answer = Path("saved/9.v2k");
    Click(*dialog, "cmdBrowse");
    EXPECT_EQ(files.opened, QStringList{fileDialogs.answer});
    EXPECT_FALSE(dialog->isVisible());
}

// Select game ---------------------------------------------------------------------------------

TEST_F(Dialogs, SelectGameSuggestsANumberAndDealsAValidEntry) {
    frmSelectGame dialog(SelectGameContext{40000, game, messages, [] { return 0.5; }});
    EXPECT_EQ(dialog.windowTitle(), "Select Game");
    EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Select a Game Number between 0 and 40000");
    auto* text = Find<QLineEdit>(dialog, "Text1");
    EXPECT_EQ(text->text(), "20000");
    EXPECT_EQ(text->selectedText(), "20000");

    dialog.show();
    text->setText("abc"); // which entries are refused is the entry's own test
    Click(dialog, "cmdSelect");
    EXPECT_EQ(messages.Last(), "Please Enter a valid number between 0 and 3240000");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Information);
    EXPECT_EQ(text->text(), "0");
    EXPECT_TRUE(game.started.empty());
    text->setText("3000000");
    Click(dialog, "cmdSelect");
    EXPECT_EQ(game.started, std::vector<std::int32_t>{3000000});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Dialogs, SelectGameShowsTheWinnableCheckOnlyWhenOneIsSet) {
    frmSelectGame dialog(SelectGameContext{3240000, game, messages, [] { return 0.0; }});
    dialog.show();
    auto* label = Find<QLabel>(dialog, "lblWinnable");
    auto* text = Find<QLineEdit>(dialog, "Text1");
    EXPECT_FALSE(label->isVisible());
    std::vector<std::int32_t> asked;
    std::vector<frmSelectGame::ShowVerdict> pending;
    dialog.SetWinnableCheck([&](std::int32_t number, frmSelectGame::ShowVerdict show) {
        asked.push_back(number);
        pending.push_back(std::move(show));
    });
    EXPECT_TRUE(label->isVisible());
    text->setText("13.5");
    EXPECT_EQ(label->text(), "Checking\u2026");
    text->setText("20");
    // The answer for 14 arrives after the entry moved on: it is dropped.
    pending[pending.size() - 2]("checked 14");
    EXPECT_EQ(label->text(), "Checking\u2026");
    pending.back()("checked 20");
    EXPECT_EQ(label->text(), "checked 20");
    text->setText("abc");
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(asked.back(), 20);
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 14), 1);
    dialog.SetWinnableCheck({});
    EXPECT_FALSE(label->isVisible());
}

// Auto-save manager ---------------------------------------------------------------------------

class AutoSaveDialog : public Dialogs {
protected:
    std::unique_ptr<frmAutoSave> Open() {
        auto dialog =
            std::make_unique<frmAutoSave>(AutoSaveContext{*save, messages, &sound, Icons()});
        dialog->show();
        return dialog;
    }
    RecordingSound sound;
};

TEST_F(AutoSaveDialog, ListsBothFoldersAndSwitchesFramesWithTheTabs) {
    Files("incomplete", {"12345.vlg", "Unfinished.vlg", "1.v2k"});
    Files("finished", {"2.v2k", "3.v2k"});
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "AutoSave");
    EXPECT_EQ(sound.events, std::vector<int>{16});
    auto* first = Find<QTreeWidget>(*dialog, "ListView1");
    EXPECT_EQ(Rows(first), QStringList{"12345"});
    EXPECT_EQ(first->headerItem()->text(1), "Date Created");
    EXPECT_TRUE(first->topLevelItem(0)->isSelected());
    EXPECT_FALSE(first->topLevelItem(0)->text(1).isEmpty());
    EXPECT_EQ(Find<QGroupBox>(*dialog, "Frame1_1")->title(),
              AutoSaveList::FrameCaption(save->IncompleteDir()));
    EXPECT_FALSE(Find<QGroupBox>(*dialog, "Frame1_2")->isVisible());

    dialog->Timer1_Timer();
    EXPECT_TRUE(Enabled(*dialog, "cmdDelete"));
    EXPECT_FALSE(Enabled(*dialog, "cmdDeleteAll"));
    Find<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(1);
    EXPECT_FALSE(Find<QGroupBox>(*dialog, "Frame1_1")->isVisible());
    EXPECT_TRUE(Find<QGroupBox>(*dialog, "Frame1_2")->isVisible());
    dialog->Timer1_Timer();
    EXPECT_TRUE(Enabled(*dialog, "cmdDeleteAll"));
}

TEST_F(AutoSaveDialog, DeletesOnlyWhatTheListShowsAndOnlyOnYes) {
    Files("finished", {"2.v2k", "3.v2k", "notes.txt"});
    auto dialog = Open();
    Find<QTabBar>(*dialog, "TabStrip1")->setCurrentIndex(1);
    messages.answer = false;
    dialog->cmdDeleteAll_Click();
    EXPECT_EQ(messages.Last(), "Are you sure you want to delete all files in this Folder ?");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Critical);
    EXPECT_EQ(Rows(Find<QTreeWidget>(*dialog, "ListView2")).size(), 2);

    messages.answer = true;
    dialog->cmdDelete_Click();
    EXPECT_EQ(messages.Last(), "Are you sure you want to delete these Files ?");
    EXPECT_EQ(Rows(Find<QTreeWidget>(*dialog, "ListView2")).size(), 1);
    dialog->cmdDeleteAll_Click();
    EXPECT_EQ(QDir(Path("finished")).entryList(QDir::Files), QStringList{"notes.txt"});
    dialog->Timer1_Timer();
    EXPECT_FALSE(Enabled(*dialog, "cmdDelete"));
}

TEST_F(AutoSaveDialog, AReadOnlyGameIsReportedAndNothingIsDeleted) {
    Files("incomplete", {"1.vlg", "2.vlg"});
    QFile::setPermissions(Path("incomplete/2.vlg"), QFile::ReadOwner);
    auto dialog = Open();
    dialog->cmdDeleteAll_Click();
    EXPECT_EQ(messages.Last(), "The file \"2.vlg\" is read-only.");
    EXPECT_EQ(Rows(Find<QTreeWidget>(*dialog, "ListView1")), QStringList({"1", "2"}));
}

} // namespace
