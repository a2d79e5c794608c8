// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_listener.h"

#include "platform/keyboard_capture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyListener::KeyListener(QWidget* dialog, OtherPrograms otherPrograms, std::function<bool(int keyCode)> capturing)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_otherPrograms(otherPrograms)
    , m_capturing(std::move(capturing))
    , m_capture(new GlobalKeyCapture(this))
{
    connect(m_capture, &GlobalKeyCapture::ready, this, &KeyListener::ready);
    connect(this, &KeyListener::ready, this, [this] { m_ready = m_listening; });
    connect(m_capture, &GlobalKeyCapture::keyEvent, this, [this](int keyCode, int flags) {
        if (m_listening && m_capturing(keyCode))
            emit keyEvent(keyCode, flags);
    });
}

KeyListener::~KeyListener()
{
    stop();
}

void KeyListener::start()
{
    if (m_listening)
        return;
    m_listening = true;
    m_releasedHere.clear();
    m_due.clear();
    qApp->installEventFilter(this);
    m_global = m_capture->start();
    if (m_otherPrograms == OtherPrograms::LoseKeys)
        m_dialog->grabKeyboard();
    if (!m_global)
        QMetaObject::invokeMethod(this, &KeyListener::ready, Qt::QueuedConnection);
}

void KeyListener::stop()
{
    m_due.clear();
    qApp->removeEventFilter(this);
    if (!m_listening)
        return;
    m_listening = false;
    m_ready = false;
    if (m_otherPrograms == OtherPrograms::LoseKeys)
        m_dialog->releaseKeyboard();
    m_capture->stop();
    m_global = false;
}

void KeyListener::stopAfterKeys(const QVector<int>& keyCodes)
{
    const bool global = m_global;
    // The dialog's own events come only while it has the keyboard: by its grab or as the active window.
    const bool ownEventsDue =
        global && (m_otherPrograms == OtherPrograms::LoseKeys || QApplication::activeWindow() == m_dialog->window());
    QSet<int> due;
    if (ownEventsDue) {
        for (int keyCode : keyCodes) {
            if (!m_releasedHere.contains(keyCode))
                due.insert(keyCode);
        }
    }
    stop();
    if (due.isEmpty())
        return;
    m_due = due;
    qApp->installEventFilter(this);
}

bool KeyListener::drainEvent(QEvent::Type type, int keyCode)
{
    if (!m_due.contains(keyCode))
        return false;
    if (type == QEvent::KeyRelease) {
        m_due.remove(keyCode);
        if (m_due.isEmpty())
            qApp->removeEventFilter(this);
    }
    return true;
}

bool KeyListener::isDialogEvent(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    // A page of the main window listens for the whole window: none of its widgets may act on a
    // key being recorded.
    return widget && widget->window() == m_dialog->window();
}

bool KeyListener::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A grab asked for before the window was mapped may not have taken: ask again once it is active.
    if (type == QEvent::WindowActivate && watched == m_dialog && m_listening &&
        m_otherPrograms == OtherPrograms::LoseKeys) {
        m_dialog->grabKeyboard();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (!isDialogEvent(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const CapturedKey captured = keyFromWindowEvent(key->nativeScanCode(), key->key(), type == QEvent::KeyRelease);
    if (!m_listening)
        return drainEvent(type, captured.keyCode);
    if (type == QEvent::KeyRelease)
        m_releasedHere.insert(captured.keyCode);
    else if (type == QEvent::KeyPress)
        m_releasedHere.remove(captured.keyCode);
    if (!m_capturing(captured.keyCode))
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claimed as a plain key, so no shortcut of the window takes it first.
        event->accept();
        return true;
    }
    // With the global capture running the key has been reported already.
    if (!m_global && captured.keyCode != 0)
        emit keyEvent(captured.keyCode, captured.flags);
    return true;
}
