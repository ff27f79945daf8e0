// Zoom, keyboard play and accessibility of the main window, driven headless.

#include "MainWindowFixture.h"
#include "support/AccessibleNames.h"

#include "engine/TablePress.h"
#include "library/cOpt.h"
#include "mainwindow/TableDescription.h"
#include "mainwindow/TableGeometry.h"
#include "mainwindow/dlgAbout.h"
#include "mainwindow/dlgMove.h"

#include <QApplication>
#include <QToolBar>

using namespace velmora;
using namespace velmora::test;

namespace {

using FrmMainZoom = MainWindowTest;
using FrmMainKeys = MainWindowTest;
using FrmMainAccessibility = MainWindowTest;

/// The ticked zoom items.
QStringList Ticked(frmMain& w) {
    QStringList ticked;
    for (const char* name :
         {"mnuZoom100", "mnuZoom125", "mnuZoom150", "mnuZoom200", "mnuZoomFit"}) {
        if (w.Action(QString::fromLatin1(name))->isChecked()) {
            ticked << QString::fromLatin1(name);
        }
    }
    return ticked;
}

/// One key of the press alphabet, typed on the table.
void Type(frmMain& w, char key, bool shift = false) {
    int code = Qt::Key_Escape;
    if (key >= 'A' && key <= 'H') {
        code = Qt::Key_A + (key - 'A');
    } else if (key >= '1' && key <= '8') {
        code = Qt::Key_1 + (key - '1');
    }
    QTest::keyClick(&w.Table(), static_cast<Qt::Key>(code),
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
}

/// The key that presses `loc`: its column's letter, or its cell's digit.
char KeyOf(Location loc) {
    if (IsCellRow(loc)) {
        return static_cast<char>('1' + loc - FirstFreeCell - (IsHomeCell(loc) ? 1 : 0));
    }
    return static_cast<char>('A' + loc % ColumnCount);
}

} // namespace

TEST_F(FrmMainZoom, ZoomAndKeyHintsAreTickedAndKeptAcrossStarts) {
    frmMain& first = Start();
    const QSize screen = first.screen()->availableGeometry().size();
    EXPECT_EQ(Ticked(first), QStringList{"mnuZoom100"});
    Act(first, "mnuZoom150")->trigger();
    EXPECT_EQ(Ticked(first), QStringList{"mnuZoom150"});
    EXPECT_EQ(first.Table().zoom(), 150);
    EXPECT_EQ(first.minimumSize(), QSize(960, 700).boundedTo(screen)) << "in table units";
    Act(first, "mnuZoomFit")->trigger();
    EXPECT_EQ(first.minimumSize(), QSize(640, 466));
    Act(first, "mnuKeyHints")->trigger();
    first.close();

    frmMain& second = Start();
    EXPECT_EQ(Ticked(second), QStringList{"mnuZoomFit"});
    EXPECT_EQ(second.Table().zoom(), FitToWindow);
    EXPECT_TRUE(Act(second, "mnuKeyHints")->isChecked()) << "Key Hints persists";
    EXPECT_TRUE(second.Table().keyHints());
    second.close();

    // A zoom the menu does not offer shows the table at 100 %.
    store->SaveSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), QStringLiteral("175"));
    frmMain& third = Start();
    EXPECT_EQ(Ticked(third), QStringList{"mnuZoom100"});
    EXPECT_DOUBLE_EQ(third.Table().scale(), 1.0);
}

TEST_F(FrmMainZoom, APressAtACardsScaledPlaceSelectsItAtEveryZoom) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    for (const char* item :
         {"mnuZoom100", "mnuZoom125", "mnuZoom150", "mnuZoom200", "mnuZoomFit"}) {
        Act(w, item)->trigger();
        const Location exposed = State(w).Game().GetBottomCardLocation(1);
        ClickCard(w, exposed);
        EXPECT_EQ(State(w).SelectedLocation, exposed) << item;
        ClickFreeCell(w, 0);
        ClickCard(w, FreeCell(0));
        EXPECT_EQ(State(w).SelectedLocation, FreeCell(0)) << item;
        w.Command(QStringLiteral("mnuUndo"));
    }
}

TEST_F(FrmMainKeys, AGamePlayedWithKeysRecordsWhatPointerPressesRecord) {
    const WonGame& won = SolvedGame();
    ASSERT_GE(won.number, 0) << "the solver won none of games 1..20";
    // All but the winning moves: the end-of-game dialog is another test's business.
    const std::vector<SolverMove> moves(won.moves.begin(), won.moves.end() - 3);
    auto play = [&](bool keys) {
        frmMain& w = Start();
        w.Menu().SetRandom([&] { return double(won.number) / w.Opt().GetRandomLimit(); });
        w.Command(QStringLiteral("mnuNew"));
        for (const SolverMove& m : moves) {
            if (keys) {
                Type(w, KeyOf(m.from));
                Type(w, KeyOf(m.to));
            } else {
                PlayMove(w, m);
            }
        }
        const QString file = Path(keys ? QStringLiteral("keys.vlg") : QStringLiteral("mouse.vlg"));
        EXPECT_TRUE(w.Session().Trans().SaveToFile(file.toStdString()).has_value());
        w.ExitAtOnce();
        return ReadAll(file);
    };
    const QByteArray byPointer = play(false);
    const std::vector<int> pointerQuestions = std::exchange(emptyColumnQuestions, {});
    EXPECT_GT(byPointer.count('\n'), static_cast<qsizetype>(moves.size()));
    EXPECT_EQ(play(true), byPointer);
    EXPECT_EQ(emptyColumnQuestions, pointerQuestions);
}

