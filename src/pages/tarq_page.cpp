// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/tarq_page.h"

void TarqPage::retranslate() {}

void TarqPage::showDpiStage(int) {}

void TarqPage::showReportRate(int) {}

void TarqPage::showLightMode(quint8) {}

void TarqPage::setFrontView(bool) {}

void TarqPage::selectButton(int, int) {}

bool TarqPage::findButton(const TarqPushButton*, int&, int&) const
{
    return false;
}

bool TarqPage::settleUnsavedEdits()
{
    return true;
}
