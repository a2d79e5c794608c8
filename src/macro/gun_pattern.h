// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/macro_files.h"

#include <QVector>

// A gun file is a macro that fires bullets: each one holds the left button down while the
// pattern's rows pull the pointer, pauses, and lets go.

// The press, the pause and the release each bullet adds around its pattern.
constexpr int kGunRowsPerBullet = 3;
// Longer patterns leave no room for a single bullet in a button's events.
constexpr int kMaxGunPatternRows = 60;
// The pause closing each bullet, in milliseconds.
constexpr int kMinGunDelayMs = 10;
constexpr int kMaxGunDelayMs = 1000;

// For each bullet in order: a left press, every pattern row as it stands, a pause of delayMs in
// whole units (at least one), the left release. No rows for bullets <= 0.
QVector<MacroEvent> gunPatternEvents(int bullets, int delayMs, const QVector<MacroEvent>& pattern, int unit);

// The most bullets of a pattern of that many rows that fit a button's events; 0 when not even one fits.
int maxGunBullets(int patternRows);