TEST_F(FrmMainKeys, KeysTakeThePointersWayWithWarningMessageQuestionAndDoubleClick) {
    frmMain& w = Start();
    w.Command(QStringLiteral("mnuNew"));
    CloseGame(w);
    Type(w, 'A'); // the closed game's cards are hidden: nothing to press
    EXPECT_EQ(State(w).SelectedLocation, NoLocation);
    w.Command(QStringLiteral("mnuNew"));

    // The warning check comes first; then an illegal target: the message.
    auto [columns, cells] = BlockedBoard(false);
    Lay(w, columns, cells);
    Type(w, 'D');
    EXPECT_TRUE(w.FlashRunning());
    EXPECT_EQ(State(w).SelectedLocation, 5 * 8 + 3);
    Type(w, 'E');
    EXPECT_EQ(messages.Last(), QStringLiteral("That move is not Allowed"));

    // Escape drops a selection made with the pointer.
    ClickCard(w, 5 * 8 + 2);
    Type(w, EscapeKey);
    EXPECT_EQ(State(w).SelectedLocation, NoLocation);

    // A run of two over an empty column asks the question; Shift sends a card to a free cell.
    Lay(w, {{CardOf(4, 13), CardOf(2, 9), CardOf(1, 8)}, {CardOf(4, 3)}, {}}, {});
    Type(w, 'A');
    Type(w, 'C');
    EXPECT_EQ(emptyColumnQuestions, std::vector<int>{2});
    EXPECT_EQ(CardAt(w, 2), CardOf(1, 8)) << "answered Move Single Card";
    Type(w, 'B', true);
    EXPECT_EQ(CardAt(w, FreeCell(0)), CardOf(4, 3));
}

TEST_F(FrmMainKeys, TheTableKeepsTheFocusAndMenuShortcutsStillWork) {
    frmMain& w = Start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_TRUE(w.Table().hasFocus());
    w.findChild<QComboBox*>(QStringLiteral("ImageCombo1"))->setFocus();
    EXPECT_TRUE(w.Table().hasFocus()) << "the player list does not keep it";
    auto* field = new QLineEdit(w.findChild<QToolBar*>(QStringLiteral("Toolbar1")));
    field->show();
    field->setFocus();
    EXPECT_TRUE(field->hasFocus()) << "a text field keeps it";
    delete field;

    QTest::keyClick(&w.Table(), Qt::Key_F2); // New
    ASSERT_TRUE(State(w).GameStarted);
    Type(w, 'A');
    Type(w, '1');
    ASSERT_NE(CardAt(w, FreeCell(0)), NoCard);
    QTest::keyClick(&w.Table(), Qt::Key_Z, Qt::ControlModifier); // Undo
    EXPECT_EQ(CardAt(w, FreeCell(0)), NoCard);
    QTest::keyClick(&w.Table(), Qt::Key_X, Qt::ControlModifier); // Redo
    EXPECT_NE(CardAt(w, FreeCell(0)), NoCard);
}

TEST_F(FrmMainAccessibility, EveryControlIsNamedAndTheTableTellsTheGame) {
    frmMain& w = Start();
    EXPECT_EQ(UnnamedControls(w), QStringList());
    EXPECT_EQ(w.Table().accessibleDescription(), QStringLiteral("No game"));

    // The windows the main window opens: without a game, then those that need one.
    auto check = [&w, this](const char* command) {
        dialogs.answers.push_back([command](QDialog&) {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << command;
            EXPECT_EQ(UnnamedControls(*dialog), QStringList()) << command;
            dialog->close();
        });
        w.Command(QString::fromLatin1(command));
        EXPECT_TRUE(dialogs.answers.empty()) << command << " opened no dialog";
        dialogs.answers.clear();
    };
    for (const char* command : {"mnuSelect", "mnuOpen", "mnuOptions", "mnuScore", "mnuCustom",
                                "mnuSettings", "mnuFavOpen", "mnuOrgFav", "mnuautosave"}) {
        check(command);
    }
    EXPECT_EQ(UnnamedControls(dlgMove(nullptr)), QStringList());
    EXPECT_EQ(UnnamedControls(dlgAbout(&w)), QStringList());
    ProvideHelpPage();
    w.ShowHelp();
    EXPECT_EQ(UnnamedControls(*w.findChild<QDialog*>(QStringLiteral("frmHelp"))), QStringList());

    w.Command(QStringLiteral("mnuNew"));
    check("mnuSource");
    check("mnuAddFav");
    const QString card =
        QString::fromStdString(CardName(CardAt(w, State(w).Game().GetBottomCardLocation(2))));
    Type(w, 'C');
    EXPECT_EQ(w.Table().accessibleDescription(), card + QStringLiteral(" selected, column C"));
    Type(w, '4');
    EXPECT_EQ(w.Table().accessibleDescription(),
              QStringLiteral("Nothing selected. Last move: ") + card +
                  QStringLiteral(" from column C to free cell 4"));
}
