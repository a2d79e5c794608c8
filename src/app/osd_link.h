#pragma once

#include "platform/companion_client.h"

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

// The window's side of the on-screen display. Each message goes to the companion program; when
// the companion is not running it is started, up to five times 500 ms apart, while the messages
// wait. The waiting runs on a timer, so the window keeps answering meanwhile.
class OsdLink final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OsdLink)

public:
    static constexpr int kStartAttempts = 5;
    static constexpr int kStartIntervalMs = 500;

    // program: the companion's executable; windowTitle: what the companion is found by.
    OsdLink(const QString& program, const QString& windowTitle, QObject* parent = nullptr);

    // Queues one message (see encodeOsdMessage) and delivers it as soon as the companion is there.
    void send(const QByteArray& payload);
    int waitingCount() const { return m_waiting.size(); }

signals:
    // Each time the companion is started; attempt counts from 1.
    void startAttempted(int attempt);
    // The companion did not come up after the last attempt: the waiting messages were dropped.
    void gaveUp();
    // The companion took a message (handled) or did not answer it.
    void delivered(bool handled);

private:
    void deliverNext();
    void onNotFound();
    void onDelivered(bool handled);

    QString m_program;
    CompanionClient m_client;
    QTimer m_retryTimer;
    QQueue<QByteArray> m_waiting;
    int m_attempts = 0;
};
