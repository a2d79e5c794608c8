// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/sensor_resolution.h"
#include "storage/profile_record.h"

#include <QString>
#include <QStringList>

// The gate in: every record read from a file is made valid for this product and sensor before the
// pages show it or a send takes it. A value inside its range is never changed, so a file the
// program wrote loads exactly as written; a value outside takes the product's default, or the
// nearest valid value where the range is a span. Each repair is described for the user.

// What a record must satisfy, read once from the product description and Config.ini.
struct RecordLimits
{
    int stageCount = kDpiStageCount; // 1..8
    SensorStepRange steps;
    int sleepMinimum = 1;
    int sleepMaximum = 9;
    int productSyncMode = 0;
    ProfileRecord defaults; // makeDefaultProfile
    ConfigRecord factory;   // makeDefaultConfiguration, for the device-wide options
};

RecordLimits currentRecordLimits();

// The steps a stage may take on sensorCode with this product's range choices.
SensorStepRange stepRangeForProduct(int sensorCode);

// Each returns what it repaired, one sentence each ("report rate 231 is not a rate; 1000 Hz used.").
QStringList repairProfileRecord(ProfileRecord& profile, const RecordLimits& limits);
QStringList repairDeviceOptions(ConfigRecord& config, const RecordLimits& limits);

// "FILE: repair" for each repair.
QStringList repairReport(const QString& fileName, const QStringList& repairs);

// The lines of one report as the text of one message box; long reports end with a count of the rest.
QString reportText(const QStringList& lines);
