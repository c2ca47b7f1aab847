#pragma once

#include <QString>

// A menu caption that shows `text` as it is: a single "&" would be taken as
// a shortcut marker and vanish, so service and deployment texts double it.
inline QString menuCaption(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
