// Renders the table with game 1 dealt into a PNG, for looking at the table by eye:
//   QT_QPA_PLATFORM=offscreen table_snapshot /tmp/velmora-table.png [moves]
#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mPics.h"
#include "history/GameSession.h"
#include "mainwindow/TableWidget.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/velmora-table.png");
    velmora::TableWidget table;
    table.setAutoAdvance(false);
    table.resize(800, 600);
    velmora::EnginePorts ports;
    ports.view = &table;
    velmora::GameSession session(ports);
    session.StartGame(1);
    table.finishAnimations();
    // A few presses so the picture shows cards in the free cells and a selection.
    velmora::GameState& state = session.State();
    for (int column : {0, 3}) {
        const velmora::Location bottom = state.Game().GetBottomCardLocation(column);
        velmora::mPics::PressCard(state, bottom);
        velmora::mPics::ClickFreeCellFrame(state, column == 0 ? 0 : 2);
    }
    table.finishAnimations();
    velmora::mPics::PressCard(state, state.Game().GetBottomCardLocation(5));
    table.setTimeText(QStringLiteral("0:01:23 "));
    table.show();
    return table.grab().save(out) ? 0 : 1;
}
