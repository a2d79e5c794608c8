// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/tool_tip_look.h"

#include "controls/theme.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace {

QString rgb(const QColor& colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// The rule this module added to the application's style sheet, so that another install replaces it.
QString& installedRule()
{
    static QString rule;
    return rule;
}

} // namespace

void ToolTipLook::install()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application)
        return;
    QPalette palette = QToolTip::palette();
    for (const QPalette::ColorRole role : { QPalette::ToolTipBase, QPalette::Window })
        palette.setColor(role, QColor(Palette::Surface));
    for (const QPalette::ColorRole role : { QPalette::ToolTipText, QPalette::WindowText })
        palette.setColor(role, QColor(Palette::Text));
    QToolTip::setPalette(palette);

    // The palette alone leaves the frame to the desktop's style; the rule also reaches tooltips of
    // widgets that carry a style sheet of their own.
    const QString rule = QStringLiteral("QToolTip{background-color:%1;color:%2;border:1px solid %3;padding:2px;}")
                             .arg(rgb(QColor(Palette::Surface)), rgb(QColor(Palette::Text)), rgb(themeColour()));
    QString sheet = application->styleSheet();
    if (!installedRule().isEmpty())
        sheet.remove(installedRule());
    installedRule() = rule;
    application->setStyleSheet(sheet + rule);
}
