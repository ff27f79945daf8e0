// Opening the score board over the largest score table (32,767 records): loading the file,
// building every list, and the whole dialog drawn once. Runs headless.

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

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace velmora;

using namespace velmora::quiet;

/// Five players and a full score file, every record the current player's, the score list
/// showing every day: the most the board ever lists.
struct FullBoard {
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("store.ini"))};
    FixedClock clock;
    cSave save{store, AppFolders{dir.path(), dir.path(), {}, {}, false}, clock};
    GuestSelected combo;
    cPlayer player{store, &combo};
    cScore score{save, player, clock};
    FixedGame game;
    NoMessages messages;
    NoFiles files;

    FullBoard() {
        save.ScoreFile(dir.filePath(QStringLiteral("scores.sre")));
        const char* names[] = {"Guest", "Player1", "Ann", "Bob", "Carla"};
        for (std::int16_t slot = 1; slot <= 5; ++slot) {
            player.AddPlayer(QString::fromLatin1(names[slot - 1]), slot, {},
                             QStringLiteral("1/1/2020 9:00:00 AM"));
        }
        score.DayComboIndex(5);
        QByteArray text;
        for (int i = 0; i < cScore::MaxRecords; ++i) {
            const QDateTime when = clock.Now().addSecs(-1800LL * (cScore::MaxRecords - i));
            const auto perc = static_cast<std::int16_t>(i % 3 == 0 ? 100 : (i * 7) % 100);
            const std::int32_t seconds = 120 + (i * 31) % 900;
            const std::int32_t moves = 50 + (i * 17) % 150;
            text += (cScore::FormatRecord({QStringLiteral("Guest"), seconds, i * 97 % 3240000,
                                           moves, GeneralDate::Format(when), perc,
                                           cScore::GetScore(moves, seconds, perc)}) +
                     QStringLiteral("\r\n"))
                        .toUtf8();
        }
        QFile file(save.ScoreFile());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text);
        }
    }
};

FullBoard& Board() {
    static FullBoard board;
    return board;
}

void BM_LoadScores(benchmark::State& st) {
    FullBoard& b = Board();
    for (auto _ : st) {
        b.score.LoadScores();
        benchmark::DoNotOptimize(b.score.Count());
    }
    st.counters["records"] = b.score.Count();
}
BENCHMARK(BM_LoadScores)->Unit(benchmark::kMillisecond);

void BM_CreateAll(benchmark::State& st) {
    FullBoard& b = Board();
    for (auto _ : st) {
        b.score.Create_All(b.game, false);
        benchmark::DoNotOptimize(b.score.ScoreList().rows.size());
    }
    st.counters["rows"] = static_cast<double>(b.score.ScoreList().rows.size());
}
BENCHMARK(BM_CreateAll)->Unit(benchmark::kMillisecond);

/// What the player waits for: the dialog built, shown and drawn on the score list's page.
void BM_OpenScoreBoard(benchmark::State& st) {
    FullBoard& b = Board();
    b.score.TabIndex(2);
    for (auto _ : st) {
        frmScore board(ScoreContext{b.score, b.save, b.game, b.messages, b.files, nullptr});
        board.show();
        benchmark::DoNotOptimize(board.grab());
    }
}
BENCHMARK(BM_OpenScoreBoard)->Unit(benchmark::kMillisecond);

void BM_ExportScore(benchmark::State& st) {
    FullBoard& b = Board();
    b.score.Create_All(b.game, false);
    const QString path = b.dir.filePath(QStringLiteral("report.txt"));
    for (auto _ : st) {
        benchmark::DoNotOptimize(b.score.ExportScore(path).has_value());
    }
}
BENCHMARK(BM_ExportScore)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
