#include "nowplayingnotice.h"

#include <QtEndian>

#include <algorithm>

namespace {

const QString &separator()
{
    static const QString value = QStringLiteral("\\0");
    return value;
}

QString header(bool playing)
{
    return separator() + QStringLiteral("Music") + separator() + (playing ? QLatin1Char('1') : QLatin1Char('0'))
         + separator() + QStringLiteral("{0} - {1}") + separator();
}

QString contentIdTail()
{
    return separator() + QStringLiteral("WMContentID");
}

// The text up to the first zero unit, or to the end of the buffer.
QString unitsBeforeZero(const QByteArray &buffer)
{
    QString text;
    const int units = int(buffer.size() / 2);
    for (int i = 0; i < units; ++i) {
        const char16_t unit = qFromLittleEndian<char16_t>(buffer.constData() + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    // A cut may fall inside a surrogate pair; half a character is no character.
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

} // namespace

QString NowPlayingNotice::credit(const QString &makerDomain)
{
    return QStringLiteral("Sonvela") + QStringLiteral(" by ") + makerDomain;
}

QString NowPlayingNotice::text(bool playing, const QString &stationName, const QString &credit)
{
    // Fields after the header: title, artist, an empty album, the content-id key.
    return header(playing) + stationName + separator() + credit + separator() + contentIdTail();
}

QByteArray NowPlayingNotice::buffer(bool playing, const QString &stationName, const QString &credit)
{
    QByteArray bytes(BufferSize, '\0');
    const QString message = text(playing, stationName, credit);
    const qsizetype units = std::min<qsizetype>(message.size(), MaxTextUnits);
    for (qsizetype i = 0; i < units; ++i)
        qToLittleEndian<char16_t>(message.at(i).unicode(), bytes.data() + 2 * i);
    return bytes;
}

std::optional<QByteArray> NowPlayingNotice::notice(bool playing, bool force, const QString &stationName,
                                                   const QString &credit)
{
    if (stationName.isEmpty() && !force)
        return std::nullopt;
    return buffer(playing, stationName, credit);
}

std::optional<NowPlayingNotice::Content> NowPlayingNotice::parse(const QByteArray &buffer)
{
    const QString message = unitsBeforeZero(buffer);
    Content content;
    if (message.startsWith(header(true)))
        content.playing = true;
    else if (!message.startsWith(header(false)))
        return std::nullopt;
    QString rest = message.mid(header(true).size());

    if (rest.endsWith(contentIdTail())) {
        // Whole text: read from the right, so that a separator inside the
        // station name stays part of the title.
        rest.chop(contentIdTail().size());
        const qsizetype albumAt = rest.lastIndexOf(separator());
        if (albumAt >= 0)
            rest.truncate(albumAt);
        const qsizetype artistAt = rest.lastIndexOf(separator());
        if (artistAt < 0) {
            content.title = rest;
            return content;
        }
        content.title = rest.left(artistAt);
        content.artist = rest.mid(artistAt + separator().size());
        return content;
    }

    // Cut text: take what survived from the left.
    const qsizetype titleEnd = rest.indexOf(separator());
    content.title = rest.left(titleEnd);
    if (titleEnd >= 0) {
        const qsizetype artistStart = titleEnd + separator().size();
        const qsizetype artistEnd = rest.indexOf(separator(), artistStart);
        content.artist = artistEnd < 0 ? rest.mid(artistStart) : rest.mid(artistStart, artistEnd - artistStart);
    }
    return content;
}
