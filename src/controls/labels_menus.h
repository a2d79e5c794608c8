#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

// Label drawn with the font of the current language, left aligned and vertically centred unless
// told otherwise. A left press emits EnterSignal.
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

signals:
    void EnterSignal(TarqLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
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

// Dark popup menu whose title and entries use the font of the current language.
class TarqMenu : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMenu)

public:
    explicit TarqMenu(QWidget* parent = nullptr);
    TarqMenu(const QString& title, QWidget* parent);

    void setTitle(const QString& title);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLook();
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
