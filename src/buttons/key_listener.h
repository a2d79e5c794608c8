// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QSet>
#include <QVector>
#include <functional>

class GlobalKeyCapture;
class QWidget;

// Feeds a capture dialog (or a page recording keys) with key events while it is open: from the platform's global
// capture when the session has one, otherwise from the key events the dialog itself receives. Either way the dialog's
// own widgets never act on a key that is being captured, so Escape, Tab and Enter can be captured like any other key.
class KeyListener final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(KeyListener)

public:
    enum class OtherPrograms {
        GetKeys,  // keys still reach the window that has the focus
        LoseKeys, // a keyboard grab on the dialog keeps them from every other window
    };

    // capturing: whether a key (its key code) is being captured at this moment; keys that are not
    // go to the dialog's widgets as usual (typing into a field of the dialog, Tab to move on).
    KeyListener(QWidget* dialog, OtherPrograms otherPrograms, std::function<bool(int keyCode)> capturing);
    ~KeyListener() override;

    // Starts listening; the global capture when it can start, else the dialog's own events.
    void start();
    // Stops and waits for the global capture's thread.
    void stop();
    // Stops reporting once a capture of these keys is complete. The global capture may have
    // reported the keys before the dialog's own events for them arrive: those are still kept from
    // the dialog's widgets, so the Return that ended a capture does not answer the dialog too.
    void stopAfterKeys(const QVector<int>& keyCodes);
    bool isListening() const { return m_listening; }
    // ready() has been emitted since the last start.
    bool isReady() const { return m_ready; }
    // Whether keys of other windows and of the desktop are seen.
    bool isGlobal() const { return m_global; }

signals:
    // Keys from now on are reported.
    void ready();
    void keyEvent(int keyCode, int flags);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isDialogEvent(QObject* watched) const;
    bool drainEvent(QEvent::Type type, int keyCode);

    QWidget* m_dialog;
    OtherPrograms m_otherPrograms;
    std::function<bool(int keyCode)> m_capturing;
    GlobalKeyCapture* m_capture = nullptr;
    bool m_listening = false;
    bool m_global = false;
    bool m_ready = false;
    // Keys whose own release the dialog has seen while listening.
    QSet<int> m_releasedHere;
    // After stopAfterKeys: keys whose own events are still due.
    QSet<int> m_due;
};
