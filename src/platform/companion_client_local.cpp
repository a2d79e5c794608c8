// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/companion_client.h"
#include "platform/user_runtime_directory.h"

#include <QLocalSocket>
#include <QTimer>

struct CompanionClient::Handle
{
    QString serverName;
    QLocalSocket* socket = nullptr;
    QTimer answerTimer;
    QByteArray payload;
    bool busy = false;
    bool connected = false;
};

CompanionClient::CompanionClient(const QString& windowTitle, QObject* parent)
    : QObject(parent)
    , m_handle(std::make_unique<Handle>())
{
    m_handle->serverName = companionSocketName(windowTitle);
    m_handle->answerTimer.setSingleShot(true);
    m_handle->answerTimer.setInterval(kAnswerTimeoutMs);
    connect(&m_handle->answerTimer, &QTimer::timeout, this, [this] {
        if (m_handle->socket)
            m_handle->socket->abort();
    });
}

CompanionClient::~CompanionClient()
{
    if (m_handle->socket)
        m_handle->socket->disconnect(this);
}

bool CompanionClient::isBusy() const
{
    return m_handle->busy;
}

void CompanionClient::deliver(const QByteArray& payload)
{
    Handle& h = *m_handle;
    if (h.busy)
        return;
    h.busy = true;
    h.connected = false;
    h.payload = payload;
    // A fresh socket per message: the companion may have been restarted since the last one.
    if (h.socket)
        h.socket->deleteLater();
    h.socket = new QLocalSocket(this);
    QLocalSocket* socket = h.socket;

    auto finish = [this, socket](bool found, bool handled) {
        Handle& state = *m_handle;
        if (state.socket != socket || !state.busy)
            return;
        state.busy = false;
        state.answerTimer.stop();
        socket->disconnect(this);
        socket->abort();
        if (found)
            emit delivered(handled);
        else
            emit notFound();
    };
    connect(socket, &QLocalSocket::connected, this, [this, socket] {
        m_handle->connected = true;
        socket->write(m_handle->payload);
        m_handle->answerTimer.start();
    });
    connect(socket, &QLocalSocket::readyRead, this, [socket, finish] {
        const QByteArray answer = socket->read(1);
        finish(true, !answer.isEmpty() && answer.at(0) != 0);
    });
    // These may come from inside connectToServer: the caller sees no signal before deliver returns.
    auto finishLater = [this, finish] {
        const bool found = m_handle->connected;
        QMetaObject::invokeMethod(
            this, [finish, found] { finish(found, false); }, Qt::QueuedConnection);
    };
    connect(socket, &QLocalSocket::errorOccurred, this, finishLater);
    connect(socket, &QLocalSocket::disconnected, this, finishLater);
    socket->connectToServer(h.serverName);
}

QString companionSocketName(const QString& windowTitle)
{
    // Only the user can reach that directory, so another user's companion can neither take the
    // name nor read the messages. A bare name would put the socket in the shared temp folder.
    const QString directory = userRuntimeDirectory();
    return directory.isEmpty() ? QString() : directory + QLatin1Char('/') + windowTitle;
}
