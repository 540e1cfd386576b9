// Waits for what a test expects, not for a time: runs the event loop until `done` holds, as long
// as a machine busy with other work may need.
#pragma once
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <chrono>

namespace yukora::window {

template <class F>
bool 待つ(F done) {
    const QDeadlineTimer limit(std::chrono::minutes(2));
    while (!done() && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace yukora::window
