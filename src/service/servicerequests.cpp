#include "servicerequests.h"

#include "serviceaddress.h"

namespace ServiceRequests {

namespace {
const QString Zero = QStringLiteral("0");
}

QString access(const QString &serverBase)
{
    return ServiceAddress(serverBase)
        .add(QStringLiteral("/radio/AccessoSonvela.asp?versione="), 94)
        .add(QStringLiteral("4.8"), 97)
        .add(QStringLiteral("&Personalizzazione="), 116)
        .add(Zero, 117)
        .add(QStringLiteral("&Radio="), 124)
        .add(Zero, 125)
        .text();
}

QString catalogue(const QString &serverBase)
{
    return ServiceAddress(serverBase)
        .add(QStringLiteral("/Radio/CaricaDati.asp?id="), 82)
        .add(Zero, 83)
        .add(QStringLiteral("&idRadio="), 92)
        .add(Zero, 93)
        .text();
}

QString preferences(const QString &serverBase, const QString &userId)
{
    return ServiceAddress(serverBase)
        .add(QStringLiteral("/radio/Personalizzazioni.asp?IdUtente="), 95)
        .addUnlimited(userId)
        .text();
}

QString stripStationDetail(const QString &serverBase)
{
    return ServiceAddress(serverBase)
        .add(QStringLiteral("/Radio/radio.asp?dettaglio="), 84)
        .add(Zero, 85)
        .add(QStringLiteral("&Radio="), 92)
        .add(Zero, 93)
        .text();
}

QString stripHotPage(const QString &serverBase)
{
    return ServiceAddress(serverBase)
        .add(QStringLiteral("/Radio/hot/sponsor.asp?dettaglio="), 90)
        .add(Zero, 91)
        .add(QStringLiteral("&Radio="), 98)
        .add(Zero, 99)
        .text();
}

QString stationById(const QString &serverBase, int id)
{
    return serverBase + QStringLiteral("/Radio/mostraRadio.asp?Id=") + QString::number(id);
}

QString selectionPage(const QString &serverBase)
{
    return serverBase + QStringLiteral("/Radio/radioPersonale.asp");
}

QString servicePage(const QString &serverBase, int code)
{
    switch (code) {
    case 16:
        return serverBase + QStringLiteral("/Radio/ricercaRadio.asp");
    case 17:
        return serverBase + QStringLiteral("/Radio/elencoAltre.asp");
    case 18:
        return serverBase + QStringLiteral("/radio/SegnalaIndirizzo.asp");
    default:
        return QString();
    }
}

QString hotVideoStart(const QString &serverBase)
{
    return serverBase + QStringLiteral("/Radio/hot/default.asp");
}

QString sidePage(const QString &serverBase)
{
    return serverBase + QStringLiteral("/Radio/SponsorAggiuntivi.asp");
}

QString sidePageHot(const QString &serverBase)
{
    return serverBase + QStringLiteral("/Radio/hot/SponsorAggiuntivi.asp");
}

QString sidePageHotCatalogue(const QString &serverBase)
{
    return serverBase + QStringLiteral("/Radio/Hot/SponsorAggiuntivi.asp");
}

} // namespace ServiceRequests
