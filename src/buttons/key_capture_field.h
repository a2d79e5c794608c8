// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The field that shows a captured key. It takes the focus; a click, Space or Enter on it asks for
// a new capture (while a capture runs its keys never reach the field).
class KeyCaptureField final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(KeyCaptureField)

public:
    explicit KeyCaptureField(QWidget* parent);

signals:
    void captureAsked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
