#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A host and a TCP port the relay connects to.
struct RelayEndpoint
{
    QString host;
    quint16 port = 0;
    // "Basic ..." for a proxy that wants credentials; empty otherwise.
    QByteArray authorization = {};

    // "host:port" or "[v6-address]:port"; nothing when the port is missing,
    // not a number or outside 1..65535, or the host is empty.
    static std::optional<RelayEndpoint> fromText(const QString &text);

    // Loopback addresses and "localhost": a proxy elsewhere cannot reach them.
    bool isLoopback() const;

    bool operator==(const RelayEndpoint &) const = default;
};
