#include "pagetext.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(Cp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return text;
}

QString decodeEntity(const QString &name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                     : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QString();
        const char32_t unit = code;
        return QString::fromUcs4(&unit, 1);
    }
    static const std::pair<const char *, char16_t> named[] = {
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", 0x00A0},
        {"egrave", 0x00E8}, {"eacute", 0x00E9}, {"agrave", 0x00E0}, {"ograve", 0x00F2}, {"ugrave", 0x00F9},
        {"igrave", 0x00EC}};
    for (const auto &[entity, ch] : named) {
        if (name == QLatin1String(entity))
            return QString(QChar(ch));
    }
    return QString();
}

QString decodeEntities(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            const qsizetype semi = text.indexOf(QLatin1Char(';'), i + 1);
            if (semi > i && semi - i <= 10) {
                const QString decoded = decodeEntity(text.mid(i + 1, semi - i - 1));
                if (!decoded.isEmpty()) {
                    out += decoded;
                    i = semi;
                    continue;
                }
            }
        }
        out += text.at(i);
    }
    return out;
}

} // namespace

QString decodePageText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QString extractTitle(const QByteArray &html)
{
    const QByteArray lower = html.toLower();
    qsizetype open = lower.indexOf("<title");
    while (open >= 0 && open + 6 < lower.size() && lower.at(open + 6) != '>' && lower.at(open + 6) != ' ')
        open = lower.indexOf("<title", open + 6);
    if (open < 0)
        return QString();
    const qsizetype start = lower.indexOf('>', open);
    if (start < 0)
        return QString();
    qsizetype end = lower.indexOf("</title", start);
    if (end < 0)
        end = lower.size();
    return decodeEntities(decodePageText(html.mid(start + 1, end - start - 1))).simplified();
}
