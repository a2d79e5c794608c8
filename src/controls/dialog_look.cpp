// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/dialog_look.h"

#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QBitmap>
#include <QIcon>
#include <QPainter>
#include <QToolButton>
#include <QWidget>
#include <qdrawutil.h>

namespace {

constexpr int kTextPixelSize = 14;
constexpr int kTextWeight = 75;

QString buttonStyle()
{
    const QColor accent = themeColour();
    return QStringLiteral("QToolButton{background-color:black;color:white;border-radius:3px;"
                          "border:1px outset rgb(%1,%2,%3);padding:0px %4px;}"
                          "QToolButton:hover,QToolButton:focus{background-color:rgb(38,40,44);}"
                          "QToolButton:pressed{background-color:rgb(%1,%2,%3);color:black;}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(scaled(8));
}

} // namespace

QFont dialogFont()
{
    QFont font = uiFont(kTextPixelSize);
    font.setWeight(kTextWeight);
    return font;
}

QString dialogTextStyle()
{
    // Scoped to labels: a rule for everything would reach the labels' tooltips too.
    return QStringLiteral("QLabel{color:rgb(225,225,225);background:transparent;}");
}

QString dialogHeadingStyle()
{
    const QColor accent = themeColour();
    return QStringLiteral("QLabel{color:rgb(%1,%2,%3);background:transparent;}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}

QString keyFieldStyle()
{
    const QColor accent = themeColour();
    return QStringLiteral("QLabel{color:rgb(225,225,225);background-color:rgb(18,19,21);"
                          "border:1px solid rgb(62,66,72);border-radius:3px;}"
                          "QLabel:focus{border-color:rgb(%1,%2,%3);}QLabel:disabled{color:rgb(140,144,150);}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}

QToolButton* makeDialogButton(QWidget* parent, const QString& objectName, const QString& iconPath, const QString& text)
{
    ensureEmbeddedImages();
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(scaled(EmbeddedImage::ButtonIconSize), scaled(EmbeddedImage::ButtonIconSize)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setText(text);
    button->setAccessibleName(text);
    button->setFont(dialogFont());
    button->setStyleSheet(buttonStyle());
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPixmap dialogPicture(const QPixmap& skin, const QSize& size, const QMargins& fixedMargins)
{
    if (skin.isNull() || size.isEmpty())
        return QPixmap();
    const double factor = displayScaleFactor();
    const QMargins target(qRound(fixedMargins.left() * factor), qRound(fixedMargins.top() * factor),
                          qRound(fixedMargins.right() * factor), qRound(fixedMargins.bottom() * factor));
    const QMargins source = fixedMargins * kSkinResolution;
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), size), target, skin, skin.rect(), source, QTileRules());
    return picture;
}

void maskToPicture(QWidget* widget, const QPixmap& picture)
{
    if (picture.isNull())
        widget->clearMask();
    else
        widget->setMask(picture.mask());
}
