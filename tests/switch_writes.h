// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QStringList>

// The slot switch's writes in a virtual-mouse trace: the 0x44 command with the slot and the
// commits that follow it.
inline QStringList switchWrites(const QStringList& trace)
{
    static const QRegularExpression write(QStringLiteral("^W 05 .. fa (44 ..|40 f3 ..)"));
    QStringList found;
    for (const QString& line : trace) {
        const QRegularExpressionMatch match = write.match(line);
        if (match.hasMatch())
            found << match.captured(1);
    }
    return found;
}

// What switching to slot (1..5) writes: the selection and its commit, then every commit.
inline QStringList switchToSlot(int slot)
{
    return { QStringLiteral("44 %1").arg(slot - 1, 2, 16, QLatin1Char('0')),
             QStringLiteral("40 f3 01"),
             QStringLiteral("40 f3 04"),
             QStringLiteral("40 f3 01"),
             QStringLiteral("40 f3 02"),
             QStringLiteral("40 f3 08"),
             QStringLiteral("40 f3 10") };
}
