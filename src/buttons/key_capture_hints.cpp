// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture_hints.h"

#include "buttons/key_capture.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"

#include <QLabel>

namespace {
constexpr int kStagePixelSize = 12;
constexpr int kLineGap = 4;
} // namespace

KeyCaptureHints::KeyCaptureHints(QWidget* parent)
    : QWidget(parent)
{
    m_stageLabel = new QLabel(this);
    m_stageLabel->setObjectName(QStringLiteral("keyCaptureStageHint"));
    m_desktopLabel = new QLabel(TarqKeyCaptureDialog::desktopKeysHint(), this);
    m_desktopLabel->setObjectName(QStringLiteral("keyCaptureDesktopHint"));
    m_desktopLabel->setWordWrap(true);
    for (QLabel* label : { m_stageLabel, m_desktopLabel }) {
        label->setFont(stageFont());
        label->setStyleSheet(dialogTextStyle());
        label->setAlignment(Qt::AlignCenter);
    }
    m_desktopLabel->hide();
    showStage(Stage::Capturing);
}

QString KeyCaptureHints::textOf(Stage stage)
{
    switch (stage) {
        case Stage::Capturing:
            return tr("Press a key to capture; Enter, Esc and Tab count too.");
        case Stage::Captured:
            return tr("Enter: OK, Esc: cancel, Space on the key: new capture");
        case Stage::Unsendable:
            return tr("Not a key the mouse sends; Space on it: new capture");
    }
    return QString();
}

QFont KeyCaptureHints::stageFont()
{
    QFont font = dialogFont();
    font.setPixelSize(qMax(1, scaled(kStagePixelSize)));
    return font;
}

void KeyCaptureHints::showStage(Stage stage)
{
    m_stageLabel->setText(textOf(stage));
    setAccessibleDescription(m_stageLabel->text());
}

QString KeyCaptureHints::stageText() const
{
    return m_stageLabel->text();
}

void KeyCaptureHints::showDesktopKeysHint(bool shown)
{
    m_desktopLabel->setVisible(shown);
    layoutLines();
}

int KeyCaptureHints::neededHeight(int width) const
{
    const int stage = m_stageLabel->sizeHint().height();
    if (m_desktopLabel->isHidden())
        return stage;
    return m_desktopLabel->heightForWidth(width) + scaled(kLineGap) + stage;
}

void KeyCaptureHints::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutLines();
}

// The stage line stays at the bottom, next to the buttons it speaks of.
void KeyCaptureHints::layoutLines()
{
    const int stage = m_stageLabel->sizeHint().height();
    m_stageLabel->setGeometry(0, height() - stage, width(), stage);
    if (!m_desktopLabel->isHidden())
        m_desktopLabel->setGeometry(0, 0, width(), height() - stage - scaled(kLineGap));
}
