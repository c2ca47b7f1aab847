#include "startuptrace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>

#include <cstdio>

StartupTrace::StartupTrace(QObject *parent) : QObject(parent)
{
    mark("main");
    QCoreApplication::instance()->installEventFilter(this);
}

void StartupTrace::mark(const char *event)
{
    std::fprintf(stderr, "sonvela-trace %lld %s\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), event);
    std::fflush(stderr);
}

bool StartupTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    if (!m_windowPainted && watched->objectName() == QLatin1String("Frm_Sonvela")) {
        m_windowPainted = true;
        mark("window-on-screen");
    }
    // A most-clicked entry is shown only once the catalogue has filled it.
    const auto *label = qobject_cast<const QLabel *>(watched);
    if (!m_cataloguePainted && label && label->objectName().startsWith(QLatin1String("Lbl_1_"))
        && !label->text().isEmpty()) {
        m_cataloguePainted = true;
        mark("catalogue-on-screen");
    }
    return false;
}
