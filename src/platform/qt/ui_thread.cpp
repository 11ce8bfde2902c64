#include "platform/qt/ui_thread.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

namespace sprig {

void runOnThreadOf(QObject& context, const std::function<void()>& routine)
{
    if (QThread::currentThread() == context.thread()) {
        routine();
        return;
    }
    QMetaObject::invokeMethod(&context, [&routine] { routine(); }, Qt::BlockingQueuedConnection);
}

// The worker clears the flag without posting anything, so a timer looks at
// it between events.
void processEventsWhile(const std::atomic<bool>& running)
{
    constexpr int kLookIntervalMs = 10;
    QEventLoop loop;
    QTimer look;
    look.callOnTimeout([&] {
        if (!running) loop.quit();
    });
    look.start(kLookIntervalMs);
    if (running) loop.exec();
}

}  // namespace sprig
