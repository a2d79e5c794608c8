#include "pages/page_look.h"

#include "controls/display_scale.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QCheckBox>
#include <QPalette>

namespace {

constexpr int kIndicatorSize = 16;

} // namespace

void setPageSurface(QWidget* widget)
{
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setStyleSheet(QString::fromLatin1(kPageStyle));
}

void keepOffSurface(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        widget->setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0)"));
        QPalette text = widget->palette();
        text.setColor(QPalette::WindowText, QColor(Palette::Text));
        widget->setPalette(text);
    }
}

QString checkBoxStyle(CheckLook look)
{
    const QString off =
        skinPath(look == CheckLook::Switch ? QStringLiteral("checkbox1-1.png") : QStringLiteral("checkbox2-1.png"));
    const QString on =
        skinPath(look == CheckLook::Switch ? QStringLiteral("checkbox1-2.png") : QStringLiteral("checkbox2-2.png"));
    const int size = scaled(kIndicatorSize);
    return QStringLiteral("QCheckBox::indicator:enabled:unchecked { image: url(%1)}"
                          "QCheckBox::indicator:enabled:checked { image: url(%2)}"
                          "QCheckBox{background-color:rgba(255,255,255,0)}"
                          "QCheckBox{color: rgb(225,225,225); spacing: %3px}"
                          "QCheckBox::indicator{width: %4px; height: %4px}"
                          "QCheckBox:focus{color: white}"
                          "QCheckBox::indicator:focus{border: 1px solid %5; border-radius: 3px}")
        .arg(off, on)
        .arg(scaled(4))
        .arg(size)
        .arg(themeColour().name());
}

void styleCheckBox(QCheckBox* box, CheckLook look)
{
    box->setStyleSheet(checkBoxStyle(look));
    box->setFont(uiFont());
    box->setFocusPolicy(Qt::StrongFocus);
}

QString scrollBarStyle()
{
    return QStringLiteral("QScrollBar:vertical{background:rgb(30,32,35);width:%1px;margin:0px;border:0px}"
                          "QScrollBar::handle:vertical{background:rgb(62,66,72);border-radius:%2px;min-height:%3px}"
                          "QScrollBar::handle:vertical:hover{background:%4}"
                          "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px}"
                          "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent}"
                          "QScrollBar:horizontal{height:0px}")
        .arg(scaled(8))
        .arg(scaled(4))
        .arg(scaled(24))
        .arg(themeColour().name());
}
