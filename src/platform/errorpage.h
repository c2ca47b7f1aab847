#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// What a browser shows when a page could not be reached at all. Its address
// is not a web address, so the service's failover notices the failure.
struct ErrorPage
{
    QUrl location;
    QString title;
    QByteArray source;

    static ErrorPage forFailure(const QUrl &requested, const QString &reason);
};
