// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

// Hands messages to a companion program that is found by its window title. On Linux the
// companion listens on a user-only local socket named after the title (companionSocketName) and
// answers each message with one byte once it has handled it; on Windows the message is a
// WM_COPYDATA sent to the companion's window. Nothing here blocks the caller's thread.
class CompanionClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CompanionClient)

public:
    // How long a message may wait for the companion's answer before it counts as failed.
    static constexpr int kAnswerTimeoutMs = 2000;

    explicit CompanionClient(const QString& windowTitle, QObject* parent = nullptr);
    ~CompanionClient() override;

    // Looks the companion up and, when it is there, hands it payload. Exactly one of notFound or
    // delivered follows, from the event loop. One message at a time: wait for the signal first.
    void deliver(const QByteArray& payload);
    bool isBusy() const;

signals:
    void notFound();
    // handled: the companion answered that it took the message.
    void delivered(bool handled);

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};

// The companion's socket: the title, as an absolute path in the user's runtime directory
// (userRuntimeDirectory); empty when the user has none.
QString companionSocketName(const QString& windowTitle);
