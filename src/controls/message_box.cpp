// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/message_box.h"

#include "controls/device_open_source.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/text_fit.h"
#include "controls/text_label.h"
#include "controls/theme.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

// Design pixels: the skin's size is the smallest box; a long text grows it up to the limits,
// which keep it inside the window it belongs to.
constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kMaxWidth = 760;
constexpr int kMaxHeight = 600;
constexpr int kIconSize = 45;
constexpr int kHeadingGap = 14;
constexpr int kTextGap = 12;
constexpr int kButtonGap = 16;
// A text that takes more lines than this at the design width widens the box instead.
constexpr int kLinesBeforeWidening = 3;
// The skin's corners and its heading band with the rule below it, drawn unstretched.
constexpr QMargins kSkinFixedMargins(16, 110, 16, 16);
constexpr int kPlugInPollMs = 100;

// Callers pass source texts; looking them up here keeps every box in the catalogue's language.
QString translated(const QString& source)
{
    return source.isEmpty() ? source : TarqMessageBox::tr(source.toUtf8().constData());
}

// The ASCII letter a button's text starts with, upper case; 0 when it starts with none.
char firstLetter(const QToolButton* button)
{
    const QString text = button->text().trimmed();
    const char letter = text.isEmpty() ? 0 : text.at(0).toUpper().toLatin1();
    return letter >= 'A' && letter <= 'Z' ? letter : 0;
}

} // namespace

TarqMessageBox::TarqMessageBox(int kind, const QString& title, const QString& heading, const QString& text,
                               QWidget* parent, bool watchForPlugIn, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_kind(kind)
    , m_skin(skinPath(QLatin1String(Skin::Dialog)))
    , m_parent(parent)
{
    setWindowTitle(translated(title));
    setAccessibleName(translated(heading));
    setAccessibleDescription(translated(text));
    if (flags & Qt::FramelessWindowHint)
        setAttribute(Qt::WA_TranslucentBackground);

    m_iconLabel = new QLabel(this);
    const QString iconName = kind == DongleMissing ? QLatin1String(Skin::DongleMissing) : QLatin1String(Skin::Warning);
    m_iconLabel->setPixmap(QPixmap(skinPath(iconName)));
    m_iconLabel->setScaledContents(true);

    m_headingLabel = new TarqTextLabel(translated(heading), this);
    m_headingLabel->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_headingLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_textLabel = new TarqTextLabel(translated(text), this);
    m_textLabel->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    for (TarqTextLabel* label : { m_headingLabel, m_textLabel }) {
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
    fitToContents();

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
    fitToContents();
}

void TarqMessageBox::offerRetry()
{
    if (m_refuseButton || m_retryButton)
        return;
    m_retryButton = makeButton(QStringLiteral("msgBoxRetryBtn"), QString(), tr("Retry"));
    connect(m_retryButton, &QToolButton::clicked, this, [this] { done(RetryChosen); });
    setTabOrder(m_acceptButton, m_retryButton);
    fitToContents();
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
    if (!m_picture.isNull()) {
        painter.drawPixmap(0, 0, m_picture);
    } else {
        // Without the skin the box still has to be readable.
        painter.fillRect(rect(), QColor(Palette::Surface));
    }
}

void TarqMessageBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Opened over a hidden or inactive window the box must still take the keys at once.
    m_acceptButton->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void TarqMessageBox::keyPressEvent(QKeyEvent* event)
{
    if (!answerKey(event))
        QDialog::keyPressEvent(event);
}

// The buttons' own key handling would move the focus out of the row's order and ignores Enter.
bool TarqMessageBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && buttonRow().contains(qobject_cast<QToolButton*>(watched)))
        return answerKey(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

// Tab follows the row as it stands, not the order the buttons were made in.
bool TarqMessageBox::focusNextPrevChild(bool next)
{
    moveFocus(next ? 1 : -1);
    return true;
}

QVector<QToolButton*> TarqMessageBox::buttonRow() const
{
    QVector<QToolButton*> row{ m_acceptButton };
    for (QToolButton* button : { m_alternativeButton, m_refuseButton, m_retryButton }) {
        if (button)
            row << button;
    }
    return row;
}

bool TarqMessageBox::answerKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* focused = qobject_cast<QToolButton*>(focusWidget());
            if (focused && buttonRow().contains(focused))
                focused->click();
            else
                m_acceptButton->click();
            return true;
        }
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveFocus(1);
            return true;
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveFocus(-1);
            return true;
        default:
            break;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    if (QToolButton* button = buttonForLetter(event->key())) {
        button->click();
        return true;
    }
    return false;
}

