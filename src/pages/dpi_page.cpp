// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/dpi_page.h"

#include "controls/display_scale.h"
#include "controls/push_button.h"
#include "log_categories.h"
#include "pages/dpi_row.h"
#include "pages/page_look.h"
#include "session/record_gate.h"
#include "storage/product_description.h"

#include <QButtonGroup>

namespace {

constexpr int kRowLeft = 0;
constexpr int kRowTop = 2;
constexpr int kRowWidth = 456;
constexpr int kRowHeight = 40;
constexpr int kRowPitch = 42;

} // namespace

TarqDPIWindow::TarqDPIWindow(QWidget* parent)
    : TarqPage(parent)
    , m_rowsFrame(new QWidget(this))
    , m_group(new QButtonGroup(this))
{
    // The performance page overlaps the lower part of this rectangle, so only the rows get the
    // page surface.
    setAttribute(Qt::WA_TranslucentBackground);
    m_group->setExclusive(true);
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto* row = new TarqSingleDPI(quint8(i), m_rowsFrame);
        m_rows[size_t(i)] = row;
        m_group->addButton(row->stageButton(), i);
        connect(row, &TarqSingleDPI::DPISignal, this, &TarqDPIWindow::onSliderChanged);
        connect(row, &TarqSingleDPI::LinkSignal, this, &TarqDPIWindow::onLinkChanged);
        connect(row, &TarqSingleDPI::EnableSignal, this, &TarqDPIWindow::onEnableChanged);
        connect(row, &TarqSingleDPI::MouseinSignal, this, &TarqDPIWindow::MouseinSignal);
    }
    connect(m_group, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &TarqDPIWindow::onRadioChanged);
    setAccessibleName(tr("DPI stages"));
    updateTabOrder();
}

void TarqDPIWindow::setSensor(int sensorCode)
{
    m_sensor = sensorCode;
    const SensorStepRange range = stepRangeForProduct(sensorCode);
    for (TarqSingleDPI* row : m_rows)
        row->setSensor(sensorCode, range);
    for (int i = 0; i < kDpiStageCount; ++i)
        showStage(i);
}

void TarqDPIWindow::setStageCount(int count)
{
    m_stageCount = count >= 1 && count <= kDpiStageCount ? count : kDpiStageCount;
    layoutRows();
}

void TarqDPIWindow::setActiveStage(int stage)
{
    m_profile->dpi = quint8(stage);
    for (int i = 0; i < kDpiStageCount; ++i)
        m_rows[size_t(i)]->setActive(i == stage);
    if (stage >= 0 && stage < kDpiStageCount)
        m_rows[size_t(stage)]->stageButton()->setChecked(true);
}

void TarqDPIWindow::showProfile(ProfileRecord& profile, ConfigRecord&, int dpiStageCount)
{
    m_profile = &profile;
    for (int i = 0; i < kDpiStageCount; ++i)
        showStage(i);
    setActiveStage(profile.dpi);
    setStageCount(dpiStageCount);
}

void TarqDPIWindow::showStage(int stage)
{
    m_rows[size_t(stage)]->setStage(m_profile->dpiStages[size_t(stage)]);
}

void TarqDPIWindow::retranslate()
{
    setAccessibleName(tr("DPI stages"));
    for (TarqSingleDPI* row : m_rows)
        row->retranslate();
}

void TarqDPIWindow::showDpiStage(int stage)
{
    if (stage >= 0 && stage < kDpiStageCount)
        setActiveStage(stage);
}

void TarqDPIWindow::onRadioChanged()
{
    const int checked = m_group->checkedId();
    if (checked < 0)
        return;
    // The mouse skips a disabled stage: choosing one to be active means using it.
    DpiStage& chosen = m_profile->dpiStages[size_t(checked)];
    if (!chosen.used) {
        chosen.used = 1;
        showStage(checked);
    }
    setActiveStage(checked);
    qCDebug(lcUi, "m_profile->dpi = %d", m_profile->dpi);
}

void TarqDPIWindow::onSliderChanged(int x, int y, quint8 stage)
{
    if (stage >= kDpiStageCount)
        return;
    m_profile->dpiStages[stage].x = quint32(x);
    m_profile->dpiStages[stage].y = quint32(y);
}

void TarqDPIWindow::onLinkChanged(quint8 link, quint8 stage)
{
    if (stage < kDpiStageCount)
        m_profile->dpiStages[stage].link = link;
}

void TarqDPIWindow::onEnableChanged(quint8 enabled, quint8 stage)
{
    if (stage >= kDpiStageCount)
        return;
    m_profile->dpiStages[stage].used = enabled;
    if (enabled || stage != m_profile->dpi)
        return;
    const int nearest = nearestEnabledStage(stage);
    if (nearest < 0) {
        // The mouse needs one stage to be in: the last enabled one stays so.
        m_profile->dpiStages[stage].used = 1;
        showStage(stage);
        return;
    }
    setActiveStage(nearest);
}

int TarqDPIWindow::nearestEnabledStage(int stage) const
{
    for (int distance = 1; distance < m_stageCount; ++distance) {
        for (const int candidate : { stage + distance, stage - distance }) {
            if (candidate >= 0 && candidate < m_stageCount && m_profile->dpiStages[size_t(candidate)].used)
                return candidate;
        }
    }
    return -1;
}

void TarqDPIWindow::onStateChanged(int) {}

void TarqDPIWindow::slotLabelClick(TarqLabel*) {}

void TarqDPIWindow::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    layoutRows();
}

void TarqDPIWindow::layoutRows()
{
    const double factor = displayScaleFactor();
    for (int i = 0; i < kDpiStageCount; ++i) {
        TarqSingleDPI* row = m_rows[size_t(i)];
        row->setGeometry(scaledRect(QRect(kRowLeft, kRowTop + kRowPitch * i, kRowWidth, kRowHeight), factor));
        row->setVisible(i < m_stageCount);
    }
    const int bottom = kRowTop + kRowPitch * (m_stageCount - 1) + kRowHeight;
    m_rowsFrame->setGeometry(scaledRect(QRect(0, 0, kRowWidth, bottom), factor));
}

void TarqDPIWindow::updateTabOrder()
{
    QWidget* previous = nullptr;
    for (const TarqSingleDPI* row : m_rows) {
        for (QWidget* next : row->focusChain()) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    }
}
