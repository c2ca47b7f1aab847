#include "recordingfilename.h"

#include <QRegularExpression>

namespace {

// Qt's long time format names the time zone ("t"), which a clock reading in a
// file name does not want; drop it with the spaces around it.
QString timeFormatWithoutZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    return format.remove(zone).trimmed();
}

} // namespace

QString recordingFileName(const QDateTime &start, const QLocale &locale, const QString &formatName)
{
    QString date = locale.toString(start.date(), QLocale::ShortFormat);
    date.replace(QLatin1Char('/'), QLatin1Char('-'));
    QString time = locale.toString(start.time(), timeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
    time.replace(QLatin1Char(':'), QLatin1Char('-')).replace(QLatin1Char('.'), QLatin1Char('-'));
    time.replace(QLatin1Char('/'), QLatin1Char('-'));
    return date + QLatin1Char('_') + time + QLatin1Char('.') + formatName;
}