void TarqMessageBox::moveFocus(int step)
{
    const QVector<QToolButton*> row = buttonRow();
    const int at = row.indexOf(qobject_cast<QToolButton*>(focusWidget()));
    const int next = at < 0 ? 0 : (at + step + row.size()) % row.size();
    row.at(next)->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// A letter two buttons start with answers neither: pressing it would be a guess.
QToolButton* TarqMessageBox::buttonForLetter(int key) const
{
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return nullptr;
    QToolButton* match = nullptr;
    for (QToolButton* button : buttonRow()) {
        if (firstLetter(button) != 'A' + (key - Qt::Key_A))
            continue;
        if (match)
            return nullptr;
        match = button;
    }
    return match;
}

QToolButton* TarqMessageBox::makeButton(const QString& objectName, const QString& imagePath, const QString& text)
{
    QToolButton* button = makeDialogButton(this, objectName, imagePath, text);
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(this);
    return button;
}

void TarqMessageBox::fitToContents()
{
    setFixedSize(neededSize());
    layoutChildren();
    m_picture = dialogPicture(m_skin, size(), kSkinFixedMargins);
    if (testAttribute(Qt::WA_TranslucentBackground))
        maskToPicture(this, m_picture);
    update();
}

QSize TarqMessageBox::neededSize() const
{
    const int margin = scaled(DialogLook::Margin);
    const int maxWidth = scaled(kMaxWidth);
    const QFontMetrics metrics(m_textLabel->font());
    int width = scaled(kWidth);
    if (m_textLabel->heightForWidth(width - 2 * margin) > kLinesBeforeWidening * metrics.lineSpacing())
        width = maxWidth;
    const int heading = QFontMetrics(m_headingLabel->font()).horizontalAdvance(m_headingLabel->text());
    width = qMax(width, 2 * margin + scaled(kIconSize) + scaled(kHeadingGap) + heading);
    const QVector<QToolButton*> row = buttonRow();
    int widest = scaled(DialogLook::ButtonWidth);
    for (const QToolButton* button : row)
        widest = qMax(widest, button->sizeHint().width());
    width = qMax(width, row.size() * widest + (row.size() - 1) * scaled(kButtonGap) + margin);
    width = qMin(width, maxWidth);

    const int above = margin + scaled(kIconSize) + scaled(kTextGap);
    const int below = margin + scaled(DialogLook::ButtonHeight) + scaled(kTextGap);
    const int height = above + m_textLabel->heightForWidth(width - 2 * margin) + below;
    return QSize(width, qBound(scaled(kHeight), height, scaled(kMaxHeight)));
}

void TarqMessageBox::layoutChildren()
{
    const int margin = scaled(DialogLook::Margin);
    const int icon = scaled(kIconSize);
    m_iconLabel->setGeometry(margin, margin, icon, icon);
    const int headingLeft = margin + icon + scaled(kHeadingGap);
    m_headingLabel->setGeometry(headingLeft, margin, width() - margin - headingLeft, icon);
    const int buttonTop = height() - margin - scaled(DialogLook::ButtonHeight);
    const int textTop = margin + icon + scaled(kTextGap);
    m_textLabel->setGeometry(margin, textTop, width() - 2 * margin, buttonTop - textTop - scaled(kTextGap));

    // Every answer as wide as the longest needs, within the box, so no translation is cut.
    const QVector<QToolButton*> row = buttonRow();
    const int gap = scaled(kButtonGap);
    const int count = row.size();
    QSize size(scaled(DialogLook::ButtonWidth), scaled(DialogLook::ButtonHeight));
    for (const QToolButton* button : row)
        size.setWidth(qMax(size.width(), button->sizeHint().width()));
    size.setWidth(qMin(size.width(), (width() - (count - 1) * gap - 2 * scaled(DialogLook::Margin / 2)) / count));
    const int left = (width() - count * size.width() - (count - 1) * gap) / 2;
    for (int i = 0; i < count; ++i)
        row.at(i)->setGeometry(QRect(QPoint(left + i * (size.width() + gap), buttonTop), size));
}
