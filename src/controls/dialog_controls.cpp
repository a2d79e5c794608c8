// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/dialog_controls.h"

#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace {

constexpr int kLeastCaptionWidth = 90;
constexpr int kCaptionPadding = 12;
constexpr int kRowIconSize = 16;
constexpr int kRowPadding = 2;

QString listStyle()
{
    return QStringLiteral("QListWidget{background-color:rgb(18,19,21);color:rgb(225,225,225);"
                          "border:1px solid rgb(62,66,72);border-radius:3px;outline:0px;}"
                          "QListWidget:focus{border-color:rgb(%2,%3,%4);}"
                          "QListWidget::item{padding:%1px;}"
                          "QListWidget::item:selected{background-color:rgb(44,47,51);color:white;}")
        .arg(scaled(kRowPadding))
        .arg(themeColour().red())
        .arg(themeColour().green())
        .arg(themeColour().blue());
}

} // namespace

QLabel* makeCaption(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setFont(dialogFont());
    label->setStyleSheet(dialogTextStyle());
    return label;
}

int fitCaptions(const QList<QLabel*>& captions, int most)
{
    int width = scaled(kLeastCaptionWidth);
    for (const QLabel* caption : captions)
        width = std::max(width, caption->fontMetrics().horizontalAdvance(caption->text()) + scaled(kCaptionPadding));
    width = std::min(width, most);
    for (QLabel* caption : captions)
        caption->setWordWrap(caption->fontMetrics().horizontalAdvance(caption->text()) > width);
    return width;
}

TarqPushButton* makeSkinnedButton(QWidget* parent, const QString& text)
{
    auto* button = new TarqPushButton(tabButtonImages(), parent);
    button->setText(text);
    button->setAccessibleName(text);
    return button;
}

QListWidget* makeRowList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setFont(uiFont());
    list->setStyleSheet(listStyle());
    list->setIconSize(QSize(scaled(kRowIconSize), scaled(kRowIconSize)));
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}
