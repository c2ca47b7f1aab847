#include "settings/accountrequests.h"

#include <QUrl>

QString AccountRequests::encode(const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

QString AccountRequests::login(const QString &serverBase, const QString &name, const QString &password)
{
    return serverBase + QStringLiteral("/Radio/VerificaPsw.asp?Utente=") + encode(name) + QStringLiteral("&Psw=")
        + encode(password);
}

QString AccountRequests::privacy(const QString &serverBase, const QString &userId, const QString &name)
{
    return serverBase + QStringLiteral("/Radio/OpzioniPrivacy.asp?IdUtente=") + encode(userId)
        + QStringLiteral("&Utente=") + encode(name);
}

QString AccountRequests::preferences(const QString &serverBase, const QString &userId)
{
    return serverBase + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente=") + encode(userId);
}

QString AccountRequests::blankPage() { return QStringLiteral("About:Blank"); }
