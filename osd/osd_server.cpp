#include "osd_server.h"

#include <QLocalSocket>

OsdServer::OsdServer(QObject* parent)
    : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &OsdServer::onNewConnection);
}

bool OsdServer::listen(const QString& name)
{
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void OsdServer::onNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        m_pending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void OsdServer::onReadyRead(QLocalSocket* socket)
{
    QByteArray& buffer = m_pending[socket];
    // Never more than one message is kept back, whatever a client sends.
    buffer.append(socket->read(OsdLayout::Size - buffer.size()));
    while (buffer.size() == OsdLayout::Size) {
        OsdMessage message;
        decodeOsdMessage(buffer, &message);
        buffer.clear();
        emit messageReceived(message);
        socket->write("\x01", 1);
        socket->flush();
        buffer.append(socket->read(OsdLayout::Size));
    }
}
