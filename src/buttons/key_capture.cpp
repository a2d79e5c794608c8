// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture.h"

#include "buttons/key_capture_field.h"
#include "buttons/key_capture_hints.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"

#include <QToolButton>

namespace {
constexpr int kDialogWidth = 478;
constexpr int kDialogHeight = 309;
constexpr int kKeyPixelSize = 20;
constexpr int kHintGap = 6;
} // namespace

TarqKeyCaptureDialog::TarqKeyCaptureDialog(QWidget* parent, KeyListener::OtherPrograms otherPrograms)
    : TarqSkinDialog(QLatin1String(Skin::Dialog), QSize(kDialogWidth, kDialogHeight), parent)
{
    setWindowModality(Qt::ApplicationModal);
    m_listener = new KeyListener(this, otherPrograms, [](int) { return true; });
    connect(m_listener, &KeyListener::ready, this, &TarqKeyCaptureDialog::captureReady);
    connect(m_listener, &KeyListener::keyEvent, this, &TarqKeyCaptureDialog::takeKeyEvent);

    m_keyField = new KeyCaptureField(this);
    QFont keyFont = dialogFont();
    keyFont.setPixelSize(scaled(kKeyPixelSize));
    m_keyField->setFont(keyFont);
    m_keyField->setWordWrap(true);
    m_keyField->setAccessibleName(capturedKeyName());
    connect(m_keyField, &KeyCaptureField::captureAsked, this, &TarqKeyCaptureDialog::startCapture);

    m_hints = new KeyCaptureHints(this);
    setTabOrder(m_keyField, yesButton());
    setTabOrder(yesButton(), noButton());
    layoutContent();
}

TarqKeyCaptureDialog::~TarqKeyCaptureDialog()
{
    m_listener->stop();
}

bool TarqKeyCaptureDialog::capturesGlobally() const
{
    return m_listener->isGlobal();
}

bool TarqKeyCaptureDialog::isCaptureReady() const
{
    return m_listener->isReady();
}

QString TarqKeyCaptureDialog::hintText() const
{
    return m_hints->stageText();
}

QString TarqKeyCaptureDialog::pressKeyText()
{
    return tr("Press a key");
}

QString TarqKeyCaptureDialog::capturedKeyName()
{
    return tr("Captured key");
}

QString TarqKeyCaptureDialog::desktopKeysHint()
{
    return tr("Keys the desktop keeps for itself, such as Alt+Tab, cannot be captured here.");
}

void TarqKeyCaptureDialog::showKeyText(const QString& text, bool sendable)
{
    yesButton()->setEnabled(sendable);
    m_keyText = text;
    m_keyField->setText(text.isEmpty() ? pressKeyText() : text);
    m_keyField->setAccessibleDescription(m_keyField->text());
}

void TarqKeyCaptureDialog::showEvent(QShowEvent* event)
{
    TarqSkinDialog::showEvent(event);
    startCapture();
}

void TarqKeyCaptureDialog::startCapture()
{
    if (m_round.isRunning())
        return;
    restartState();
    m_round.start();
    m_hints->showStage(KeyCaptureHints::Stage::Capturing);
    m_keyField->setFocus(Qt::OtherFocusReason);
    m_listener->start();
    m_hints->showDesktopKeysHint(!m_listener->isGlobal());
    layoutContent();
}

void TarqKeyCaptureDialog::takeKeyEvent(int keyCode, int flags)
{
    const CaptureRound::Step step = m_round.take(keyCode, flags);
    if (step == CaptureRound::Step::Ignored)
        return;
    onKeyEvent(keyCode, flags);
    if (step == CaptureRound::Step::Completed)
        finishCapture();
}

void TarqKeyCaptureDialog::finishCapture()
{
    m_listener->stopAfterKeys(m_round.pressedKeys());
    const bool sendable = yesButton()->isEnabled();
    m_hints->showStage(sendable ? KeyCaptureHints::Stage::Captured : KeyCaptureHints::Stage::Unsendable);
    // Without a key to accept, the field keeps the focus: Space there tries again.
    if (sendable)
        yesButton()->setFocus(Qt::OtherFocusReason);
    emit captureFinished();
}

void TarqKeyCaptureDialog::layoutContent()
{
    const QRect content = contentRect();
    const int hintHeight = m_hints->neededHeight(content.width());
    m_hints->setGeometry(content.left(), content.bottom() + 1 - hintHeight, content.width(), hintHeight);
    m_keyField->setGeometry(content.adjusted(0, 0, 0, -(hintHeight + scaled(kHintGap))));
}

void TarqKeyCaptureDialog::done(int result)
{
    // Stopped before the dialog's result is acted on: no key arrives after the answer.
    m_round = CaptureRound();
    m_listener->stop();
    TarqSkinDialog::done(result);
}

TarqSingleKeyWindow::TarqSingleKeyWindow(QWidget* parent, int keyCode)
    : TarqKeyCaptureDialog(parent, KeyListener::OtherPrograms::GetKeys)
    , m_state(keyCode)
{
    setTexts(tr("Single Key"), tr("OK"), tr("Cancel"));
    showKeyText(m_state.text(), m_state.isSendable());
}

void TarqSingleKeyWindow::onKeyEvent(int keyCode, int flags)
{
    if (m_state.handle(keyCode, flags))
        showKeyText(m_state.text(), m_state.isSendable());
}

void TarqSingleKeyWindow::done(int result)
{
    TarqKeyCaptureDialog::done(result);
    if (result == QDialog::Accepted)
        emit SetSingleKeyValue(quint8(m_state.keyCode()));
}

TarqComboKeyWindow::TarqComboKeyWindow(QWidget* parent, const std::array<KeyInfo, kKeySlotCount>* keyInfo)
    : TarqKeyCaptureDialog(parent, KeyListener::OtherPrograms::LoseKeys)
{
    setTexts(tr("Combo Key"), tr("OK"), tr("Cancel"));
    if (keyInfo)
        m_state.preset(*keyInfo);
    showKeyText(m_state.text(), m_state.isSendable());
}

void TarqComboKeyWindow::onKeyEvent(int keyCode, int flags)
{
    if (m_state.handle(keyCode, flags))
        showKeyText(m_state.text(), m_state.isSendable());
}

void TarqComboKeyWindow::done(int result)
{
    TarqKeyCaptureDialog::done(result);
    if (result == QDialog::Accepted)
        emit SetComboKeyValue(m_state.comboKey(), m_state.hotKeyCodes());
}
