// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/progress.h"

#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QStyleOptionProgressBar>
#include <QTimer>

namespace {

constexpr int kFirstUpdateMs = 0;
constexpr int kUpdateIntervalMs = 100;
constexpr int kProgressSteps = 24;
constexpr int kIndicatorHeight = 3;
// The skin's rounded corners, drawn unstretched.
constexpr QMargins kSkinCorners(12, 12, 12, 12);
// Room kept between a bar's text and its ends, in design pixels.
constexpr int kBarTextPadding = 2;

} // namespace

TarqProcessbar::TarqProcessbar(QWidget* parent)
    : QProgressBar(parent)
{
}

void TarqProcessbar::setBarText(const QString& text)
{
    m_barText = text;
    update();
}

QString TarqProcessbar::text() const
{
    return m_barText.isEmpty() ? QProgressBar::text() : m_barText;
}

FittedText TarqProcessbar::shownText() const
{
    const QString shown = m_barText.isEmpty() && isTextVisible() ? QProgressBar::text() : m_barText;
    // Family from the language, size and weight from the bar's own (style-sheet) font.
    QFont font = uiFont();
    if (this->font().pixelSize() > 0)
        font.setPixelSize(this->font().pixelSize());
    font.setBold(this->font().bold());
    // The bar's figure is drawn larger than the window's texts: a word may shrink down to the
    // smallest size the window uses rather than stop at a share of the figure's.
    return TextFit::fit(shown, font, width() - 2 * scaled(kBarTextPadding), TextFit::smallestReadablePixelSize());
}

bool TarqProcessbar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && TextFit::showWholeTextTip(this, event, shownText().elided, text()))
        return true;
    return QProgressBar::event(event);
}

void TarqProcessbar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.textVisible = false;
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
    const FittedText shown = shownText();
    if (shown.text.isEmpty())
        return;
    painter.setFont(shown.font);
    painter.setPen(palette().color(QPalette::Text));
    const QRect area = rect().adjusted(scaled(kBarTextPadding), 0, -scaled(kBarTextPadding), 0);
    painter.drawText(area, static_cast<int>(alignment()) | Qt::AlignVCenter, shown.text);
}

TarqProcessDialog::TarqProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_picture((ensureEmbeddedImages(), skinPath(QLatin1String(Skin::Process))))
    , m_animation(new QLabel(this))
    , m_movie(new QMovie(QLatin1String(EmbeddedImage::Loading), QByteArray(), this))
{
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    const QSize designSize = m_picture.isNull() ? QSize(300, 150) : m_picture.size() / kSkinResolution;
    setFixedSize(scaled(designSize.width()), scaled(designSize.height()));
    m_picture = dialogPicture(m_picture, size(), kSkinCorners);
    maskToPicture(this, m_picture);
    const int side = scaled(EmbeddedImage::LoadingSize);
    m_movie->setScaledSize(QSize(side, side));
    m_animation->setMovie(m_movie);
    m_animation->setGeometry((width() - side) / 2, (height() - side) / 2 - scaled(6), side, side);
    m_animation->setStyleSheet(QStringLiteral("background:transparent;"));
}

void TarqProcessDialog::slotProcessDlg()
{
    m_finished = true;
    m_movie->stop();
    accept();
}

void TarqProcessDialog::updateProgress()
{
    if (m_finished || !isVisible())
        return;
    m_step = (m_step + 1) % kProgressSteps;
    update();
    QTimer::singleShot(kUpdateIntervalMs, this, &TarqProcessDialog::updateProgress);
}

void TarqProcessDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_movie->start();
    QTimer::singleShot(kFirstUpdateMs, this, &TarqProcessDialog::updateProgress);
}

void TarqProcessDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), QColor(Palette::Surface));
    else
        painter.drawPixmap(0, 0, m_picture);
    // A short accent segment runs along the bottom so progress shows even without the animation.
    const int track = width() - 2 * scaled(40);
    const int segment = track / 4;
    const int x = scaled(40) + (track - segment) * m_step / (kProgressSteps - 1);
    const int y = height() - scaled(28);
    painter.fillRect(QRect(scaled(40), y, track, scaled(kIndicatorHeight)), QColor(Palette::Line));
    painter.fillRect(QRect(x, y, segment, scaled(kIndicatorHeight)), themeColour());
}

void TarqProcessDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TarqProcessDialog::closeEvent(QCloseEvent* event)
{
    if (!m_finished)
        event->ignore();
}

void TarqProcessDialog::reject()
{
    if (m_finished)
        QDialog::reject();
}
