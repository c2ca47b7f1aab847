#pragma once

#include <QString>

// The addresses of the service's pages, each built on the current server
// base in a text of fixed capacity, as the service has always received them.
namespace ServiceRequests {

QString access(const QString &serverBase);
QString catalogue(const QString &serverBase);
QString preferences(const QString &serverBase, const QString &userId);
QString stripStationDetail(const QString &serverBase);
QString stripHotPage(const QString &serverBase);
QString stationById(const QString &serverBase, int id);
// Service pages by code: 16 search, 17 full list, 18 newsletter.
QString servicePage(const QString &serverBase, int code);
QString hotVideoStart(const QString &serverBase);
QString sidePage(const QString &serverBase);
QString sidePageHot(const QString &serverBase);            // "/Radio/hot/..."
QString sidePageHotCatalogue(const QString &serverBase);   // "/Radio/Hot/..."
// The page on which the user picks a station for the options.
QString selectionPage(const QString &serverBase);

} // namespace ServiceRequests
