// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/param_dialogs.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "buttons/key_capture.h"
#include "buttons/key_capture_field.h"
#include "buttons/key_capture_hints.h"
#include "buttons/key_listener.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/skin_catalogue.h"
#include "controls/sliders.h"
#include "pages/page_look.h"
#include "platform/keyboard_capture.h"
#include "storage/key_names.h"
#include "storage/profile_record.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kDialogWidth = 478;
constexpr int kDialogHeight = 309;
constexpr int kFireDialogHeight = 360;
constexpr int kRowHeight = 28;
constexpr int kRowGap = 8;
constexpr int kEditWidth = 64;
constexpr int kFieldDigits = 3;
constexpr int kFieldMinimum = 1;
constexpr int kFieldMaximum = 255;

constexpr int kFireTargets[] = { FireTarget::Left, FireTarget::Right, FireTarget::Middle };
constexpr int kSniperMinimum = 1;
constexpr int kSniperMaximum = 10;

const char* const kKindTexts[] = { QT_TRANSLATE_NOOP("TarqFireKeyWindow", "Left"),
                                   QT_TRANSLATE_NOOP("TarqFireKeyWindow", "Right"),
                                   QT_TRANSLATE_NOOP("TarqFireKeyWindow", "Middle"),
                                   QT_TRANSLATE_NOOP("TarqFireKeyWindow", "Keyboard Key") };

QLabel* makeDialogLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(dialogFont());
    label->setStyleSheet(dialogTextStyle());
    return label;
}

QLineEdit* makeNumberField(QWidget* parent, const QString& text)
{
    auto* edit = new TarqLineEdit(parent);
    edit->setText(text);
    edit->setMaxLength(kFieldDigits);
    edit->setValidator(new QIntValidator(kFieldMinimum, kFieldMaximum, edit));
    edit->setAlignment(Qt::AlignCenter);
    edit->setFont(dialogFont());
    return edit;
}

} // namespace

TarqFireKeyWindow::TarqFireKeyWindow(QWidget* parent, const ButtonEntry* entry)
    : TarqSkinDialog(QLatin1String(Skin::Dialog), QSize(kDialogWidth, kFireDialogHeight), parent)
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr("FireKey Setting"), tr("OK"), tr("Cancel"));
    buildControls();
    m_listener =
        new KeyListener(this, KeyListener::OtherPrograms::GetKeys, [this](int) { return m_round.isRunning(); });
    connect(m_listener, &KeyListener::ready, this, &TarqFireKeyWindow::captureReady);
    connect(m_listener, &KeyListener::keyEvent, this, &TarqFireKeyWindow::onKeyEvent);
    if (entry && entry->Fun == FunctionCode::FireKey)
        showEntry(*entry);
    chooseKind(m_kind);
    showKey();
}

TarqFireKeyWindow::~TarqFireKeyWindow()
{
    m_listener->stop();
}

