#include "osd_window.h"

#include <QBitmap>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr qreal kReferenceDpi = 96.0;
const QColor kPanelColour(16, 16, 16, 200);

QPainterPath panelShape(const QRectF& rect)
{
    QPainterPath path;
    const qreal radius = rect.height() / 4;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

OsdWindow::OsdWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint)
{
    setWindowTitle(QString::fromLatin1(kOsdWindowTitle));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void OsdWindow::showMessage(const OsdMessage& message)
{
    m_message = message;
    if (message.text.isEmpty() || message.displayMs <= 0) {
        m_hideTimer.stop();
        hide();
        return;
    }
    // The size is in pixels of a 96 DPI screen, as the sender means it.
    const qreal dpi = screen() ? screen()->logicalDotsPerInchY() : kReferenceDpi;
    m_font = QFont(message.fontFace);
    m_font.setPixelSize(qBound(8, qRound(message.fontSize * dpi / kReferenceDpi), 400));
    placeOnScreen();
    // Without a compositor the translucent corners would show black: cut them off.
    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter maskPainter(&mask);
    maskPainter.setRenderHint(QPainter::Antialiasing, false);
    maskPainter.fillPath(panelShape(rect()), Qt::color1);
    maskPainter.end();
    setMask(mask);
    show();
    raise();
    update();
    m_hideTimer.start(message.displayMs);
}

void OsdWindow::placeOnScreen()
{
    const QFontMetrics metrics(m_font);
    const int padding = metrics.height() / 2;
    const QSize wanted(metrics.horizontalAdvance(m_message.text) + 2 * padding, metrics.height() + padding);
    QScreen* target = QGuiApplication::screenAt(QCursor::pos());
    if (!target)
        target = QGuiApplication::primaryScreen();
    const QRect area = target ? target->availableGeometry() : QRect(QPoint(0, 0), wanted);
    const QSize fitted = wanted.boundedTo(area.size());
    // Centred, in the lower part of the screen where such notices usually appear.
    const QPoint topLeft(area.center().x() - fitted.width() / 2, area.bottom() - area.height() / 6 - fitted.height());
    setGeometry(QRect(topLeft, fitted));
}

void OsdWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillPath(panelShape(rect()), kPanelColour);
    painter.setFont(m_font);
    painter.setPen(m_message.colour);
    painter.drawText(rect(), Qt::AlignCenter, m_message.text);
}
