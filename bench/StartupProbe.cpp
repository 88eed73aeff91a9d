// The program as launched, stopped at the first paint of its main window: it prints the
// moment (CLOCK_MONOTONIC, nanoseconds) when that paint is done and ends at once, before the
// event loop does anything else. bench_startup launches it; the splash picture's display time
// lies after that moment and is not measured.

#include "KORVANEXApp.h"
#include "MainFrame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

class FirstPaintOfTheMainWindow final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_bSeen && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<const QWidget*>(watched);
            if (widget && qobject_cast<const CMainFrame*>(widget->window())) {
                m_bSeen = true;
                // The window paints all its widgets in one go; the moment is after the last.
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    std::printf("%lld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stdout);
                    _exit(0);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_bSeen = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaintOfTheMainWindow watch;
    app.installEventFilter(&watch);
    return RunProgram();
}
