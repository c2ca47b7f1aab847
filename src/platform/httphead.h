#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The heads of HTTP/1.x messages as the relay handles them: it reads a head
// whole, rewrites its connection headers and passes everything after it on
// untouched.
class HttpHead final
{
public:
    // A longer head is refused rather than buffered without end.
    static constexpr qsizetype MaxSize = 64 * 1024;

    // Length of the head at the start of data including the blank line that
    // ends it; -1 while the head is incomplete.
    static qsizetype length(const QByteArray &data);

    // The head with its hop-by-hop connection headers (and those named in
    // alsoDrop) removed and "Connection: close" added, so that each message
    // exchange gets its own connection and its own route.
    static QByteArray closing(const QByteArray &head, const QByteArrayList &alsoDrop = {});

    // Adds a header before the blank line unless one of that name is there.
    static QByteArray withDefault(const QByteArray &head, const QByteArray &name, const QByteArray &value);

    // A 1xx answer other than 101: the final answer's head follows it.
    static bool isInterimResponse(const QByteArray &head);

    // A complete short plain-text answer that closes the connection.
    static QByteArray errorResponse(int code, const QByteArray &reason, const QString &text);

    Q_DISABLE_COPY_MOVE(HttpHead)

private:
    HttpHead() = default;
};
