// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture_field.h"

#include "controls/dialog_look.h"

#include <QKeyEvent>
#include <QMouseEvent>

KeyCaptureField::KeyCaptureField(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(keyFieldStyle());
    setCursor(Qt::PointingHandCursor);
}

void KeyCaptureField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    emit captureAsked();
}

void KeyCaptureField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit captureAsked();
        return;
    }
    QLabel::keyPressEvent(event);
}
