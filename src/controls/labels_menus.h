// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/text_fit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <functional>

class QActionGroup;
class QPushButton;

// Label drawn with the font of the current language, left aligned and vertically centred unless
// told otherwise. A left press emits EnterSignal. A single line too long for the label is drawn
// smaller and, past the limit, elided with the whole text as its tooltip.
class TarqLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqLabel)

public:
    explicit TarqLabel(QWidget* parent = nullptr);
    explicit TarqLabel(const QString& text, QWidget* parent = nullptr);

    // Shows value as "%d".
    void setNumber(int value);
    void setText(const QString& text);

    // A positive size replaces the language's font size; reduction is subtracted from it.
    void setFixedFontSize(int pixelSize);
    void setFontSizeReduction(int pixels);

    // The text as drawn; a word-wrapped or multi-line label draws it whole.
    FittedText shownText() const;

signals:
    void EnterSignal(TarqLabel* label);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;

    int m_fixedFontSize = 0;
    int m_fontReduction = 0;
};

// Action whose font follows the current language whenever it is created or renamed.
class TarqAction : public QAction
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqAction)

public:
    explicit TarqAction(QObject* parent = nullptr);
    TarqAction(const QString& text, QObject* parent);

    void setText(const QString& text);
};

// Dark popup menu whose title and entries use the font of the current language. A menu taller
// than its room scrolls, and it opens where it stays on screen (below its button, else above),
// on Wayland too.
class TarqMenu : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMenu)

public:
    explicit TarqMenu(QWidget* parent = nullptr);
    TarqMenu(const QString& title, QWidget* parent);

    void setTitle(const QString& title);

    // An entry that is one of the menu's choices: checkable, one checked at a time, so screen
    // readers hear which one holds.
    void addChoice(QAction* action);
    // Asked each time the menu opens: that entry is checked, active and scrolled into view.
    void setCurrentEntry(std::function<QAction*()> current);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLook();
    void prepareOpening();
    // The button this menu drops from: it is held down while the menu opens.
    QPushButton* openingButton() const;
    void keepOnScreen();

    QActionGroup* m_choices = nullptr;
    std::function<QAction*()> m_current;
    QPointer<QAction> m_opening;
};

// Line edit that reports losing the focus, where editing is committed.
class TarqLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqLineEdit)

public:
    explicit TarqLineEdit(QWidget* parent = nullptr);

signals:
    void tarqLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
