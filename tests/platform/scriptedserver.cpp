#include "scriptedserver.h"

#include <QNetworkProxy>
#include <QTcpSocket>

ScriptedServer::ScriptedServer(QByteArray reply, After after) : m_reply(std::move(reply)), m_after(after)
{
    m_server.setProxy(QNetworkProxy::NoProxy);
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    m_server.listen(QHostAddress::LocalHost, 0);
}

ScriptedServer::~ScriptedServer()
{
    m_server.close();
}

void ScriptedServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        const qsizetype index = m_received.size();
        m_received.append(QByteArray());
        ++m_open;
        m_latest = socket;
        auto answered = std::make_shared<bool>(m_after == After::EchoOnly);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, index, answered] {
            const QByteArray data = socket->readAll();
            m_received[index] += data;
            if (*answered) {
                if (m_after == After::Echo || m_after == After::EchoOnly)
                    socket->write(data);
                return;
            }
            const qsizetype headEnd = m_received[index].indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            *answered = true;
            socket->write(m_reply);
            if (m_after == After::Echo)
                socket->write(m_received[index].mid(headEnd + 4));
            if (m_after == After::Close)
                socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            --m_open;
            if (m_latest == socket)
                m_latest = nullptr;
            socket->deleteLater();
        });
    }
}
