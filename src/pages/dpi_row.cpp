// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/dpi_row.h"

#include "controls/accessibility.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/sliders.h"
#include "controls/theme.h"
#include "log_categories.h"
#include "pages/page_look.h"
#include "storage/profile_record.h"

#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// Design rectangles inside a 456 × 40 row.
constexpr QRect kStageButton(6, 8, 30, 24);
constexpr QRect kEnableBox(44, 11, 18, 18);
constexpr QRect kSlider(70, 0, 200, 27);
constexpr QRect kMinimumLabel(74, 27, 96, 12);
constexpr QRect kMaximumLabel(170, 27, 96, 12);
constexpr QRect kUpperValue(278, 2, 84, 17);
constexpr QRect kLowerValue(278, 21, 84, 17);
constexpr QRect kSingleValue(278, 11, 84, 18);
constexpr QRect kLinkBox(366, 10, 90, 20);
constexpr int kEndLabelFontSize = 9;
constexpr int kEntryFontSize = 11;
constexpr int kHighestDpi = 60000;
constexpr qreal kDimmedOpacity = 0.35;

// The catalogues keep the "%d" of these texts; the number goes where it stands.
QString withNumber(const QString& text, int value)
{
    QString result = text;
    return result.replace(QLatin1String("%d"), QString::number(value));
}

QSpinBox* makeEntry(QWidget* parent)
{
    auto* entry = new QSpinBox(parent);
    entry->setRange(0, kHighestDpi);
    entry->setButtonSymbols(QAbstractSpinBox::NoButtons);
    entry->setAlignment(Qt::AlignCenter);
    entry->setKeyboardTracking(false);
    entry->setStyleSheet(QStringLiteral("QSpinBox{color: rgb(225,225,225); background-color: rgba(0,0,0,0.35);"
                                        "border: 1px solid rgb(62,66,72); border-radius: 2px; padding: 0px}"
                                        "QSpinBox:focus{border-color: %1}")
                             .arg(themeColour().name()));
    return entry;
}

} // namespace

TarqSingleDPI::TarqSingleDPI(quint8 stage, QWidget* parent)
    : QWidget(parent)
    , m_stage(stage)
    , m_stageButton(
          new TarqPushButton({ skinPath(QStringLiteral("dpi_stage1.png")), skinPath(QStringLiteral("dpi_stage3.png")),
                               skinPath(QStringLiteral("dpi_stage2.png")) },
                             this))
    , m_enableBox(new QCheckBox(this))
    , m_slider(new TarqTwoBarSlider(this, 100, 1))
    , m_minLabel(new TarqLabel(this))
    , m_maxLabel(new TarqLabel(this))
    , m_xLabel(new TarqLabel(this))
    , m_yLabel(new TarqLabel(this))
    , m_dpiLabel(new TarqLabel(this))
    , m_xEntry(makeEntry(this))
    , m_yEntry(makeEntry(this))
    , m_linkBox(new QCheckBox(this))
{
    setPageSurface(this);
    m_stageButton->setCheckable(true);
    m_stageButton->setText(QString::number(stage + 1));
    m_stageButton->setFocusPolicy(Qt::StrongFocus);
    styleCheckBox(m_enableBox, CheckLook::Switch);
    styleCheckBox(m_linkBox, CheckLook::Switch);
    m_slider->setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0)"));
    for (TarqLabel* end : { m_minLabel, m_maxLabel })
        end->setFixedFontSize(kEndLabelFontSize);
    keepOffSurface({ m_minLabel, m_maxLabel, m_xLabel, m_yLabel, m_dpiLabel });
    m_maxLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QSlider* bar : { m_slider->firstBar(), m_slider->secondBar(), m_slider->linkedBar() }) {
        bar->setFocusPolicy(Qt::StrongFocus);
        // Screen readers hear the DPI the labels show, not the sensor's steps.
        Accessibility::setShownValue(bar, [this](int step) { return dpiOfStep(step, m_sensor); });
    }

    connect(m_slider, &TarqTwoBarSlider::SliderChangedSignal, this, &TarqSingleDPI::onSliderChanged);
    connect(m_linkBox, &QCheckBox::stateChanged, this, &TarqSingleDPI::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, &TarqSingleDPI::onStateChanged);
    connect(m_xEntry, &QSpinBox::editingFinished, this, &TarqSingleDPI::onEntryFinished);
    connect(m_yEntry, &QSpinBox::editingFinished, this, &TarqSingleDPI::onEntryFinished);
    for (TarqLabel* label : { m_xLabel, m_yLabel, m_dpiLabel, m_minLabel, m_maxLabel })
        connect(label, &TarqLabel::EnterSignal, this, &TarqSingleDPI::slotLabelClick);
    showLinked(false);
    retranslate();
}

