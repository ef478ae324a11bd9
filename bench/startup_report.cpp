// SPDX-License-Identifier: MIT
// Linked into a program for the start-up benchmark: once the program's first window has
// painted, it writes on its standard output the processor time it has used and its peak
// memory, "MICROSECONDS KILOBYTES", and ends as its event loop returns. Qt calls the hook
// as the application object is made, so the program itself stays as it is shipped.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

void ReportUsage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto microseconds = [](const timeval& time) {
        return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
    };
    std::printf("%lld %ld\n", microseconds(usage.ru_utime) + microseconds(usage.ru_stime),
                usage.ru_maxrss);
    std::fflush(stdout);
}

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After the rest of the window has painted and gone to the screen.
            QTimer::singleShot(0, qApp, [] {
                ReportUsage();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

void WatchFirstPaint() {
    // The editor answers --help with a QCoreApplication first, which shows nothing.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    qApp->installEventFilter(new FirstPaint(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
