#include "qtclock.h"

#include <QTimer>

void QtClock::callAfter(int ms, QObject *context, std::function<void()> action)
{
    QTimer::singleShot(ms, context, std::move(action));
}
