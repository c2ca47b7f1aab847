#include "relayconnection.h"

#include "httphead.h"
#include "proxyrequest.h"

#include <QNetworkProxy>
#include <QTcpSocket>

namespace {

// Qt stops reading a socket whose buffer is full; the kernel's window then
// slows the sender. Together with HighWater no side is buffered without end.
constexpr qint64 ReadBufferSize = 64 * 1024;
constexpr qint64 HighWater = 256 * 1024;
constexpr int ConnectTimeoutMs = 30000;
constexpr int CloseTimeoutMs = 60000;

bool ended(const QTcpSocket *socket)
{
    return socket->state() != QAbstractSocket::ConnectedState;
}

// Moves what from holds to to, while to's outgoing buffer is not too full.
void pump(QTcpSocket *from, QTcpSocket *to)
{
    while (from->bytesAvailable() > 0 && to->state() == QAbstractSocket::ConnectedState
           && to->bytesToWrite() < HighWater)
        to->write(from->read(ReadBufferSize));
}

} // namespace

RelayConnection::RelayConnection(QTcpSocket *client, RelayRoute route, int headTimeoutMs, QObject *parent)
    : QObject(parent), m_client(client), m_route(std::move(route))
{
    m_client->setParent(this);
    m_client->setReadBufferSize(ReadBufferSize);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RelayConnection::timedOut);
    m_timer.start(headTimeoutMs);
    connect(m_client, &QTcpSocket::readyRead, this, &RelayConnection::clientReadyRead);
    connect(m_client, &QTcpSocket::bytesWritten, this, &RelayConnection::pumpToClient);
    connect(m_client, &QTcpSocket::disconnected, this, &RelayConnection::settle);
    connect(m_client, &QTcpSocket::errorOccurred, this, &RelayConnection::settle);
    // Data may have arrived before this object was made.
    QMetaObject::invokeMethod(this, &RelayConnection::clientReadyRead, Qt::QueuedConnection);
}

RelayConnection::~RelayConnection() = default;

void RelayConnection::clientReadyRead()
{
    switch (m_stage) {
    case Stage::RequestHead:
        readRequestHead();
        break;
    case Stage::Connecting:
        break; // left in the socket until the target can take it
    case Stage::Relaying:
        pumpToTarget();
        break;
    case Stage::Closing:
        m_client->readAll();
        break;
    }
}

void RelayConnection::readRequestHead()
{
    m_head += m_client->readAll();
    const qsizetype length = HttpHead::length(m_head);
    if (length < 0) {
        if (m_head.size() > HttpHead::MaxSize)
            refuse(431, "Request Header Fields Too Large", QStringLiteral("The request head is too long."));
        else
            settle();
        return;
    }
    const auto request = ProxyRequest::parse(m_head.left(length));
    if (!request) {
        refuse(400, "Bad Request", QStringLiteral("This is a proxy: it takes CONNECT and absolute addresses only."));
        return;
    }
    openTarget(*request, m_head.mid(length));
    m_head.clear();
}

void RelayConnection::openTarget(const ProxyRequest &request, const QByteArray &leftover)
{
    const auto upstream = m_route.upstreamFor(request.target(), request.isTunnel());
    if (!upstream && !request.isTunnel() && !request.isPlainHttp()) {
        refuse(400, "Bad Request", QStringLiteral("Only http: addresses can be fetched without a proxy server."));
        return;
    }
    const RelayEndpoint endpoint = upstream.value_or(request.target());
    m_targetName = upstream ? QStringLiteral("the proxy server %1:%2").arg(endpoint.host).arg(endpoint.port)
                            : QStringLiteral("%1:%2").arg(endpoint.host).arg(endpoint.port);
    if (upstream)
        m_upstreamName = QStringLiteral("%1:%2").arg(endpoint.host).arg(endpoint.port);
    m_firstBytes = (upstream ? request.upstreamHead(upstream->authorization)
                    : request.isTunnel() ? QByteArray()
                                         : request.directHead())
                 + leftover;
    m_rewriteResponse = !request.isTunnel();
    m_announceTunnel = request.isTunnel() && !upstream;

    m_stage = Stage::Connecting;
    m_target = new QTcpSocket(this);
    // The application proxy is this relay: its own sockets must never use it.
    m_target->setProxy(QNetworkProxy::NoProxy);
    m_target->setReadBufferSize(ReadBufferSize);
    connect(m_target, &QTcpSocket::connected, this, &RelayConnection::targetConnected);
    connect(m_target, &QTcpSocket::readyRead, this, &RelayConnection::pumpToClient);
    connect(m_target, &QTcpSocket::bytesWritten, this, &RelayConnection::pumpToTarget);
    connect(m_target, &QTcpSocket::disconnected, this, &RelayConnection::settle);
    connect(m_target, &QTcpSocket::errorOccurred, this, &RelayConnection::targetFailed);
    m_timer.start(ConnectTimeoutMs);
    m_target->connectToHost(endpoint.host, endpoint.port);
}

