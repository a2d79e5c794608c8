// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

// The window the desktop says is in front, as the application profiles need it.
struct ActiveWindow
{
    quint64 id = 0;         // the desktop's window id; 0 when no window is active
    QString instanceName;   // X: the instance part of WM_CLASS
    QString className;      // X: the class part of WM_CLASS
    QString executableName; // base name of its process's executable; empty when unknown

    // Windows of one application share all three names.
    bool sameApplicationAs(const ActiveWindow& other) const
    {
        return instanceName == other.instanceName && className == other.className &&
               executableName == other.executableName;
    }
};

Q_DECLARE_METATYPE(ActiveWindow)
