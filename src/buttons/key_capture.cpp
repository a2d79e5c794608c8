// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture.h"

#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/skin_catalogue.h"

#include <QLabel>
#include <QToolButton>

namespace {
constexpr int kDialogWidth = 478;
constexpr int kDialogHeight = 309;
constexpr int kKeyPixelSize = 20;
constexpr int kHintHeight = 40;
constexpr int kHintGap = 6;
} // namespace

TarqKeyCaptureDialog::TarqKeyCaptureDialog(QWidget* parent, KeyListener::OtherPrograms otherPrograms)
    : TarqSkinDialog(QLatin1String(Skin::Dialog), QSize(kDialogWidth, kDialogHeight), parent)
{
    setWindowModality(Qt::ApplicationModal);
    m_listener = new KeyListener(this, otherPrograms, [](int) { return true; });
    connect(m_listener, &KeyListener::ready, this, &TarqKeyCaptureDialog::captureReady);
    connect(m_listener, &KeyListener::keyEvent, this, &TarqKeyCaptureDialog::onKeyEvent);

    // Every key is captured, so focus never moves: the buttons answer the pointer only.
    for (QToolButton* button : { yesButton(), noButton() })
        button->setFocusPolicy(Qt::NoFocus);

    const QRect content = contentRect();
    m_keyLabel = new QLabel(this);
    QFont keyFont = dialogFont();
    keyFont.setPixelSize(scaled(kKeyPixelSize));
    m_keyLabel->setFont(keyFont);
    m_keyLabel->setAlignment(Qt::AlignCenter);
    m_keyLabel->setWordWrap(true);
    m_keyLabel->setStyleSheet(keyFieldStyle());
    m_keyLabel->setGeometry(content.adjusted(0, 0, 0, -scaled(kHintHeight + kHintGap)));
    m_keyLabel->setFocusPolicy(Qt::StrongFocus);

    m_hintLabel = new QLabel(this);
    m_hintLabel->setFont(dialogFont());
    m_hintLabel->setWordWrap(true);
    m_hintLabel->setAlignment(Qt::AlignCenter);
    m_hintLabel->setStyleSheet(dialogTextStyle());
    m_hintLabel->setGeometry(content.left(), content.bottom() - scaled(kHintHeight) + 1, content.width(),
                             scaled(kHintHeight));
    m_hintLabel->hide();
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
    m_keyLabel->setText(text.isEmpty() ? pressKeyText() : text);
    m_keyLabel->setAccessibleName(capturedKeyName());
    m_keyLabel->setAccessibleDescription(m_keyLabel->text());
}

void TarqKeyCaptureDialog::showEvent(QShowEvent* event)
{
    TarqSkinDialog::showEvent(event);
    m_keyLabel->setFocus();
    m_listener->start();
    m_hintLabel->setText(desktopKeysHint());
    m_hintLabel->setVisible(!m_listener->isGlobal());
}

void TarqKeyCaptureDialog::done(int result)
{
    // Stopped before the dialog's result is acted on: no key arrives after the answer.
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
