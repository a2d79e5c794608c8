#pragma once

#include "platform/osd_message.h"

#include <QHash>
#include <QLocalServer>
#include <QObject>

class QLocalSocket;

// The companion's end of the window's messages: a user-only local socket on which every 1044
// bytes are one message, answered with one byte once it has been handed on.
class OsdServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OsdServer)

public:
    explicit OsdServer(QObject* parent = nullptr);

    // Takes the name over from a companion that died without letting go of it. The caller makes
    // sure no other companion runs (see main.cpp's lock).
    bool listen(const QString& name);
    QString errorString() const { return m_server.errorString(); }

signals:
    void messageReceived(const OsdMessage& message);

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QLocalServer m_server;
    QHash<QLocalSocket*, QByteArray> m_pending;
};
