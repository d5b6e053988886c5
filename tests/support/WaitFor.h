#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace tivrel::test {

// Runs the event loop until the condition holds or the time is up; says whether it holds.
template <typename Condition> bool waitFor(Condition condition, int milliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

} // namespace tivrel::test
