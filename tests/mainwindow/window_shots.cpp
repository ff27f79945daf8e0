// Pictures of the main window and its dialogs for the README and for looking at by eye; not
// run by ctest. scripts/screenshots.sh runs it under a virtual display:
//   VELMORA_SHOTS=DIR window_shots            the three main-window pictures of docs/
//   VELMORA_SHOTS=DIR VELMORA_SHOTS_ALL=1 ...  also every dialog the menus open, tab by tab
#include "MainWindowFixture.h"

#include "engine/mGame.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QTabBar>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace velmora::test {
namespace {

class WindowShots : public MainWindowTest {
protected:
    void SetUp() override {
        m_folder = qEnvironmentVariable("VELMORA_SHOTS");
        if (m_folder.isEmpty()) {
            GTEST_SKIP() << "VELMORA_SHOTS names no folder";
        }
        QDir().mkpath(m_folder);
        MainWindowTest::SetUp();
    }

    void Save(const QPixmap& picture, const QString& name) {
        const QString path = m_folder + u'/' + name + QStringLiteral(".png");
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }

    /// Runs `open`, which shows a modal dialog, and hands the dialog to `look` once it is up;
    /// the dialog is then rejected.
    static void WithModal(const char* name, const std::function<void()>& open,
                          const std::function<void(QDialog&)>& look) {
        bool seen = false;
        QTimer::singleShot(300, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = true;
                look(*dialog);
                dialog->reject();
            }
        });
        open();
        if (!seen) {
            std::printf("%s opened no dialog\n", name);
        }
    }

    /// The dialog drawn over the middle of the window with a plain title bar, a frame and a
    /// soft shadow, as a window manager would show it.
    static QPixmap Over(frmMain& w, QWidget& dialog) {
        QPixmap picture = w.grab();
        const QPixmap top = dialog.grab();
        const QSizeF size = top.deviceIndependentSize();
        const qreal titleHeight = dialog.fontMetrics().height() + 12;
        const QRectF body((w.width() - size.width()) / 2,
                          (w.height() - size.height() + titleHeight) / 2, size.width(),
                          size.height());
        const QRectF title(body.left(), body.top() - titleHeight, body.width(), titleHeight);
        const QRectF outline = title.united(body);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 10; i >= 1; --i) {
            painter.setBrush(QColor(0, 0, 0, 9));
            painter.drawRoundedRect(outline.adjusted(-i, -i + 4, i, i + 4), i + 4, i + 4);
        }
        painter.setBrush(QColor(60, 66, 74));
        painter.drawRoundedRect(outline.adjusted(-1, -1, 1, 1), 6, 6);
        painter.drawPixmap(body.topLeft(), top);
        painter.setPen(QColor(236, 238, 240));
        QFont font = dialog.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(title, Qt::AlignCenter, dialog.windowTitle());
        return picture;
    }

    /// Every page of a dialog with tabs, else the dialog itself.
    void SaveDialog(QDialog& dialog, const QString& name) {
        QTabBar* tabs = dialog.findChild<QTabBar*>();
        if (!tabs) {
            Save(dialog.grab(), name);
            return;
        }
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            Save(dialog.grab(), name + QStringLiteral("-") + QString::number(i + 1));
        }
    }

    /// Each dialog the named menu items open, when they are enabled.
    void SaveDialogs(frmMain& w, std::initializer_list<const char*> items) {
        for (const char* name : items) {
            const QAction* action = Act(w, name);
            if (!action || !action->isEnabled()) {
                continue;
            }
            WithModal(
                name, [&] { w.Command(QString::fromLatin1(name)); },
                [&](QDialog& dialog) {
                    SaveDialog(dialog, QString::fromLatin1(name).mid(3).toLower());
                });
        }
    }

    QString m_folder;
};

TEST_F(WindowShots, MainWindowAndDialogs) {
    // The game with the shortest solution the small solver finds looks most like a person's.
    WonGame won{-1, {}};
    for (std::int32_t number = 1; number <= 30; ++number) {
        auto moves = Solver().Solve(number);
        if (moves && (won.number < 0 || moves->size() < won.moves.size())) {
            won = WonGame{number, *moves};
        }
    }
    std::printf("game %d, %zu moves\n", won.number, won.moves.size());
    ASSERT_GE(won.number, 0);
    frmMain& w = Start();
    w.resize(880, 660);
    w.Menu().SetRandom([&won] { return won.number / 3240000.0; });
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_EQ(State(w).GameNumber, won.number);
    w.TimeTick();
    Save(w.grab(), QStringLiteral("fresh-deal"));

    // Halfway, with the exposed card of a column selected.
    const std::size_t half = std::min<std::size_t>(won.moves.size() / 2, 40);
    for (std::size_t i = 0; i < half; ++i) {
        PlayMove(w, won.moves[i]);
    }
    clock.Advance(3 * 60 + 17);
    GameState& state = State(w);
    for (int column = 0; column < 8; ++column) {
        const Location exposed = state.Game().GetBottomCardLocation(static_cast<Location>(column));
        if (exposed >= 0 && !(won.moves[half].from == exposed)) {
            ClickCard(w, exposed);
            break;
        }
    }
    w.TimeTick();
    Save(w.grab(), QStringLiteral("game-in-progress"));

    const bool all = qEnvironmentVariableIsSet("VELMORA_SHOTS_ALL");
    if (all) {
        SaveDialogs(w, {"mnuSource", "mnuOptions", "mnuAbout", "mnuScore", "mnuAddFav", "mnuOrgFav",
                        "mnuFavOpen", "mnuSettings", "mnuCustom", "mnuautosave"});
        ProvideHelpPage();
        w.Command(QStringLiteral("mnuContents"));
        if (auto* help = w.findChild<QDialog*>(QStringLiteral("frmHelp"))) {
            Save(help->grab(), QStringLiteral("help"));
            help->close();
        }
    }

    // The folder the won dialog proposes, as on a player's machine.
    w.Save().SaveFolder(QStringLiteral("/home/player/.local/share/Velmora 2003 Files/Saved Games"));

    // Cancel the selection, then play to the end; the won dialog is pictured over the table.
    mGame::ClearSelection(state);
    bool pictured = false;
    QObject::connect(&w, &frmMain::finishDialogOpening, &w, [&] {
        QTimer::singleShot(300, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                pictured = true;
                while (w.FlashRunning()) {
                    w.FlashTick();
                }
                Save(Over(w, *dialog), QStringLiteral("game-won"));
                dialog->reject();
            }
        });
    });
    // The long middle straight through the engine; the winning move by presses.
    for (std::size_t i = half; i + 1 < won.moves.size(); ++i) {
        state.MutableGame().SetLocation(won.moves[i].from, won.moves[i].to, MoveMode::First,
                                        Motion::Instant());
    }
    w.Table().finishAnimations();
    PlayMove(w, won.moves.back());
    for (int i = 0; i < 50 && !pictured; ++i) {
        QApplication::processEvents();
    }
    if (all) {
        // Without a game in play these start one without asking first.
        SaveDialogs(w, {"mnuSelect", "mnuOpen"});
    }
    EXPECT_TRUE(pictured) << "moves " << won.moves.size() << ", started " << State(w).GameStarted
                          << ", boxes " << messages.boxes.size();
}

} // namespace
} // namespace velmora::test
