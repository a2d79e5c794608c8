// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/text_fit.h"

#include <QPixmap>
#include <QPushButton>
#include <QVector>

// The skinned image button every window uses. Its state (normal, hover or checked, pressed,
// disabled) picks the image and the text colour. The checked flag is QAbstractButton's, so button
// groups and toggled work as for any button, but a press toggles it rather than the click that
// follows. Skin images are drawn at twice their design size, so windows place buttons by design
// rectangles times the scale factor, not by the size hint.
class TarqPushButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqPushButton)

public:
    enum State { Normal = 0, HoverOrChecked = 1, Pressed = 2, Disabled = 3 };

    // imagePaths: one to three images (normal, hover, pressed). A non-empty iconPath gives the
    // button an icon whose size is the size hint.
    explicit TarqPushButton(const QStringList& imagePaths, QWidget* parent = nullptr,
                            const QString& iconPath = QString());

    void setImages(const QStringList& imagePaths);

    // Also resets the state to normal.
    void setCheckable(bool checkable);

    // State 1 when checked, 0 when not. A button that cannot be checked has no flag to set; only
    // its picture follows, so a window can still mark one as the current choice.
    void setChecked(bool checked);

    // State 3 when disabled; when enabled 1 for a checked checkable button, else 0.
    void setEnabled(bool enabled);

    void setText(const QString& text);
    // The text as drawn: shrunk or, when even the smallest font is too wide, elided (the tooltip
    // then shows it whole).
    FittedText shownText() const;

    // Whether entering shows the hover image.
    void setHoverFeedback(bool on) { m_hoverFeedback = on; }

    // A small numbered badge at the left edge (the button page numbers its labels); 0 hides it.
    void setBadgeNumber(int number);
    int badgeNumber() const { return m_badge; }

    int state() const { return m_state; }
    int imageCount() const { return m_images.size(); }

    QSize sizeHint() const override;

signals:
    void EnterSignal(TarqPushButton* button);
    void OverSignal(TarqPushButton* button, bool bType);

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    // Disabled, checked or normal: the state whenever the pointer is not on the button.
    void showRestingState();
    void setState(int state);
    void pressWithLeftButton();
    void endHoverAfterMenu();
    void paintAlternativeFrame(QPainter& painter) const;
    void paintBadge(QPainter& painter) const;
    QRectF badgeRect() const;
    QRect textArea() const;
    const QPixmap* imageForState() const;

    QVector<QPixmap> m_images;
    QPixmap m_icon;
    bool m_hoverFeedback = true;
    int m_state = Normal;
    bool m_skipNextLeave = false;
    bool m_pressToggled = false;
    int m_badge = 0;
};
