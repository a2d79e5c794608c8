#pragma once

#include <QColor>
#include <QWidget>

// The pieces of the colour editor. Positions are device pixels of the current scale factor; the
// editor turns them into channel values through the preview.

// Vertical hue strip, hue 0 at the bottom and 360 at the top, with a pointer at the current hue.
class HColorArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(HColorArea)

public:
    explicit HColorArea(QWidget* parent = nullptr);

    // Moves the pointer without emitting anything.
    void setHue(int hue);
    int hue() const { return m_hue; }

signals:
    void hueChangedSignal(int hue);
    void mouseReleasedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(int y);

    int m_hue = 0;
};

// Saturation (left to right) and value (bottom to top) of one hue, with a ring at the chosen point.
class SVColorArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SVColorArea)

public:
    explicit SVColorArea(QWidget* parent = nullptr);

    // Redraws for another hue without emitting anything.
    void setHue(int hue);
    // Moves the ring to pixel saturation x and pixel value y (from the bottom), without emitting.
    void setPoint(int saturationPixels, int valuePixels);
    int saturationPixels() const { return m_x; }
    int valuePixels() const { return m_y; }
    // The widget is one pixel wider than the square so that the right and top edges can be hit.
    int sideLength() const { return qMax(0, width() - 1); }

public slots:
    // The hue strip moved: redraw and report the point under the new hue.
    void hueChangedSlot(int hue);

signals:
    void svChangedSignal(int hue, int saturationPixels, int valuePixels);
    void mouseReleasedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickAt(const QPoint& position);

    int m_hue = 0;
    int m_x = 0;
    int m_y = 0;
};

// Shows the current colour and turns the square's pixel positions into channel values.
class PreviewColorArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(PreviewColorArea)

public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    void setColor(const QColor& colour);
    QColor color() const { return m_colour; }

    // Channel value of a pixel position on the square at scale factor k: 255 past 127·k, else
    // pixels·2/k truncated.
    static int channelFromPixels(int pixels, double factor);

public slots:
    void svChangedSlot(int hue, int saturationPixels, int valuePixels);

signals:
    void svChangedSignal(int hue, int saturation, int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = Qt::black;
};

// A colour swatch that acts as a button: a click, Space or Enter emits ClickedSignal. The editor's
// presets and the lighting page's colour field.
class DefaultColorArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(DefaultColorArea)

public:
    explicit DefaultColorArea(const QColor& colour = Qt::black, QWidget* parent = nullptr);

    void setColor(const QColor& colour);
    QColor color() const { return m_colour; }

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_colour;
    bool m_pressed = false;
};

// 0..359; 360 and above wrap to 0.
int normalisedHue(int hue);
