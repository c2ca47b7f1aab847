#include "errorpage.h"

ErrorPage ErrorPage::forFailure(const QUrl &requested, const QString &reason)
{
    ErrorPage page;
    QUrl location(QStringLiteral("about:neterror"));
    location.setQuery(QStringLiteral("u=") + QString::fromLatin1(QUrl::toPercentEncoding(requested.toString())));
    page.location = location;
    page.title = QStringLiteral("Impossibile visualizzare la pagina");
    page.source = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                 "<body><p>%1</p><p>%2</p><p>%3</p></body></html>")
                      .arg(page.title, requested.toString().toHtmlEscaped(), reason.toHtmlEscaped())
                      .toUtf8();
    return page;
}
