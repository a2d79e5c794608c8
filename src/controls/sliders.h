#pragma once

#include <QPointer>
#include <QSlider>
#include <QWidget>

class TarqLabel;

// Horizontal value slider drawn in the accent colour, with a value tip that follows the handle
// while it is held. MouseChange tells that the user let go.
class TarqSlider : public QSlider
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqSlider)

public:
    explicit TarqSlider(QWidget* parent = nullptr);
    explicit TarqSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~TarqSlider() override;

    TarqLabel* valueTip() const { return m_tip; }

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void placeTip();
    int trackLength() const;
    QRect handleRect() const;

    // The tip lives on the parent so it can stand above the slider's own rectangle; the slider
    // still owns it.
    QPointer<TarqLabel> m_tip;
};

// Two bars (first and second value, X and Y of a DPI stage) or, in linked mode, one bar that sets
// both. SliderChangedSignal reports both values whenever the user moves a bar.
class TarqTwoBarSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqTwoBarSlider)

public:
    TarqTwoBarSlider(QWidget* parent, int maximum, int minimum);

    void setRange(int maximum, int minimum);
    void setValues(int first, int second);
    void setLinked(bool linked);

    bool isLinked() const { return m_linked; }
    int firstValue() const;
    int secondValue() const;

    QSlider* firstBar() const { return m_first; }
    QSlider* secondBar() const { return m_second; }
    QSlider* linkedBar() const { return m_linkedBar; }

signals:
    void SliderChangedSignal(int first, int second);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSlider* makeBar();
    void layoutBars();
    void onBarMoved(const QSlider* bar);

    QSlider* m_first;
    QSlider* m_second;
    QSlider* m_linkedBar;
    bool m_linked = false;
};
