// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/app_profile_switcher.h"

namespace {

bool matches(const AppProfileRule& rule, const ActiveWindow& window)
{
    for (const QString* name : { &window.instanceName, &window.className, &window.executableName })
        if (!name->isEmpty() && name->compare(rule.match, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void AppProfileSwitcher::setSettings(const AppProfileSettings& settings)
{
    m_settings = settings;
    m_lastApplication.reset();
}

int AppProfileSwitcher::matchingSlot(const ActiveWindow& window) const
{
    for (const AppProfileRule& rule : m_settings.rules)
        if (matches(rule, window))
            return rule.slot;
    return 0;
}

int AppProfileSwitcher::slotForFocus(const ActiveWindow& window, int activeSlot)
{
    if (!m_settings.enabled)
        return 0;
    if (m_lastApplication && m_lastApplication->sameApplicationAs(window))
        return 0;
    m_lastApplication = window;
    const int matched = matchingSlot(window);
    const int wanted = matched != 0 ? matched : m_settings.defaultSlot;
    return wanted == activeSlot ? 0 : wanted;
}
