// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/skin_dialog.h"

#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int kTitleHeight = 30;
constexpr int kButtonGap = 16;
constexpr int kContentGap = 12;

int designHeightOf(const QString& image)
{
    for (const SkinImage& skin : kSkinImages) {
        if (image == QLatin1String(skin.name))
            return skin.height;
    }
    return Skin::DialogHeight;
}
} // namespace

TarqSkinDialog::TarqSkinDialog(const QString& backgroundImage, const QSize& designSize, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_background(skinPath(backgroundImage))
    , m_backgroundHeight(designHeightOf(backgroundImage))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(designSize.width()), scaled(designSize.height()));
    maskToPicture(this, dialogPicture(m_background, size(), QMargins()));
    m_titleLabel = new QLabel(this);
    m_titleLabel->setFont(dialogFont());
    m_titleLabel->setStyleSheet(dialogHeadingStyle());
    m_yesButton = makeDialogButton(this, QStringLiteral("msgBoxYesBtn"), QLatin1String(EmbeddedImage::Yes), QString());
    m_noButton = makeDialogButton(this, QStringLiteral("msgBoxNoBtn"), QLatin1String(EmbeddedImage::No), QString());
    for (QToolButton* button : { m_yesButton, m_noButton })
        button->setFocusPolicy(Qt::StrongFocus);
    connect(m_yesButton, &QToolButton::clicked, this, &QDialog::accept);
    connect(m_noButton, &QToolButton::clicked, this, &QDialog::reject);
    layoutFrame();
}

void TarqSkinDialog::setTexts(const QString& title, const QString& yesText, const QString& noText)
{
    setWindowTitle(title);
    setAccessibleName(title);
    m_titleLabel->setText(title);
    m_yesButton->setText(yesText);
    m_yesButton->setAccessibleName(yesText);
    m_noButton->setText(noText);
    m_noButton->setAccessibleName(noText);
    layoutFrame();
}

QRect TarqSkinDialog::contentRect() const
{
    const int margin = scaled(DialogLook::Margin);
    const int separator = headingLineY();
    const int top = qMax(margin + scaled(kTitleHeight), separator) + scaled(kContentGap);
    const int bottom = height() - margin - scaled(DialogLook::ButtonHeight) - scaled(kContentGap);
    return QRect(margin, top, width() - 2 * margin, bottom - top);
}

int TarqSkinDialog::headingLineY() const
{
    return height() * Skin::DialogSeparatorY / m_backgroundHeight;
}

void TarqSkinDialog::layoutFrame()
{
    const int margin = scaled(DialogLook::Margin);
    const int separator = headingLineY();
    m_titleLabel->setGeometry(margin, margin, width() - 2 * margin, qMax(scaled(kTitleHeight), separator - margin));
    // Long translations ("Abbrechen") widen both buttons alike rather than being cut.
    const int buttonWidth =
        std::max({ scaled(DialogLook::ButtonWidth), m_yesButton->sizeHint().width(), m_noButton->sizeHint().width() });
    const QSize buttonSize(buttonWidth, scaled(DialogLook::ButtonHeight));
    const int gap = scaled(kButtonGap);
    const int left = (width() - 2 * buttonSize.width() - gap) / 2;
    const int top = height() - margin - buttonSize.height();
    m_yesButton->setGeometry(QRect(QPoint(left, top), buttonSize));
    m_noButton->setGeometry(QRect(QPoint(left + buttonSize.width() + gap, top), buttonSize));
}

void TarqSkinDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull()) {
        // Without the skin the dialog still has to be readable.
        painter.fillRect(rect(), QColor(Palette::Surface));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_background);
}

void TarqSkinDialog::accept()
{
    if (m_yesButton->isEnabled())
        QDialog::accept();
}

void TarqSkinDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (focusWidget() == m_noButton)
            reject();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
