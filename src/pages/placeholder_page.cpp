#include "pages/placeholder_page.h"

#include "controls/theme.h"

#include <QPainter>

PlaceholderPage::PlaceholderPage(const QString& accessibleName, QWidget* parent)
    : TarqPage(parent)
{
    setAccessibleName(accessibleName);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PlaceholderPage::showProfile(ProfileRecord& profile, ConfigRecord&, int)
{
    m_profile = &profile;
}

void PlaceholderPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(Palette::Line));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(QColor(255, 255, 255, 6));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
}