void TarqSingleDPI::setSensor(int sensorCode, const SensorStepRange& range)
{
    m_sensor = sensorCode;
    m_range = range;
    m_slider->setRange(range.maximum, range.minimum);
    m_minLabel->setNumber(dpiOfStep(range.minimum, sensorCode));
    m_maxLabel->setNumber(dpiOfStep(range.maximum, sensorCode));
    showLinked(m_slider->isLinked());
    showValues(m_slider->firstValue(), m_slider->secondValue());
}

void TarqSingleDPI::setStage(const DpiStage& stage)
{
    const QSignalBlocker blockLink(m_linkBox);
    const QSignalBlocker blockEnable(m_enableBox);
    m_slider->setValues(int(stage.x), int(stage.y));
    m_slider->setLinked(stage.link != 0);
    m_linkBox->setChecked(stage.link != 0);
    m_enableBox->setChecked(stage.used != 0);
    showUsed(stage.used != 0);
    showLinked(stage.link != 0);
    showValues(int(stage.x), int(stage.y));
}

void TarqSingleDPI::setActive(bool active)
{
    // The active stage stands out with the accent along its left edge.
    const QColor accent = themeColour();
    setStyleSheet(active ? QStringLiteral("TarqSingleDPI{background-color: rgba(%1,%2,%3,0.16);"
                                          "border-left: %4px solid %5}")
                               .arg(accent.red())
                               .arg(accent.green())
                               .arg(accent.blue())
                               .arg(qMax(2, scaled(3)))
                               .arg(accent.name())
                         : QString::fromLatin1(kPageStyle));
}

void TarqSingleDPI::retranslate()
{
    const int stage = m_stage + 1;
    m_linkBox->setText(tr("Link XY"));
    m_linkBox->setAccessibleName(tr("Stage %1 link X and Y").arg(stage));
    m_enableBox->setAccessibleName(tr("Stage %1 enabled").arg(stage));
    m_stageButton->setAccessibleName(tr("Stage %1 active").arg(stage));
    m_slider->firstBar()->setAccessibleName(tr("Stage %1 X resolution").arg(stage));
    m_slider->secondBar()->setAccessibleName(tr("Stage %1 Y resolution").arg(stage));
    m_slider->linkedBar()->setAccessibleName(tr("Stage %1 resolution").arg(stage));
    m_xEntry->setAccessibleName(tr("Stage %1 X DPI").arg(stage));
    m_yEntry->setAccessibleName(tr("Stage %1 Y DPI").arg(stage));
    showLinked(m_slider->isLinked());
    showValues(m_slider->firstValue(), m_slider->secondValue());
}

QList<QWidget*> TarqSingleDPI::focusChain() const
{
    return { m_stageButton, m_enableBox, m_slider->linkedBar(), m_slider->firstBar(), m_slider->secondBar(), m_xEntry,
             m_yEntry,      m_linkBox };
}

void TarqSingleDPI::onSliderChanged(int x, int y)
{
    qCDebug(lcUi, "ix = %d", x);
    showValues(x, y);
    emit DPISignal(x, y, m_stage);
}

void TarqSingleDPI::onStateChanged(int state)
{
    const quint8 on = state == Qt::Checked ? 1 : 0;
    if (sender() == m_linkBox) {
        m_slider->setLinked(on != 0);
        showLinked(on != 0);
        emit LinkSignal(on, m_stage);
        // Linked means one resolution: the Y bar follows X at once, so the mouse gets what the row
        // shows.
        const int x = m_slider->firstBar()->value();
        if (on && m_slider->secondBar()->value() != x) {
            m_slider->setValues(x, x);
            onSliderChanged(x, x);
        }
    } else if (sender() == m_enableBox) {
        showUsed(on != 0);
        emit EnableSignal(on, m_stage);
    }
}

