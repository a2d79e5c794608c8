#pragma once

#include "platform/companion_client.h"
#include "platform/osd_message.h"

#include <QByteArrayList>
#include <QLocalServer>
#include <QLocalSocket>

// Stands in for the on-screen-display companion on its socket: keeps every message it gets, raw,
// and answers each with one byte unless told to stay silent.
class FakeOsdServer final : public QObject
{
    Q_OBJECT

public:
    FakeOsdServer()
    {
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { take(socket); });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    bool listen()
    {
        const QString name = companionSocketName(QString::fromLatin1(kOsdWindowTitle));
        QLocalServer::removeServer(name);
        return m_server.listen(name);
    }
    void setAnswering(bool answering) { m_answering = answering; }
    const QByteArrayList& messages() const { return m_messages; }
    QString textAt(int index) const
    {
        OsdMessage message;
        return decodeOsdMessage(m_messages.value(index), &message) ? message.text : QStringLiteral("<not a message>");
    }

signals:
    void received();

private:
    void take(QLocalSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer.append(socket->readAll());
        while (buffer.size() >= OsdLayout::Size) {
            m_messages.append(buffer.left(OsdLayout::Size));
            buffer.remove(0, OsdLayout::Size);
            if (m_answering)
                socket->write("\x01", 1);
            emit received();
        }
    }

    QLocalServer m_server;
    QHash<QLocalSocket*, QByteArray> m_buffers;
    QByteArrayList m_messages;
    bool m_answering = true;
};
