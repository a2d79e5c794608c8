// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/text_fit.h"

#include <QDialog>
#include <QPixmap>
#include <QProgressBar>

class QLabel;
class QMovie;

// Progress bar whose text is drawn with the font of the current language. A bar text, when set,
// replaces the percentage (the battery bar shows "MOUSE OFF" this way); a text too wide for the
// bar is drawn smaller and, past the smallest readable size, elided with a tooltip.
class TarqProcessbar : public QProgressBar
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqProcessbar)

public:
    explicit TarqProcessbar(QWidget* parent = nullptr);

    void setBarText(const QString& text);
    QString barText() const { return m_barText; }

    QString text() const override;
    // What the bar draws, and in which font; empty when it draws no text.
    FittedText shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_barText;
};

// Modal dialog shown while the configuration is sent. Only slotProcessDlg closes it: the user
// must not return to the window while the sending thread still reads the configuration.
class TarqProcessDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqProcessDialog)

public:
    explicit TarqProcessDialog(QWidget* parent = nullptr);

    int progressStep() const { return m_step; }
    QMovie* movie() const { return m_movie; }

public slots:
    void slotProcessDlg();
    void updateProgress();
    // Ignored until slotProcessDlg: Escape and the window manager must not end the wait.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_picture; // drawn at the dialog's size
    QLabel* m_animation;
    QMovie* m_movie;
    int m_step = 0;
    bool m_finished = false;
};
