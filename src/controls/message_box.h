// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QTimer;
class QToolButton;
class DeviceOpenSource;

// The program's own modal message box. Kind 1 asks (Yes accepts, No refuses); kinds 2 and 3
// warn and kind 4 reports a missing receiver, each with a single Ok; kind 5 offers three answers
// (accept, the alternative, refuse), named with setChoiceTexts. Texts are passed as source texts
// and translated here.
class TarqMessageBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMessageBox)

public:
    enum Kind { Question = 1, Warning = 2, Information = 3, DongleMissing = 4, Choice = 5 };
    // The result of a Choice box answered with its middle button.
    static constexpr int AlternativeChosen = 2;

    // With watchForPlugIn the box accepts itself once parent (a DeviceOpenSource) has opened a
    // device, polled every 100 ms.
    TarqMessageBox(int kind, const QString& title, const QString& heading, const QString& text,
                   QWidget* parent = nullptr, bool watchForPlugIn = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int kind() const { return m_kind; }
    // The three buttons' texts of a Choice box, as source texts.
    void setChoiceTexts(const char* accept, const char* alternative, const char* refuse);
    bool isClosing() const { return m_closing; }

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* makeButton(const QString& objectName, const QString& imagePath, const QString& text);
    void fitTextHeight();
    void layoutChildren();

    int m_kind;
    QPixmap m_background;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QLabel* m_headingLabel = nullptr;
    QToolButton* m_acceptButton = nullptr;
    QToolButton* m_refuseButton = nullptr;
    QToolButton* m_alternativeButton = nullptr;
    QWidget* m_parent;
    bool m_closing = false;
    QTimer* m_plugInTimer = nullptr;
};