void TarqSingleDPI::slotLabelClick(TarqLabel*)
{
    emit MouseinSignal(m_stage);
}

void TarqSingleDPI::mousePressEvent(QMouseEvent* event)
{
    emit MouseinSignal(m_stage);
    QWidget::mousePressEvent(event);
}

void TarqSingleDPI::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Fonts and indicator sizes follow the scale, which changes only with a new size.
    for (QSpinBox* entry : { m_xEntry, m_yEntry })
        entry->setFont(uiFont(kEntryFontSize));
    for (QCheckBox* box : { m_linkBox, m_enableBox })
        styleCheckBox(box, CheckLook::Switch);
    layoutChildren();
}

void TarqSingleDPI::layoutChildren()
{
    const double factor = displayScaleFactor();
    m_stageButton->setGeometry(scaledRect(kStageButton, factor));
    m_enableBox->setGeometry(scaledRect(kEnableBox, factor));
    m_slider->setGeometry(scaledRect(kSlider, factor));
    m_minLabel->setGeometry(scaledRect(kMinimumLabel, factor));
    m_maxLabel->setGeometry(scaledRect(kMaximumLabel, factor));
    m_xLabel->setGeometry(scaledRect(kUpperValue, factor));
    m_yLabel->setGeometry(scaledRect(kLowerValue, factor));
    m_dpiLabel->setGeometry(scaledRect(kSingleValue, factor));
    const bool linked = m_slider->isLinked();
    m_xEntry->setGeometry(scaledRect(linked ? kSingleValue : kUpperValue, factor));
    m_yEntry->setGeometry(scaledRect(kLowerValue, factor));
    m_linkBox->setGeometry(scaledRect(kLinkBox, factor));
}

void TarqSingleDPI::showLinked(bool linked)
{
    // Linked rows show one resolution; the typed entry replaces the labels where the sensor has one.
    const bool entry = m_range.dpiEntry;
    m_dpiLabel->setVisible(linked && !entry);
    m_xLabel->setVisible(!linked && !entry);
    m_yLabel->setVisible(!linked && !entry);
    m_xEntry->setVisible(entry);
    m_yEntry->setVisible(entry && !linked);
    m_xEntry->setPrefix(linked ? QString() : QStringLiteral("X "));
    m_yEntry->setPrefix(QStringLiteral("Y "));
    m_xEntry->setAccessibleName(linked ? tr("Stage %1 DPI").arg(m_stage + 1) : tr("Stage %1 X DPI").arg(m_stage + 1));
    layoutChildren();
}

void TarqSingleDPI::showUsed(bool used)
{
    m_dimmed = !used;
    for (QWidget* part : std::initializer_list<QWidget*>{ m_slider, m_minLabel, m_maxLabel, m_xLabel, m_yLabel,
                                                          m_dpiLabel, m_xEntry, m_yEntry, m_linkBox }) {
        if (used) {
            part->setGraphicsEffect(nullptr);
            continue;
        }
        auto* dim = new QGraphicsOpacityEffect(part);
        dim->setOpacity(kDimmedOpacity);
        part->setGraphicsEffect(dim);
    }
}

void TarqSingleDPI::showValues(int x, int y)
{
    const int xDpi = dpiOfStep(x, m_sensor);
    const int yDpi = dpiOfStep(y, m_sensor);
    m_xLabel->setText(withNumber(tr("X:%d"), xDpi));
    m_yLabel->setText(withNumber(tr("Y:%d"), yDpi));
    m_dpiLabel->setText(withNumber(tr("DPI : %d"), xDpi));
    const QSignalBlocker blockX(m_xEntry);
    const QSignalBlocker blockY(m_yEntry);
    m_xEntry->setValue(xDpi);
    m_yEntry->setValue(yDpi);
}

void TarqSingleDPI::onEntryFinished()
{
    const bool linked = m_slider->isLinked();
    const int x = nearestStep(m_xEntry->value(), m_sensor, m_range);
    const int y = linked ? x : nearestStep(m_yEntry->value(), m_sensor, m_range);
    if (x == m_slider->firstValue() && y == m_slider->secondValue()) {
        // Still show the DPI of the step kept, not the figure typed.
        showValues(x, y);
        return;
    }
    m_slider->setValues(x, y);
    onSliderChanged(x, y);
}
