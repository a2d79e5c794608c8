// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/message_box.h"

#include "controls/device_open_source.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kIconSize = 45;
constexpr int kPlugInPollMs = 100;

// Callers pass source texts; looking them up here keeps every box in the catalogue's language.
QString translated(const QString& source)
{
    return source.isEmpty() ? source : TarqMessageBox::tr(source.toUtf8().constData());
}

} // namespace

TarqMessageBox::TarqMessageBox(int kind, const QString& title, const QString& heading, const QString& text,
                               QWidget* parent, bool watchForPlugIn, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_kind(kind)
    , m_background(skinPath(QLatin1String(Skin::Dialog)))
    , m_parent(parent)
{
    setWindowTitle(translated(title));
    setFixedSize(scaled(kWidth), scaled(kHeight));
    if (flags & Qt::FramelessWindowHint)
        setAttribute(Qt::WA_TranslucentBackground);

    m_iconLabel = new QLabel(this);
    const QString iconName = kind == DongleMissing ? QLatin1String(Skin::DongleMissing) : QLatin1String(Skin::Warning);
    m_iconLabel->setPixmap(QPixmap(skinPath(iconName)));
    m_iconLabel->setScaledContents(true);

    m_headingLabel = new QLabel(translated(heading), this);
    m_headingLabel->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_textLabel = new QLabel(translated(text), this);
    m_textLabel->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    for (QLabel* label : { m_headingLabel, m_textLabel }) {
        label->setFont(dialogFont());
        label->setStyleSheet(dialogTextStyle());
    }
    m_headingLabel->setStyleSheet(dialogHeadingStyle());

    if (kind == Question || kind == Choice) {
        m_acceptButton = makeButton(QStringLiteral("msgBoxYesBtn"), QLatin1String(EmbeddedImage::Yes), tr("Yes"));
        m_refuseButton = makeButton(QStringLiteral("msgBoxNoBtn"), QLatin1String(EmbeddedImage::No), tr("No"));
        connect(m_refuseButton, &QToolButton::clicked, this, &QDialog::reject);
    } else {
        m_acceptButton = makeButton(QStringLiteral("msgBoxYesBtn"), QLatin1String(EmbeddedImage::Yes), tr("Ok"));
    }
    if (kind == Choice) {
        m_alternativeButton =
            makeButton(QStringLiteral("msgBoxAlternativeBtn"), QLatin1String(EmbeddedImage::No), QString());
        connect(m_alternativeButton, &QToolButton::clicked, this, [this] { done(AlternativeChosen); });
    }
    connect(m_acceptButton, &QToolButton::clicked, this, &QDialog::accept);
    fitTextHeight();
    layoutChildren();

    if (watchForPlugIn) {
        m_plugInTimer = new QTimer(this);
        m_plugInTimer->setInterval(kPlugInPollMs);
        connect(m_plugInTimer, &QTimer::timeout, this, &TarqMessageBox::GetPlugInSignal);
        m_plugInTimer->start();
    }
}

void TarqMessageBox::setChoiceTexts(const char* accept, const char* alternative, const char* refuse)
{
    if (!m_alternativeButton)
        return;
    const std::pair<QToolButton*, const char*> texts[] = { { m_acceptButton, accept },
                                                           { m_alternativeButton, alternative },
                                                           { m_refuseButton, refuse } };
    for (const auto& [button, source] : texts) {
        button->setText(tr(source));
        button->setAccessibleName(button->text());
    }
    layoutChildren();
}

void TarqMessageBox::GetPlugInSignal()
{
    const auto* source = dynamic_cast<const DeviceOpenSource*>(m_parent);
    if (m_closing || !source || !source->isDeviceOpen())
        return;
    m_closing = true;
    m_plugInTimer->stop();
    accept();
}

void TarqMessageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_background);
    } else {
        // Without the skin the box still has to be readable.
        painter.fillRect(rect(), QColor(Palette::Surface));
    }
}

QToolButton* TarqMessageBox::makeButton(const QString& objectName, const QString& imagePath, const QString& text)
{
    QToolButton* button = makeDialogButton(this, objectName, imagePath, text);
    // The box keeps the focus itself, so Escape closes it wherever the pointer is.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A long text (a report of several lines) makes the box taller rather than being cut.
void TarqMessageBox::fitTextHeight()
{
    const int margin = scaled(DialogLook::Margin);
    const int above = margin + scaled(kIconSize) + scaled(12);
    const int below = margin + scaled(DialogLook::ButtonHeight) + scaled(12);
    const int needed = m_textLabel->heightForWidth(width() - 2 * margin);
    if (needed > height() - above - below)
        setFixedSize(width(), above + needed + below);
}

void TarqMessageBox::layoutChildren()
{
    const int margin = scaled(DialogLook::Margin);
    const int icon = scaled(kIconSize);
    m_iconLabel->setGeometry(margin, margin, icon, icon);
    m_headingLabel->setGeometry(margin + icon + scaled(14), margin, width() - 2 * margin - icon, icon);
    const int buttonTop = height() - margin - scaled(DialogLook::ButtonHeight);
    const int textTop = margin + icon + scaled(12);
    m_textLabel->setGeometry(margin, textTop, width() - 2 * margin, buttonTop - textTop - scaled(12));

    const QSize buttonSize(scaled(DialogLook::ButtonWidth), scaled(DialogLook::ButtonHeight));
    const int gap = scaled(16);
    if (m_alternativeButton) {
        // Three answers share the row: each as wide as the longest needs, within the box.
        QToolButton* const row[] = { m_acceptButton, m_alternativeButton, m_refuseButton };
        QSize size = buttonSize;
        for (const QToolButton* button : row)
            size.setWidth(qMax(size.width(), button->sizeHint().width()));
        size.setWidth(qMin(size.width(), (width() - 2 * gap - 2 * scaled(DialogLook::Margin / 2)) / 3));
        const int left = (width() - 3 * size.width() - 2 * gap) / 2;
        for (int i = 0; i < 3; ++i)
            row[i]->setGeometry(QRect(QPoint(left + i * (size.width() + gap), buttonTop), size));
    } else if (m_refuseButton) {
        const int left = (width() - 2 * buttonSize.width() - gap) / 2;
        m_acceptButton->setGeometry(QRect(QPoint(left, buttonTop), buttonSize));
        m_refuseButton->setGeometry(QRect(QPoint(left + buttonSize.width() + gap, buttonTop), buttonSize));
    } else {
        m_acceptButton->setGeometry(QRect(QPoint((width() - buttonSize.width()) / 2, buttonTop), buttonSize));
    }
}
