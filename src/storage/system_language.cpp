// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/system_language.h"

#include <QLocale>

namespace {

QString normalised(QString name)
{
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool sameLanguageAndScript(const QLocale& wanted, const QLocale& offered)
{
    return wanted.language() == offered.language() && wanted.script() == offered.script();
}

int firstMatch(const LanguageList& list, const QString& wanted)
{
    for (int i = 0; i < list.offeredCount(); ++i) {
        if (catalogueLocaleName(list, i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    const QLocale wantedLocale(wanted);
    // QLocale reads an unknown name as "C"; such a name must not match a catalogue by accident.
    if (wantedLocale.language() == QLocale::C)
        return -1;
    for (int i = 0; i < list.offeredCount(); ++i) {
        const QString offered = catalogueLocaleName(list, i);
        if (!offered.isEmpty() && sameLanguageAndScript(wantedLocale, QLocale(offered)))
            return i;
    }
    return -1;
}

} // namespace

QString catalogueLocaleName(const LanguageList& list, int index)
{
    if (index < 0 || index >= kMaxLanguages)
        return {};
    const QString& file = list.files[static_cast<size_t>(index)];
    const int separator = file.indexOf(QLatin1Char('_'));
    return separator < 0 ? QString() : file.mid(separator + 1);
}

int languageForUiLanguages(const LanguageList& list, const QStringList& uiLanguages)
{
    for (const QString& wanted : uiLanguages) {
        const int match = firstMatch(list, normalised(wanted));
        if (match >= 0)
            return match;
    }
    return qMax(0, firstMatch(list, QStringLiteral("en")));
}
