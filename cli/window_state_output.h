// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantMap>

// How status and watch print the running window's properties (by their bus names).

// Every property, one "name value" line each; or one JSON object.
QString statusText(const QVariantMap& properties);
QString statusJson(const QVariantMap& properties);

// What a status bar shows, on one line: battery, charging, slot and DPI. The JSON form is
// {"battery":70,"charging":false,"slot":2,"dpi":1600}, battery -1 while unknown.
QString summaryLine(const QVariantMap& properties, bool json);
