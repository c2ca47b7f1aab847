#include "httphead.h"

namespace {

const QByteArray Crlf = QByteArrayLiteral("\r\n");

QByteArray headerName(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.left(colon).trimmed().toLower();
}

bool nameIn(const QByteArray &name, const QByteArrayList &names)
{
    for (const QByteArray &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// First line and header lines, without the blank line.
QByteArrayList lines(const QByteArray &head)
{
    QByteArrayList result = head.split('\n');
    for (QByteArray &line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (!result.isEmpty() && result.back().isEmpty())
        result.removeLast();
    return result;
}

QByteArray joined(const QByteArrayList &headLines)
{
    return headLines.join(Crlf) + Crlf + Crlf;
}

} // namespace

qsizetype HttpHead::length(const QByteArray &data)
{
    const qsizetype end = data.indexOf("\r\n\r\n");
    return end < 0 ? -1 : end + 4;
}

QByteArray HttpHead::closing(const QByteArray &head, const QByteArrayList &alsoDrop)
{
    static const QByteArrayList hopByHop = {"connection", "proxy-connection", "keep-alive"};
    const QByteArrayList source = lines(head);
    QByteArrayList kept;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QByteArray name = headerName(source.at(i));
        if (i > 0 && (nameIn(name, hopByHop) || nameIn(name, alsoDrop)))
            continue;
        kept.append(source.at(i));
    }
    kept.append(QByteArrayLiteral("Connection: close"));
    return joined(kept);
}

QByteArray HttpHead::withDefault(const QByteArray &head, const QByteArray &name, const QByteArray &value)
{
    QByteArrayList headLines = lines(head);
    for (qsizetype i = 1; i < headLines.size(); ++i) {
        if (headerName(headLines.at(i)).compare(name, Qt::CaseInsensitive) == 0)
            return head;
    }
    headLines.insert(1, name + QByteArrayLiteral(": ") + value);
    return joined(headLines);
}

bool HttpHead::isInterimResponse(const QByteArray &head)
{
    // "HTTP/1.1 100 Continue": the code is the second word.
    const QByteArrayList words = head.left(head.indexOf('\r')).split(' ');
    if (words.size() < 2 || words.at(1).size() != 3)
        return false;
    return words.at(1).startsWith('1') && words.at(1) != "101";
}

QByteArray HttpHead::errorResponse(int code, const QByteArray &reason, const QString &text)
{
    const QByteArray body = text.toUtf8() + Crlf;
    return QByteArrayLiteral("HTTP/1.1 ") + QByteArray::number(code) + ' ' + reason + Crlf
         + QByteArrayLiteral("Content-Type: text/plain; charset=utf-8") + Crlf
         + QByteArrayLiteral("Content-Length: ") + QByteArray::number(body.size()) + Crlf
         + QByteArrayLiteral("Connection: close") + Crlf + Crlf + body;
}
