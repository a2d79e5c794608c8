// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <initializer_list>

// Rows "en 1.0" .. "zh_CN 2.0" with the columns language (a catalogue code for ScopedLanguage)
// and factor (the display scale), for controls tested in every language at every scale.
inline void addLanguageAndScaleRows(std::initializer_list<double> factors = { 1.0, 1.5, 2.0 })
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("factor");
    for (const char* language : { "en", "de", "zh_CN" }) {
        for (double factor : factors)
            QTest::addRow("%s %.1f", language, factor) << QString::fromLatin1(language) << factor;
    }
}
