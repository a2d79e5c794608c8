#pragma once

#include "storage/macro_files.h"

#include <QMetaType>
#include <QtTest>

Q_DECLARE_METATYPE(MacroEvent)

// Failed comparisons of macro rows print their bytes: kind, high, low.
namespace QTest {
template<>
inline char* toString(const MacroEvent& event)
{
    return qstrdup(QByteArray::number(event.kind) + ' ' + QByteArray::number(event.dataH) + ' ' +
                   QByteArray::number(event.dataL));
}
} // namespace QTest
