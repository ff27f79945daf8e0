// Loading a large settings file and looking up every key in it.

#include "platform/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using velmora::SettingsStore;

QString Key(int i) {
    return QStringLiteral("Key") + QString::number(i);
}

/// A settings file of `count` keys in one section, written once per size.
QString WriteFile(const QTemporaryDir& dir, int count) {
    const QString path = dir.filePath(QStringLiteral("store-%1.ini").arg(count));
    if (QFile::exists(path)) {
        return path;
    }
    QByteArray text = "[Options]\r\nCardSpeed=20\r\n\r\n[Bench]\r\n";
    for (int i = 0; i < count; ++i) {
        text += Key(i).toUtf8() + '=' + QByteArray::number(i) + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        return {};
    }
    return path;
}

QTemporaryDir& Dir() {
    static QTemporaryDir dir;
    return dir;
}

void BM_LoadSettings(benchmark::State& st) {
    const int count = static_cast<int>(st.range(0));
    const QString path = WriteFile(Dir(), count);
    for (auto _ : st) {
        SettingsStore store(path);
        benchmark::DoNotOptimize(
            store.GetInt(QStringLiteral("options"), QStringLiteral("cardspeed"), 0));
    }
    st.counters["keys/s"] = benchmark::Counter(static_cast<double>(count),
                                               benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadSettings)->Arg(20000)->Arg(40000)->Arg(80000)->Unit(benchmark::kMillisecond);

void BM_LookUpEveryKey(benchmark::State& st) {
    const int count = static_cast<int>(st.range(0));
    SettingsStore store(WriteFile(Dir(), count));
    for (auto _ : st) {
        int sum = 0;
        for (int i = 0; i < count; i += 1) {
            sum += store.GetInt(QStringLiteral("BENCH"), Key(i), 0);
        }
        benchmark::DoNotOptimize(sum);
    }
    st.counters["lookups/s"] = benchmark::Counter(static_cast<double>(count),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LookUpEveryKey)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

} // namespace
