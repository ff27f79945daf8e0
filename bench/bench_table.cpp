// Table painting, offscreen, 800 x 600 with game 1 dealt. Run under QT_SCALE_FACTOR=2 for
// the 2x figures. "allocs" counts heap allocations per measured frame.
#include "engine/cGame.h"
#include "history/GameSession.h"
#include "mainwindow/TableWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {

std::atomic<long long> g_allocations{0};

} // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using velmora::TableWidget;

/// A shown table with game 1 dealt and its slides finished.
struct DealtTable {
    TableWidget table;
    velmora::EnginePorts ports;
    std::unique_ptr<velmora::GameSession> session;

    DealtTable() {
        table.setAutoAdvance(false);
        table.resize(800, 600);
        ports.view = &table;
        session = std::make_unique<velmora::GameSession>(ports);
        session->StartGame(1);
        table.finishAnimations();
        table.show();
        QApplication::processEvents();
    }
};

QImage Target(const QWidget& widget) {
    const qreal dpr = widget.devicePixelRatioF();
    QImage image(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

void Render(QWidget& widget, QImage& image) {
    QPainter painter(&image);
    widget.render(&painter);
}

void ReportAllocations(benchmark::State& state, long long allocations) {
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_TableWarmPaint(benchmark::State& state) {
    DealtTable dealt;
    QImage image = Target(dealt.table);
    Render(dealt.table, image); // fills the caches
    const long long before = g_allocations.load();
    for (auto _ : state) {
        Render(dealt.table, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_TableWarmPaint)->Unit(benchmark::kMillisecond);

/// The table's own painting in a warm frame, with a painter kept open across frames: what is
/// left once Qt's per-frame set-up (the painter, the paint event) is taken away.
void BM_TablePaintCode(benchmark::State& state) {
    DealtTable dealt;
    QImage image = Target(dealt.table);
    QPainter painter(&image);
    dealt.table.Paint(painter); // fills the caches
    const long long before = g_allocations.load();
    for (auto _ : state) {
        dealt.table.Paint(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_TablePaintCode)->Unit(benchmark::kMillisecond);

void BM_TableFirstPaint(benchmark::State& state) {
    long long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<TableWidget>();
        fresh->setAutoAdvance(false);
        fresh->resize(800, 600);
        velmora::EnginePorts ports;
        ports.view = fresh.get();
        velmora::GameSession session(ports);
        session.StartGame(1);
        fresh->finishAnimations();
        QImage image = Target(*fresh);
        const long long before = g_allocations.load();
        state.ResumeTiming();
        Render(*fresh, image);
        state.PauseTiming();
        allocations += g_allocations.load() - before;
        fresh.reset();
        state.ResumeTiming();
    }
    ReportAllocations(state, allocations);
}
BENCHMARK(BM_TableFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

/// One step of a slide across the table, then the repaint the widget asks for.
void BM_TableAnimationStep(benchmark::State& state) {
    DealtTable dealt;
    TableWidget& table = dealt.table;
    const velmora::CardIndex card = 0;
    const QPoint from = table.cardPosition(card);
    // A slide of 400 steps across the table, queued again whenever it ends.
    const auto queue = [&] { table.AnimateCard(card, from.x(), from.y(), 8000, 200, 400); };
    queue();
    table.advanceAnimation(1);
    QApplication::processEvents();
    const long long before = g_allocations.load();
    for (auto _ : state) {
        if (!table.isAnimating()) {
            queue();
        }
        table.advanceAnimation(1);
        QApplication::processEvents();
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_TableAnimationStep)->Unit(benchmark::kMillisecond);

/// The table's own part of a slide step: the step and the painting of the area it marked,
/// with a painter kept open (no paint event, no flush).
void BM_TableStepCode(benchmark::State& state) {
    DealtTable dealt;
    TableWidget& table = dealt.table;
    const velmora::CardIndex card = 0;
    const QPoint from = table.cardPosition(card);
    const auto queue = [&] { table.AnimateCard(card, from.x(), from.y(), 8000, 200, 400); };
    QImage image = Target(table);
    QPainter painter(&image);
    queue();
    table.advanceAnimation(1);
    QApplication::processEvents();
    table.Paint(painter);
    const long long before = g_allocations.load();
    for (auto _ : state) {
        if (!table.isAnimating()) {
            queue();
        }
        table.advanceAnimation(1);
        table.Paint(painter);
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_TableStepCode)->Unit(benchmark::kMillisecond);

/// The floor: a plain widget of the same size filled with a gradient. What it allocates and
/// takes per frame is the cost of Qt's own painting machinery.
class GradientWidget final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(143, 188, 139));
        gradient.setColorAt(1, Qt::black);
        painter.fillRect(rect(), gradient);
    }
};

void BM_FloorWarmPaint(benchmark::State& state) {
    GradientWidget widget;
    widget.resize(800, 600);
    widget.show();
    QApplication::processEvents();
    QImage image = Target(widget);
    Render(widget, image);
    const long long before = g_allocations.load();
    for (auto _ : state) {
        Render(widget, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_FloorWarmPaint)->Unit(benchmark::kMillisecond);

/// The floor of a slide step: a card-sized area of the plain widget painted again.
void BM_FloorStep(benchmark::State& state) {
    GradientWidget widget;
    widget.resize(800, 600);
    widget.show();
    QApplication::processEvents();
    int x = 0;
    const long long before = g_allocations.load();
    for (auto _ : state) {
        x = (x + 2) % 700;
        widget.update(x, 100, 80, 104);
        QApplication::processEvents();
    }
    ReportAllocations(state, g_allocations.load() - before);
}
BENCHMARK(BM_FloorStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