void TarqFireKeyWindow::buildControls()
{
    const QRect content = contentRect();
    const int row = scaled(kRowHeight);
    const int step = row + scaled(kRowGap);
    m_kinds = new QButtonGroup(this);
    m_kinds->setExclusive(true);
    const int third = content.width() / 3;
    for (int kind = 0; kind < 4; ++kind) {
        auto* box = new QCheckBox(tr(kKindTexts[kind]), this);
        styleCheckBox(box, CheckLook::Round);
        box->setAccessibleName(box->text());
        m_kinds->addButton(box, kind);
        m_kindBoxes[kind] = box;
        connect(box, &QCheckBox::stateChanged, this, &TarqFireKeyWindow::onStateChanged);
        connect(box, &QCheckBox::clicked, this, &TarqFireKeyWindow::checkbtn_clicked);
        if (kind < KeyboardKey)
            box->setGeometry(content.left() + kind * third, content.top(), third, row);
    }
    m_kindBoxes[KeyboardKey]->setGeometry(content.left(), content.top() + step, third, row);

    m_keyField = new KeyCaptureField(this);
    m_keyField->setFont(dialogFont());
    m_keyField->setAccessibleName(TarqKeyCaptureDialog::capturedKeyName());
    connect(m_keyField, &KeyCaptureField::captureAsked, this, &TarqFireKeyWindow::startCapture);
    m_keyField->setGeometry(content.left() + third, content.top() + step, content.width() - third, row);

    const int fieldTop = content.top() + 2 * step;
    const int half = content.width() / 2;
    m_timesLabel = makeDialogLabel(this);
    m_timesLabel->setText(tr("Times:"));
    m_timesLabel->setGeometry(content.left(), fieldTop, half - scaled(kEditWidth) - scaled(kRowGap), row);
    m_timesEdit = makeNumberField(this, QStringLiteral("3"));
    m_timesEdit->setAccessibleName(tr("Times:"));
    m_timesEdit->setGeometry(content.left() + half - scaled(kEditWidth) - scaled(kRowGap), fieldTop, scaled(kEditWidth),
                             row);
    m_delayLabel = makeDialogLabel(this);
    m_delayLabel->setText(tr("Delay:"));
    m_delayLabel->setGeometry(content.left() + half, fieldTop, half - scaled(kEditWidth), row);
    m_delayEdit = makeNumberField(this, QStringLiteral("100"));
    m_delayEdit->setAccessibleName(tr("Delay:"));
    m_delayEdit->setGeometry(content.right() + 1 - scaled(kEditWidth), fieldTop, scaled(kEditWidth), row);
    for (QLineEdit* edit : { m_timesEdit, m_delayEdit }) {
        connect(edit, &QLineEdit::textChanged, this, &TarqFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &TarqFireKeyWindow::onEditReturn);
    }

    m_hints = new KeyCaptureHints(this);
    m_hints->setGeometry(content.left(), fieldTop + step, content.width(), content.bottom() - fieldTop - step);

    setTabOrder(m_kindBoxes[LeftButton], m_kindBoxes[RightButton]);
    setTabOrder(m_kindBoxes[RightButton], m_kindBoxes[MiddleButton]);
    setTabOrder(m_kindBoxes[MiddleButton], m_kindBoxes[KeyboardKey]);
    setTabOrder(m_kindBoxes[KeyboardKey], m_keyField);
    setTabOrder(m_keyField, m_timesEdit);
    setTabOrder(m_timesEdit, m_delayEdit);
    setTabOrder(m_delayEdit, yesButton());
    setTabOrder(yesButton(), noButton());
}

void TarqFireKeyWindow::showEntry(const ButtonEntry& entry)
{
    m_kind = KeyboardKey;
    for (int kind = LeftButton; kind < KeyboardKey; ++kind) {
        if (entry.Res1 == kFireTargets[kind])
            m_kind = kind;
    }
    if (m_kind == KeyboardKey) {
        int keyCode = 0;
        if (usageToScan(entry.Res1, keyCode))
            m_keyCode = keyCode;
    }
    m_timesEdit->setText(QString::number(entry.LoopNumber));
    m_delayEdit->setText(QString::number(entry.KeyNumber));
}

QString TarqFireKeyWindow::keyText() const
{
    return m_keyCode > 0 ? keyName(unsigned(m_keyCode)) : QString();
}

QString TarqFireKeyWindow::timesText() const
{
    return m_timesEdit->text();
}

QString TarqFireKeyWindow::delayText() const
{
    return m_delayEdit->text();
}

int TarqFireKeyWindow::target() const
{
    if (m_kind < KeyboardKey)
        return kFireTargets[m_kind];
    int usage = 0;
    scanToUsage(unsigned(m_keyCode), usage);
    return usage;
}

bool TarqFireKeyWindow::capturesGlobally() const
{
    return m_listener->isGlobal();
}

bool TarqFireKeyWindow::isCaptureReady() const
{
    return m_listener->isReady();
}

void TarqFireKeyWindow::chooseKind(int kind)
{
    m_kind = kind;
    if (QAbstractButton* box = m_kinds->button(kind))
        box->setChecked(true);
    m_keyField->setEnabled(kind == KeyboardKey);
    if (kind != KeyboardKey)
        stopCapture();
    updateYesButton();
    showStage();
}

void TarqFireKeyWindow::onStateChanged(int state)
{
    auto* box = qobject_cast<QAbstractButton*>(sender());
    if (state == Qt::Checked && box && m_kinds->id(box) != m_kind)
        chooseKind(m_kinds->id(box));
}

void TarqFireKeyWindow::checkbtn_clicked()
{
    // A click on the chosen box keeps it chosen: one kind is always set.
    m_kindBoxes[m_kind]->setChecked(true);
    if (m_kind == KeyboardKey)
        startCapture();
}

void TarqFireKeyWindow::OnEditDataChanged()
{
    updateYesButton();
}

