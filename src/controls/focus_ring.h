// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's focus ring: 2 px in the theme colour, a gap outside the focused control, so it
// never looks like a checked tab or a selected hot-spot, which are drawn inside. It shows while
// the keyboard is in use (the last input was a key) and goes with the next mouse press, as the
// skinned controls draw no focus of their own. One ring follows the focus through every window.
class FocusRing final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(FocusRing)

public:
    // Made once, on the application; later calls return the same ring.
    static FocusRing* install();

    // The control the ring is drawn around, or nullptr while it is hidden.
    QWidget* ringedWidget() const;
    // Where the ring is drawn, in the ringed control's window.
    QRect ringRect() const;

    // The ring's line width and its gap to the control, in device-independent pixels.
    static int lineWidth();
    static int gap();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusRing(QObject* parent);

    void follow(QWidget* widget);
    void update();
    void watchAncestors(QWidget* widget, bool watch);

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_ring;
    bool m_keyboardInUse = false;
};
