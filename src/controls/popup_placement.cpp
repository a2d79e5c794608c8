// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/popup_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// -1: ask the platform; 0 or 1: what a test pretends.
int& pretended()
{
    static int value = -1;
    return value;
}

// The first window up from widget that is not itself a popup.
const QWidget* owningWindow(const QWidget* widget)
{
    const QWidget* window = widget->window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

} // namespace

bool windowPositionsKnown()
{
    if (pretended() >= 0)
        return pretended() == 1;
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

ScopedWindowPositions::ScopedWindowPositions(bool known)
    : m_saved(pretended())
{
    pretended() = known ? 1 : 0;
}

ScopedWindowPositions::~ScopedWindowPositions()
{
    pretended() = m_saved;
}

QRect popupArea(const QWidget* anchor)
{
    const QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (!anchor || windowPositionsKnown())
        return available;
    return owningWindow(anchor)->frameGeometry();
}

QRect placePopup(const QRect& anchor, const QSize& wanted, const QRect& area)
{
    const int height = qMin(wanted.height(), area.height());
    const int width = qMin(wanted.width(), area.width());
    int y = anchor.top();
    if (!anchor.isEmpty()) {
        const int roomBelow = area.bottom() - anchor.bottom();
        const int roomAbove = anchor.top() - area.top();
        if (height <= roomBelow)
            y = anchor.bottom() + 1;
        else if (height <= roomAbove)
            y = anchor.top() - height;
        else
            y = roomBelow >= roomAbove ? area.bottom() + 1 - height : area.top();
    }
    y = qBound(area.top(), y, area.bottom() + 1 - height);
    const int x = qBound(area.left(), anchor.left(), area.right() + 1 - width);
    return QRect(x, y, width, height);
}
