// SPDX-License-Identifier: GPL-3.0-or-later
// The window for keyboard and pointer alike: the order Tab walks and the looks of the hot-spots.
#include "app/mousecfg_widget.h"
#include "buttons/button_page.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "macro/macro_dialog.h"
#include "pages/dpi_page.h"
#include "pages/lighting_page.h"
#include "pages/performance_page.h"
#include "pages/report_rate_page.h"
#include "pages/tarq_page.h"

#include <QLabel>
#include <QScrollArea>

namespace {

bool takesTabFocus(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !widget->focusProxy();
}

// The container and what it holds, in the order the container's own focus chain gives them.
void appendInFocusOrder(QList<QWidget*>& order, QWidget* container)
{
    if (!container || !container->isVisible())
        return;
    if (takesTabFocus(container))
        order << container;
    for (QWidget* widget = container->nextInFocusChain(); widget && widget != container;
         widget = widget->nextInFocusChain()) {
        if (container->isAncestorOf(widget) && takesTabFocus(widget) && !order.contains(widget))
            order << widget;
    }
}

} // namespace

QList<QWidget*> MousecfgWidget::keyboardOrder() const
{
    QList<QWidget*> order;
    const QList<QWidget*> header{ m_applicationsButton, m_mouseSelector, m_languageButton, m_minimiseButton,
                                  m_closeButton };
    QList<QWidget*> containers = header;
    for (TarqPushButton* tab : m_tabs)
        containers << tab;
    for (TarqPushButton* slot : m_slotButtons)
        containers << slot;
    containers << m_profileLabel << m_nameEdit << m_profileMenuButton << m_addButton << m_copyButton << m_deleteButton
               << m_resetButton << m_exportButton << m_importButton;
    // The page, as it reads: the view switches, the picture's hot-spots, then the page's controls.
    containers << m_frontButton << m_sideButton;
    for (const auto* spots : { &m_frontSpots, &m_sideSpots })
        for (TarqPushButton* spot : *spots)
            containers << spot;
    for (TarqPushButton* spot : m_extraSpots)
        containers << spot;
    containers << m_buttonPage << m_lightingPage << m_dpiPage << m_ratePage << m_performancePage << m_macroPage;
    containers << m_firmwareButton << m_loadButton << m_saveButton << m_resetAllButton << m_okButton << m_cancelButton
               << m_applyButton;
    for (QWidget* container : containers)
        appendInFocusOrder(order, container);
    return order;
}

bool MousecfgWidget::focusNextPrevChild(bool next)
{
    const QList<QWidget*> order = keyboardOrder();
    if (order.isEmpty())
        return QWidget::focusNextPrevChild(next);
    QWidget* current = focusWidget();
    int index = order.indexOf(current);
    // Focus inside a control (a cell editor, say) moves on from that control.
    for (int i = 0; index < 0 && current && i < order.size(); ++i) {
        if (order.at(i)->isAncestorOf(current))
            index = i;
    }
    if (index < 0)
        index = next ? -1 : 0;
    const int count = order.size();
    const int target = ((next ? index + 1 : index - 1) % count + count) % count;
    order.at(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

TarqPushButton* MousecfgWidget::spotOf(int row, int index) const
{
    if (row == 0 && index >= 0 && index < kHotSpotCount)
        return m_frontSpots[size_t(index)];
    if (row == 1 && index >= 0 && index < kHotSpotCount)
        return m_sideSpots[size_t(index)];
    if (row == 2 && index >= 0 && index < int(m_extraSpots.size()))
        return m_extraSpots[size_t(index)];
    return nullptr;
}

void MousecfgWidget::slotMouseOver(TarqPushButton* btn, bool bType)
{
    // A label of the button page stands for the hot-spot of its button.
    int row = 0;
    int index = -1;
    TarqPushButton* spot = nullptr;
    if (m_buttonPage && m_buttonPage->findButton(btn, row, index))
        spot = spotOf(row, index);
    else
        for (int i = 0; i < kHotSpotCount; ++i)
            if (m_frontSpots[size_t(i)] == btn || m_sideSpots[size_t(i)] == btn ||
                (i < 2 && m_extraSpots[size_t(i)] == btn))
                spot = btn;
    if (!spot)
        return;
    if (bType)
        m_hoveredSpot = spot;
    else if (m_hoveredSpot == spot)
        m_hoveredSpot = nullptr;
    showSpotLooks();
}

void MousecfgWidget::showSpotLooks()
{
    // Lit (unchecked) are the selected hot-spot and the one the pointer or a label points at.
    const TarqPushButton* selected = spotOf(m_selectedRow, m_selectedButton);
    int hoveredPicture = -1;
    for (const auto* spots : { &m_frontSpots, &m_sideSpots }) {
        for (int i = 0; i < kHotSpotCount; ++i) {
            TarqPushButton* spot = (*spots)[size_t(i)];
            spot->setChecked(spot != selected && spot != m_hoveredSpot);
            if (spot == m_hoveredSpot)
                hoveredPicture = i;
        }
    }
    for (TarqPushButton* spot : m_extraSpots)
        spot->setChecked(spot != selected && spot != m_hoveredSpot);
    // Pictures are loaded with the product images; hovering only swaps them.
    if (hoveredPicture >= 0 && hoveredPicture < int(m_hoverPictures.size()) &&
        !m_hoverPictures[size_t(hoveredPicture)].isNull())
        m_frontImage->setPixmap(m_hoverPictures[size_t(hoveredPicture)]);
    else
        m_frontImage->setPixmap(m_frontPicture);
}

void MousecfgWidget::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    m_selectedRow = iType;
    m_selectedButton = iBtn;
    showSpotLooks();
    m_buttonPage->selectButton(iType, iBtn);
}
