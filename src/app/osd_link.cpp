#include "app/osd_link.h"

#include "log_categories.h"

#include <QProcess>

OsdLink::OsdLink(const QString& program, const QString& windowTitle, QObject* parent)
    : QObject(parent)
    , m_program(program)
    , m_client(windowTitle)
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kStartIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &OsdLink::deliverNext);
    connect(&m_client, &CompanionClient::notFound, this, &OsdLink::onNotFound);
    connect(&m_client, &CompanionClient::delivered, this, &OsdLink::onDelivered);
}

void OsdLink::send(const QByteArray& payload)
{
    m_waiting.enqueue(payload);
    if (m_waiting.size() == 1 && !m_retryTimer.isActive())
        deliverNext();
}

void OsdLink::deliverNext()
{
    if (!m_waiting.isEmpty() && !m_client.isBusy())
        m_client.deliver(m_waiting.head());
}

void OsdLink::onNotFound()
{
    if (m_attempts >= kStartAttempts) {
        m_attempts = 0;
        m_waiting.clear();
        emit gaveUp();
        return;
    }
    ++m_attempts;
    // A companion that cannot be started counts as an attempt all the same: the texts are
    // dropped after the same 2.5 s either way.
    QProcess::startDetached(m_program, QStringList());
    emit startAttempted(m_attempts);
    m_retryTimer.start();
}

void OsdLink::onDelivered(bool handled)
{
    m_attempts = 0;
    if (!handled)
        qCDebug(lcUi, "SendMessage failed\n");
    if (!m_waiting.isEmpty())
        m_waiting.dequeue();
    emit delivered(handled);
    deliverNext();
}
