// The start-up baseline: an empty main window with a menu bar, a toolbar and a status bar,
// of the size given as WIDTH HEIGHT (the game window's). bench/startup.sh starts it beside the
// game with VELMORA_FIRST_FRAME set.
#include "app/FirstFrame.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    for (const char* title : {"&Game", "&Edit", "&Options", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("Item"));
    }
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    toolbar->addAction(QStringLiteral("New"));
    toolbar->addAction(QStringLiteral("Undo"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3) {
        window.resize(arguments[1].toInt(), arguments[2].toInt());
    }
    window.show();
    velmora::QuitAfterFirstFrame(window, [] { QApplication::quit(); });
    return QApplication::exec();
}