void RelayConnection::targetConnected()
{
    m_timer.stop();
    if (!m_upstreamName.isEmpty() && !m_rewriteResponse)
        Q_EMIT upstreamReached(true, m_upstreamName); // a tunnel's answer is not read here
    m_stage = Stage::Relaying;
    if (m_announceTunnel)
        m_client->write(QByteArrayLiteral("HTTP/1.1 200 Connection established\r\n\r\n"));
    m_target->write(m_firstBytes);
    m_firstBytes.clear();
    pumpToTarget();
    pumpToClient();
}

void RelayConnection::targetFailed()
{
    if (m_stage == Stage::Connecting && !m_upstreamName.isEmpty())
        Q_EMIT upstreamReached(false, m_upstreamName);
    if (m_stage == Stage::Connecting)
        refuse(502, "Bad Gateway", QStringLiteral("Cannot reach %1: %2").arg(m_targetName, m_target->errorString()));
    else
        settle();
}

void RelayConnection::timedOut()
{
    if (m_stage == Stage::RequestHead)
        refuse(408, "Request Timeout", QStringLiteral("The request head did not arrive in time."));
    else if (m_stage == Stage::Connecting) {
        if (!m_upstreamName.isEmpty())
            Q_EMIT upstreamReached(false, m_upstreamName);
        refuse(502, "Bad Gateway", QStringLiteral("Cannot reach %1: no answer.").arg(m_targetName));
    }
    else
        finish(); // closing took too long: drop both sides
}

void RelayConnection::pumpToTarget()
{
    if (m_stage != Stage::Relaying)
        return;
    pump(m_client, m_target);
    settle();
}

void RelayConnection::pumpToClient()
{
    if (m_stage != Stage::Relaying)
        return;
    if (!m_rewriteResponse || passResponseHead())
        pump(m_target, m_client);
    settle();
}

// Collects the answer's head and passes it on with "Connection: close", so
// that the client never sends a second request down this connection. Returns
// true once the head is through.
bool RelayConnection::passResponseHead()
{
    m_responseHead += m_target->readAll();
    for (;;) {
        const qsizetype length = HttpHead::length(m_responseHead);
        if (length < 0) {
            if (m_responseHead.size() <= HttpHead::MaxSize)
                return false;
            // Not an answer we understand: pass it as it is.
            m_client->write(m_responseHead);
            break;
        }
        const QByteArray head = m_responseHead.left(length);
        m_responseHead.remove(0, length);
        if (HttpHead::isInterimResponse(head)) {
            m_client->write(head);
            continue;
        }
        if (!m_upstreamName.isEmpty()) // 407: the proxy wants credentials it was not given
            Q_EMIT upstreamReached(head.mid(9, 4) != "407 ", m_upstreamName);
        m_client->write(HttpHead::closing(head) + m_responseHead);
        break;
    }
    m_responseHead.clear();
    m_rewriteResponse = false;
    return true;
}

// A side that has ended, once all it sent has been passed on, ends the other.
void RelayConnection::settle()
{
    if (m_finished)
        return;
    if (m_stage == Stage::RequestHead || m_stage == Stage::Connecting) {
        if (ended(m_client))
            finish();
        return;
    }
    if (m_stage == Stage::Relaying) {
        const bool clientDone = ended(m_client) && m_client->bytesAvailable() == 0;
        const bool targetDone = ended(m_target) && m_target->bytesAvailable() == 0;
        if (!clientDone && !targetDone)
            return;
        m_stage = Stage::Closing;
        m_timer.start(CloseTimeoutMs);
        if (!m_responseHead.isEmpty() && m_client->state() == QAbstractSocket::ConnectedState)
            m_client->write(m_responseHead); // an unfinished head is still the server's answer
        m_client->disconnectFromHost();
        m_target->disconnectFromHost();
    }
    if (m_client->state() == QAbstractSocket::UnconnectedState
        && (!m_target || m_target->state() == QAbstractSocket::UnconnectedState))
        finish();
}

void RelayConnection::refuse(int code, const QByteArray &reason, const QString &text)
{
    m_stage = Stage::Closing;
    m_timer.start(CloseTimeoutMs);
    if (m_target)
        m_target->abort();
    if (m_client->state() == QAbstractSocket::ConnectedState)
        m_client->write(HttpHead::errorResponse(code, reason, text));
    m_client->disconnectFromHost();
    settle();
}

void RelayConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    m_client->abort();
    if (m_target)
        m_target->abort();
    deleteLater();
}
