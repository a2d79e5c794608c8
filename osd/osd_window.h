#pragma once

#include "platform/osd_message.h"

#include <QTimer>
#include <QWidget>

// The overlay: a frameless, translucent window above all others that the pointer passes
// through. It shows one text in its colour and size for the message's display time.
class OsdWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(OsdWindow)

public:
    explicit OsdWindow(QWidget* parent = nullptr);

    // An empty text hides the overlay.
    void showMessage(const OsdMessage& message);
    QString text() const { return m_message.text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeOnScreen();

    OsdMessage m_message;
    QFont m_font;
    QTimer m_hideTimer;
};
