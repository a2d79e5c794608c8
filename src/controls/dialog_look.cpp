#include "controls/dialog_look.h"

#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QIcon>
#include <QToolButton>

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
    QFont font(QStringLiteral("Consolas"));
    font.setWeight(kTextWeight);
    font.setPixelSize(qMax(1, static_cast<int>(kTextPixelSize * displayScaleFactor())));
    return font;
}

QString dialogTextStyle()
{
    return QStringLiteral("color:rgb(225,225,225);background:transparent;");
}

QString dialogHeadingStyle()
{
    const QColor accent = themeColour();
    return QStringLiteral("color:rgb(%1,%2,%3);background:transparent;")
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
