#pragma once

// Watches a program start from the outside of its code: it notes when the
// window it is told about is first painted and, after an idle pause, how much
// memory the process holds. The program under test keeps its own start-up
// sequence; the probe only needs the application object to exist.
//
// Output, one line, for bench/compare:
//   painted_ns=<CLOCK_REALTIME at first paint> main_ms=<main() to first paint>
//   rss_kb=<VmRSS> hwm_kb=<VmHWM>            (only with --idle-ms)

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

class StartupProbe : public QObject {
public:
    // `isTarget` says whether a top-level window is the one whose first paint
    // counts; `idleMs` < 0 exits at once after it, otherwise the process waits
    // that long (the window stays shown and its timers run) and reports memory.
    StartupProbe(std::function<bool(QWidget *)> isTarget, int idleMs)
        : m_isTarget(std::move(isTarget)), m_idleMs(idleMs)
    {
        qApp->installEventFilter(this);
    }

    // The milliseconds since main() began; call first thing in main().
    static std::chrono::steady_clock::time_point &mainStart()
    {
        static std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
        return start;
    }

    static int idleMsFromArgs(int argc, char **argv)
    {
        for (int i = 1; i + 1 < argc; ++i) {
            if (QByteArray(argv[i]) == "--idle-ms")
                return std::atoi(argv[i + 1]);
        }
        return -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (window->isVisible() && m_isTarget(window)) {
                m_painted = true;
                // The repaint manager paints every dirty widget of the window
                // and flushes it in one go; the queued call runs after that.
                QTimer::singleShot(0, this, [this] { painted(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void painted()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const double mainMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainStart()).count();
        std::printf("painted_ns=%lld main_ms=%.2f", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    mainMs);
        if (m_idleMs < 0)
            finish();
        else
            QTimer::singleShot(m_idleMs, this, [this] { reportMemory(); });
    }

    void reportMemory()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        long rss = 0, hwm = 0;
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    rss = line.mid(6).trimmed().split(' ').value(0).toLong();
                else if (line.startsWith("VmHWM:"))
                    hwm = line.mid(6).trimmed().split(' ').value(0).toLong();
            }
        }
        std::printf(" rss_kb=%ld hwm_kb=%ld", rss, hwm);
        finish();
    }

    // Skips teardown: what is measured ends at the reading above.
    static void finish()
    {
        std::printf("\n");
        std::fflush(stdout);
        std::_Exit(0);
    }

    std::function<bool(QWidget *)> m_isTarget;
    int m_idleMs;
    bool m_painted = false;
};
