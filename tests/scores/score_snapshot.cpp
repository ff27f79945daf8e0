// Renders every page of the score board over a sample score file into PNGs, for looking at
// the board by eye:  QT_QPA_PLATFORM=offscreen score_snapshot /tmp/score [empty]
// writes /tmp/score-1.png … /tmp/score-6.png; "empty" shows a board without records.
#include "support/QuietPorts.h"

#include "library/AppFolders.h"
#include "library/GeneralDate.h"
#include "library/cSave.h"
#include "platform/SettingsStore.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/frmScore.h"

#include <QApplication>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::quiet;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/score");
    const bool empty = argc > 2 && QByteArray(argv[2]) == "empty";
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("store.ini")));
    FixedClock clock;
    AppFolders folders;
    folders.programFolder = dir.path();
    cSave save(store, folders, clock);
    save.ScoreFile(dir.filePath(QStringLiteral("scores.sre")));
    save.SessionStart(clock.Now().addSecs(-2712));
    save.LastExportedFile(QStringLiteral("/home/guest/Velmora 2003 Files/Exported Files/"
                                         "Scoreboard Exported on Saturday, 5 December 2026.txt"));
    save.LastExportedDate(QStringLiteral("12/5/2026 4:02:13 PM"));
    GuestSelected combo;
    cPlayer player(store, &combo);
    player.AddPlayer(QStringLiteral("Guest"), 1, QStringLiteral("Guest Player"),
                     QStringLiteral("1/2/2025 10:00:00 AM"));
    player.AddPlayer(QStringLiteral("Player1"), 2, QStringLiteral("Player1"),
                     QStringLiteral("1/2/2025 10:00:00 AM"));
    player.AddPlayer(QStringLiteral("Ann"), 3, QStringLiteral("Ann Smith"),
                     QStringLiteral("3/14/2026 8:00:00 PM"));

    QByteArray text;
    const QString names[] = {QStringLiteral("Guest"), QStringLiteral("Ann"),
                             QStringLiteral("Player1")};
    for (int i = 0; !empty && i < 160; ++i) {
        const QDateTime when = clock.Now().addSecs(-3600LL * 53 * (160 - i) - 600);
        const QString& name = names[i % 7 == 0 ? 2 : i % 3 == 0 ? 1 : 0];
        const std::int16_t perc = static_cast<std::int16_t>(i % 4 == 0 ? 100 : 20 + (i * 37) % 80);
        const std::int32_t seconds = 180 + (i * 97) % 600;
        const std::int32_t moves = 60 + (i * 13) % 90 + i / 4;
        ScoreRecord r{name,
                      seconds,
                      1000 + i * 7919 % 32000,
                      moves,
                      GeneralDate::Format(when),
                      perc,
                      cScore::GetScore(moves, seconds, perc)};
        text += (cScore::FormatRecord(r) + QStringLiteral("\r\n")).toUtf8();
        player.SaveScore(player.GetNum(name), 1, perc == 100 ? 1 : 0, perc == 100 ? 0 : 1, seconds,
                         r.Score);
    }
    QFile file(save.ScoreFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        return 1;
    }
    file.close();

    cScore score(save, player, clock);
    score.DayComboIndex(4);
    FixedGame game;
    game.inProgress = true;
    game.moves = 42;
    game.cardsLeft = 17;
    game.gameTime = 263;
    game.sessionTime = 2712;
    NoMessages messages;
    NoFiles files;
    frmScore board(ScoreContext{score, save, game, messages, files, nullptr});
    board.show();
    auto* tabs = board.findChild<QTabBar*>(QStringLiteral("TabStrip1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        if (!board.grab().save(out + QStringLiteral("-%1.png").arg(i + 1))) {
            return 1;
        }
    }
    return 0;
}
