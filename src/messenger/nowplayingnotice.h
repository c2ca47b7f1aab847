#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The now-playing notice: one text of separated fields, carried as UTF-16LE in
// a fixed 256-byte buffer. The separator is the two characters backslash and
// zero, not a NUL. The receiver binds to these bytes, so they never change.
class NowPlayingNotice final
{
public:
    static constexpr int BufferSize = 256;
    // Text units that fit before the terminating zero unit.
    static constexpr int MaxTextUnits = BufferSize / 2 - 1;

    struct Content
    {
        bool playing = false;
        QString title;
        QString artist;
    };

    // "Sonvela by " and the maker's web domain.
    static QString credit(const QString &makerDomain);

    static QString text(bool playing, const QString &stationName, const QString &credit);

    // Zero-filled; the text from the start, cut after MaxTextUnits units.
    static QByteArray buffer(bool playing, const QString &stationName, const QString &credit);

    // The buffer to send, or nothing when there is no name to announce and the
    // caller does not insist (a withdrawal insists). stationName is empty when
    // not playing: the caller looks it up only while playing.
    static std::optional<QByteArray> notice(bool playing, bool force, const QString &stationName,
                                            const QString &credit);

    // Reads a buffer back; nothing when it is not a notice of this shape.
    static std::optional<Content> parse(const QByteArray &buffer);

    Q_DISABLE_COPY_MOVE(NowPlayingNotice)

private:
    NowPlayingNotice() = default;
};
