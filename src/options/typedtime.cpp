#include "options/typedtime.h"

#include "options/timeformat.h"

TypedTime TypedTime::read(const QString &answer, const TimeFormat &format)
{
    TypedTime typed;
    if (answer.isEmpty() || answer == placeholder())
        return typed;
    auto time = format.parse(answer + QStringLiteral(".00"));
    if (!time)
        time = format.parse(answer);
    if (!time) {
        typed.status = Status::BadFormat;
        return typed;
    }
    typed.status = Status::Accepted;
    typed.shown = format.format(*time);
    typed.timeKey = key(answer);
    return typed;
}

QString TypedTime::key(const QString &answer)
{
    QString key;
    for (const QChar c : answer) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            key += c;
        else if (key.size() < 2)
            key.prepend(QLatin1Char('0'));
    }
    return key;
}

QString TypedTime::clockKey(int hour, int minute)
{
    return QStringLiteral("%1%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}
