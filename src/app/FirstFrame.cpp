#include "app/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace velmora {

namespace {

/// Waits for the first expose of a window; the frame is painted and flushed while the expose
/// is handled, so the report is posted to run right after it.
class FirstExpose final : public QObject {
public:
    FirstExpose(QWidget& window, std::function<void()> quit)
        : QObject(&window), m_window(window), m_quit(std::move(quit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !m_seen && m_window.windowHandle() != nullptr &&
            m_window.windowHandle()->isExposed()) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-frame %lld %dx%d\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                    m_window.width(), m_window.height());
        std::fflush(stdout);
        m_quit();
    }

    QWidget& m_window;
    std::function<void()> m_quit;
    bool m_seen = false;
};

} // namespace

void QuitAfterFirstFrame(QWidget& window, std::function<void()> quit) {
    if (qEnvironmentVariableIsEmpty("VELMORA_FIRST_FRAME")) {
        return;
    }
    window.winId(); // the native window exists from here on
    window.windowHandle()->installEventFilter(new FirstExpose(window, std::move(quit)));
}

} // namespace velmora
