// What the one-game socket costs a start that finds no copy running: the hand-over that fails,
// listening, and closing again at the end.

#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using velmora::SingleInstance;

void BM_StartWithoutARunningCopy(benchmark::State& st) {
    // Listening needs an event loop to be woken by.
    static int argc = 1;
    static char name[] = "velmora_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    const QString socket = dir.filePath(QStringLiteral("game.socket"));
    for (auto _ : st) {
        SingleInstance instance(socket);
        benchmark::DoNotOptimize(instance.HandOver(QStringLiteral("game.vlg")));
        benchmark::DoNotOptimize(instance.Listen());
    }
}
BENCHMARK(BM_StartWithoutARunningCopy)->Unit(benchmark::kMicrosecond);

} // namespace
