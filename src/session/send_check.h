// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <QStringList>

// The gate out: before every send, what the mouse could not hold is said. A profile whose sent
// buttons keep no left click is refused (nothing reaches the mouse); macros that have no file,
// would be cut, or would leave a key or button pressed are warned about, and sent as the mouse
// encodes them if the user goes on.

// Shown through TarqMessageBox (translation context "TarqMessageBox").
constexpr const char* kKeepOneClickMessage = "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.";

struct SendCheck
{
    QString profileName; // of the profile the send would take, with a refusal
    bool noLeftClick = false;
    QStringList warnings; // one sentence per macro

    bool refused() const { return noLeftClick; }
    // "NAME: AT LEAST ONE CLICK FUNCTION TO BE RETAINED." in the current language; empty when not refused.
    QString refusalText() const;
    QString warningText() const;
};

// Checks the buttons of config's active profile that the upload sends: slots 0..B-1 and the two
// wheel entries, for the product's button count B.
SendCheck checkBeforeSend(const ConfigRecord& config);
