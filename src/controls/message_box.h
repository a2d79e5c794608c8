// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QVector>

class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;
class DeviceOpenSource;
class TarqTextLabel;

// The program's own modal message box. Kind 1 asks (Yes accepts, No refuses); kinds 2 and 3
// warn and kind 4 reports a missing receiver, each with a single Ok; kind 5 offers three answers
// (accept, the alternative, refuse), named with setChoiceTexts. Texts are passed as source texts
// and translated here. The buttons take the focus, the accept button first: Enter and Return press
// the focused one, Escape refuses, Tab and the arrows move along the row, and a button's first
// letter presses it when no other button of the box starts with it. The box keeps its design size
// unless its text needs more: it widens for a long text and grows taller, up to a limit, and a
// path wraps at its separators.
class TarqMessageBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMessageBox)

public:
    enum Kind { Question = 1, Warning = 2, Information = 3, DongleMissing = 4, Choice = 5 };
    // The result of a Choice box answered with its middle button.
    static constexpr int AlternativeChosen = 2;
    // The result of a box answered with the Retry button of offerRetry().
    static constexpr int RetryChosen = 3;

    // With watchForPlugIn the box accepts itself once parent (a DeviceOpenSource) has opened a
    // device, polled every 100 ms.
    TarqMessageBox(int kind, const QString& title, const QString& heading, const QString& text,
                   QWidget* parent = nullptr, bool watchForPlugIn = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int kind() const { return m_kind; }
    // The three buttons' texts of a Choice box, as source texts.
    void setChoiceTexts(const char* accept, const char* alternative, const char* refuse);
    // Adds a Retry button after Ok (kinds 2 and 3): the box then finishes with RetryChosen.
    void offerRetry();
    bool isClosing() const { return m_closing; }

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The buttons in the order they stand, left to right.
    QVector<QToolButton*> buttonRow() const;
    bool answerKey(const QKeyEvent* event);
    void moveFocus(int step);
    QToolButton* buttonForLetter(int key) const;
    QToolButton* makeButton(const QString& objectName, const QString& imagePath, const QString& text);
    // Sizes the box for its texts and buttons, then places them and redraws the frame.
    void fitToContents();
    QSize neededSize() const;
    void layoutChildren();

    int m_kind;
    QPixmap m_skin;
    QPixmap m_picture;
    QLabel* m_iconLabel = nullptr;
    TarqTextLabel* m_textLabel = nullptr;
    TarqTextLabel* m_headingLabel = nullptr;
    QToolButton* m_acceptButton = nullptr;
    QToolButton* m_refuseButton = nullptr;
    QToolButton* m_alternativeButton = nullptr;
    QToolButton* m_retryButton = nullptr;
    QWidget* m_parent;
    bool m_closing = false;
    QTimer* m_plugInTimer = nullptr;
};
