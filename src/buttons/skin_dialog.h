// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QToolButton;

// What the button dialogs share: a frameless window drawn from a skin image, a title, and the
// yes and no buttons of the program's message box. Subclasses place their controls in
// contentRect() and pass their texts, translated in their own context.
class TarqSkinDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqSkinDialog)

public:
    // designSize: the dialog's size in design pixels, times the display scale factor.
    TarqSkinDialog(const QString& backgroundImage, const QSize& designSize, QWidget* parent);

    QToolButton* yesButton() const { return m_yesButton; }
    QToolButton* noButton() const { return m_noButton; }

    // Accepts only while the yes button is enabled: a dialog disables it as long as its values are
    // none the mouse can use, and Enter, a double click or a field's Return then accept nothing.
    void accept() override;

protected:
    void setTexts(const QString& title, const QString& yesText, const QString& noText);
    // Below the title and above the buttons, inside the margins.
    QRect contentRect() const;
    QLabel* titleLabel() const { return m_titleLabel; }

    void paintEvent(QPaintEvent* event) override;
    // Enter answers like the default push button of a dialog: the focused button, else yes.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layoutFrame();

    // Where the background's heading line falls as the background stretches with the dialog.
    int headingLineY() const;

    QPixmap m_background;
    int m_backgroundHeight;
    QLabel* m_titleLabel = nullptr;
    QToolButton* m_yesButton = nullptr;
    QToolButton* m_noButton = nullptr;
};
