#pragma once

#include <QColor>
#include <QDialog>
#include <QVector>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLineEdit;
class QSpinBox;
class SVColorArea;
class TarqLabel;
class TarqPushButton;

// The colour dialog of the lighting page. Every control shows one colour, kept as a hue,
// saturation, value triple plus the exact RGB colour last chosen, so a colour that is only looked
// at comes back unchanged. Accepting (OK) leaves the choice in color(); the caller stores it.
class TarqColorArea final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqColorArea)

public:
    explicit TarqColorArea(QWidget* parent = nullptr);

    // Shows colour in every control and emits TarqChangeColor; meant for before the dialog opens.
    void setColor(const QColor& colour);
    QColor color() const { return m_colour; }
    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }

    // Sizes and fonts for the current display scale factor.
    void rescale();
    void retranslate();

    // A hex entry as a colour: pairs RRGGBB; a shorter entry is completed with "0" on the right.
    static QString completedHex(const QString& text);

    HColorArea* hueStrip() const { return m_hueStrip; }
    SVColorArea* saturationValueSquare() const { return m_square; }
    PreviewColorArea* preview() const { return m_preview; }
    const QVector<DefaultColorArea*>& presets() const { return m_presets; }
    QSpinBox* hueBox() const { return m_hueBox; }
    QSpinBox* saturationBox() const { return m_saturationBox; }
    QSpinBox* valueBox() const { return m_valueBox; }
    QSpinBox* redBox() const { return m_redBox; }
    QSpinBox* greenBox() const { return m_greenBox; }
    QSpinBox* blueBox() const { return m_blueBox; }
    QLineEdit* hexEdit() const { return m_hexEdit; }
    TarqPushButton* okButton() const { return m_okButton; }
    TarqPushButton* cancelButton() const { return m_cancelButton; }

signals:
    void TarqChangeColor(const QColor& colour);
    void ApplyColor();

public slots:
    void color_clicked();
    void hValueChangedSlot(int hue);
    void sValueChangedSlot(int saturation);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int red);
    void gValueChangedSlot(int green);
    void bValueChangedSlot(int blue);
    void updateEditData(int hue, int saturation, int value);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSpinBox* makeSpinBox(int maximum);
    void createPresets();
    void wireAreas();
    void layoutControls();
    void applyLook();

    // The handlers below run under the re-entrancy guard, so the controls they set do not answer.
    void showRgb(const QColor& colour, bool rewriteHex);
    void showHsvChange();
    void setHsvBoxes();
    void setRgbBoxes(const QColor& colour);
    void writeHex(const QColor& colour);
    void moveSquarePoint();

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    QColor m_colour = Qt::black;
    bool m_updating = false;

    TarqLabel* m_title;
    HColorArea* m_hueStrip;
    SVColorArea* m_square;
    PreviewColorArea* m_preview;
    QVector<DefaultColorArea*> m_presets;
    QSpinBox* m_hueBox;
    QSpinBox* m_saturationBox;
    QSpinBox* m_valueBox;
    QSpinBox* m_redBox;
    QSpinBox* m_greenBox;
    QSpinBox* m_blueBox;
    QLineEdit* m_hexEdit;
    TarqPushButton* m_okButton;
    TarqPushButton* m_cancelButton;
};