void TarqFireKeyWindow::updateYesButton()
{
    // The validators let an empty or zero field through while typing; a keyboard key without a
    // key would be sent as the left button. Neither may be accepted.
    const bool fieldsUsable = m_timesEdit->hasAcceptableInput() && m_delayEdit->hasAcceptableInput();
    yesButton()->setEnabled(fieldsUsable && target() != 0);
}

void TarqFireKeyWindow::onEditReturn()
{
    accept();
}

void TarqFireKeyWindow::startCapture()
{
    if (m_kind != KeyboardKey || m_round.isRunning())
        return;
    m_lastCode = -1;
    m_lastFlags = -1;
    m_round.start();
    m_listener->start();
    m_hints->showDesktopKeysHint(!m_listener->isGlobal());
    showStage();
}

void TarqFireKeyWindow::stopCapture()
{
    m_round = CaptureRound();
    m_listener->stop();
}

void TarqFireKeyWindow::finishCapture()
{
    m_listener->stopAfterKeys(m_round.pressedKeys());
    m_round = CaptureRound();
    showStage();
    if (yesButton()->isEnabled())
        yesButton()->setFocus(Qt::OtherFocusReason);
    else
        m_keyField->setFocus(Qt::OtherFocusReason);
    emit captureFinished();
}

void TarqFireKeyWindow::onKeyEvent(int keyCode, int flags)
{
    if (keyCode == m_lastCode && flags == m_lastFlags)
        return;
    m_lastCode = keyCode;
    m_lastFlags = flags;
    const CaptureRound::Step step = m_round.take(keyCode, flags);
    if (step == CaptureRound::Step::Ignored)
        return;
    m_keyCode = keyCode;
    showKey();
    if (step == CaptureRound::Step::Completed)
        finishCapture();
}

void TarqFireKeyWindow::showStage()
{
    m_hints->setVisible(m_kind == KeyboardKey);
    if (m_round.isRunning())
        m_hints->showStage(KeyCaptureHints::Stage::Capturing);
    else
        m_hints->showStage(hasKeyUsage(m_keyCode) ? KeyCaptureHints::Stage::Captured
                                                  : KeyCaptureHints::Stage::Unsendable);
}

QString TarqFireKeyWindow::hintText() const
{
    return m_hints->isHidden() ? QString() : m_hints->stageText();
}

void TarqFireKeyWindow::showKey()
{
    const QString text = keyText();
    m_keyField->setText(text.isEmpty() ? TarqKeyCaptureDialog::pressKeyText() : text);
    m_keyField->setAccessibleDescription(m_keyField->text());
    updateYesButton();
}

void TarqFireKeyWindow::done(int result)
{
    stopCapture();
    TarqSkinDialog::done(result);
    if (result == QDialog::Accepted)
        emit SetFireKeyValue(target(), m_timesEdit->text().toInt(), m_delayEdit->text().toInt());
}

TarqSniperWindow::TarqSniperWindow(QWidget* parent, int value)
    : TarqSkinDialog(QLatin1String(Skin::Dialog), QSize(kDialogWidth, kDialogHeight), parent)
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr("Sniper Setting"), tr("OK"), tr("Cancel"));
    const QRect content = contentRect();
    const int row = scaled(kRowHeight);
    m_slider = new TarqSlider(Qt::Horizontal, this);
    m_slider->setRange(kSniperMinimum, kSniperMaximum);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setValue(qBound(kSniperMinimum, value, kSniperMaximum));
    m_slider->setAccessibleName(tr("Sniper level"));
    const int valueWidth = scaled(kEditWidth);
    const int top = content.top() + (content.height() - row) / 2;
    m_slider->setGeometry(content.left(), top, content.width() - valueWidth - scaled(kRowGap), row);
    m_valueLabel = makeDialogLabel(this);
    m_valueLabel->setAlignment(Qt::AlignCenter);
    m_valueLabel->setGeometry(content.right() + 1 - valueWidth, top, valueWidth, row);
    auto showValue = [this](int level) { m_valueLabel->setText(QString::asprintf("%d", level)); };
    connect(m_slider, &QSlider::valueChanged, this, showValue);
    showValue(m_slider->value());
    m_slider->setFocus();
}

int TarqSniperWindow::value() const
{
    return m_slider->value();
}

void TarqSniperWindow::done(int result)
{
    TarqSkinDialog::done(result);
    if (result == QDialog::Accepted)
        emit SetSniperValue(value());
}
