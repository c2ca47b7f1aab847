#pragma once

#include "relayroute.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class ProxyRequest;
class QTcpSocket;

// One client connection of the relay. It reads the first request's head to
// learn the target, opens the target (or the upstream proxy), and from then on
// passes bytes both ways untouched until one side ends; the other side is
// then closed once everything has been passed on. Plain requests are sent
// with "Connection: close" and so are their answers: every request gets its
// own connection, and with it the route in force when it was opened.
class RelayConnection final : public QObject
{
    Q_OBJECT

public:
    // A client whose request head is not complete after headTimeoutMs is
    // answered 408 and closed, so a slow client holds nothing for long.
    RelayConnection(QTcpSocket *client, RelayRoute route, int headTimeoutMs, QObject *parent);
    ~RelayConnection() override;

    Q_DISABLE_COPY_MOVE(RelayConnection)

Q_SIGNALS:
    // The upstream proxy (named "host:port") answered, or refused or could
    // not be reached.
    void upstreamReached(bool reached, const QString &proxy);

private:
    enum class Stage { RequestHead, Connecting, Relaying, Closing };

    void clientReadyRead();
    void readRequestHead();
    void openTarget(const ProxyRequest &request, const QByteArray &leftover);
    void targetConnected();
    void targetFailed();
    void timedOut();
    void pumpToTarget();
    void pumpToClient();
    bool passResponseHead();
    void settle();
    void refuse(int code, const QByteArray &reason, const QString &text);
    void finish();

    QTcpSocket *m_client;
    QTcpSocket *m_target = nullptr;
    RelayRoute m_route;
    Stage m_stage = Stage::RequestHead;
    QByteArray m_head;          // the request head while it arrives
    QByteArray m_firstBytes;    // sent to the target once it is connected
    QByteArray m_responseHead;  // the answer's head while it arrives
    bool m_rewriteResponse = false;
    bool m_announceTunnel = false;
    QString m_upstreamName; // empty: no upstream proxy
    bool m_finished = false;
    QString m_targetName;
    QTimer m_timer; // head, connecting, then closing: none may hang for ever
};
