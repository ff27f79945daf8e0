// The main window and its dialogs driven from the keyboard only.

#include "MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <map>
#include <set>

using namespace velmora;
using namespace velmora::test;

namespace {

class Keyboard : public MainWindowTest {
protected:
    /// The main window, active, with the focus on the table: shortcuts need an active window.
    frmMain& StartActive() {
        frmMain& w = Start();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        w.Table().setFocus();
        return w;
    }
};

/// The access letter of a caption ("Sto&p" gives 'P'), 0 without one.
QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

/// Presses Tab in `dialog` until the focus comes round again; the widgets it visited.
std::set<QWidget*> TabRound(QDialog& dialog) {
    std::set<QWidget*> visited;
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = dialog.focusWidget();
        if (!focus || !visited.insert(focus).second) {
            break;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

/// Runs `open`, which shows a modal dialog through `runner`, and hands that dialog to `use` once
/// it is up. False when no dialog came up or `use` left it open.
bool WithModal(FakeDialogRunner& runner, const std::function<void()>& open,
               const std::function<void(QDialog&)>& use) {
    bool seen = false;
    bool closed = false;
    runner.answers.push_back([&](QDialog&) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        seen = true;
        // Presses on the table just before may still hand the activation back to the main
        // window; a window manager gives it to the new dialog.
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        use(*dialog);
        closed = !dialog->isVisible();
        if (!closed) {
            dialog->reject();
        }
    });
    open();
    runner.answers.clear();
    return seen && closed;
}

/// Every enabled button of the dialog is reached by Tab, one of them is the default, and
/// Escape closes the dialog as a cancel.
void CheckKeyboard(QDialog& dialog, const char* name) {
    SCOPED_TRACE(name);
    const std::set<QWidget*> reached = TabRound(dialog);
    int defaults = 0;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&dialog) || !button->isEnabled()) {
            continue;
        }
        EXPECT_TRUE(reached.contains(button)) << button->objectName().toStdString();
        defaults += button->isDefault() ? 1 : 0;
    }
    EXPECT_EQ(defaults, 1);
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace

TEST_F(Keyboard, MenusHaveDistinctAccessKeysAndShortcuts) {
    frmMain& w = Start();
    QMenuBar* bar = w.menuBar();
    std::set<QChar> menuKeys;
    std::map<QString, QString> shortcuts;
    for (QAction* top : bar->actions()) {
        const QChar key = AccessKey(top->text());
        EXPECT_FALSE(key.isNull()) << top->text().toStdString();
        EXPECT_TRUE(menuKeys.insert(key).second) << "Alt+" << QString(key).toStdString();
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator() || !item->isVisible()) {
                continue;
            }
            // Items may share a letter ("&Select Game..", "&Save Game"): it then steps
            // between them.
            EXPECT_FALSE(AccessKey(item->text()).isNull()) << item->text().toStdString();
            // Qt ignores a shortcut that two actions share.
            const QString shortcut = item->shortcut().toString();
            if (!shortcut.isEmpty()) {
                EXPECT_TRUE(shortcuts.emplace(shortcut, item->objectName()).second)
                    << shortcut.toStdString() << " " << item->objectName().toStdString();
                EXPECT_EQ(item->shortcutContext(), Qt::WindowShortcut);
            }
        }
    }
    EXPECT_EQ(shortcuts.size(), 17U);
}

TEST_F(Keyboard, AltAndTheAccessKeyOpenTheMenu) {
    frmMain& w = StartActive();
    auto* game = w.findChild<QMenu*>(QStringLiteral("mnuGame"));
    auto* help = w.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_NE(game, nullptr);
    ASSERT_NE(help, nullptr);
    QTest::keyClick(&w.Table(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(game->isVisible());
    help->close();
}

TEST_F(Keyboard, DialogsWorkFromTheKeyboard) {
    frmMain& w = StartActive();
    w.Command(QStringLiteral("mnuNew"));
    ASSERT_TRUE(StackMove(w));
    for (const char* name : {"mnuSource", "mnuOptions", "mnuAbout"}) {
        EXPECT_TRUE(WithModal(
            dialogs, [&] { w.Command(QString::fromLatin1(name)); },
            [&](QDialog& dialog) { CheckKeyboard(dialog, name); }))
            << name;
    }

    // The add-player dialog over the options: Escape closes only the inner one.
    bool inner = false;
    EXPECT_TRUE(WithModal(
        dialogs, [&] { w.Command(QStringLiteral("mnuOptions")); },
        [&](QDialog& options) {
            auto* add = options.findChild<QPushButton*>(QStringLiteral("cmdAdd"));
            ASSERT_NE(add, nullptr);
            inner = WithModal(
                dialogs, [&] { add->click(); },
                [&](QDialog& dialog) { CheckKeyboard(dialog, "frmAddPlayer"); });
            EXPECT_TRUE(options.isVisible());
            QTest::keyClick(&options, Qt::Key_Escape);
        }));
    EXPECT_TRUE(inner);

    // Return presses the default button of the about box.
    EXPECT_TRUE(WithModal(
        dialogs, [&] { w.Command(QStringLiteral("mnuAbout")); },
        [&](QDialog& dialog) {
            ASSERT_NE(dialog.focusWidget(), nullptr);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }));

    // The help window is not modal: F1 opens it, Escape closes it, F1 brings it back.
    ProvideHelpPage();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w.Table(), Qt::Key_F1);
    auto* help = w.findChild<QDialog*>(QStringLiteral("frmHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w.Table(), Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
}
