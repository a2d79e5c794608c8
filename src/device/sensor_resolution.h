#pragma once

// What a resolution step means for each sensor ("MouseSenSor/1" of Config.ini): the dots per inch
// every display of a resolution shows, and the steps a stage may take. Resolutions are stored and
// sent as steps; only people see DPI.

// Dots per inch of step on sensorCode; 0 for a sensor without a table.
int dpiOfStep(int step, int sensorCode);

// Product settings that choose between a sensor's two ranges.
struct SensorRangeOptions
{
    bool highRange = false;     // "PROFILE/33254": 16000 DPI for 3325 and 33252
    bool wideRange3327 = false; // "PROFILE/3327Max": steps 1..106 for 3327
};

struct SensorStepRange
{
    int minimum = 1;
    int maximum = 1;
    // Whether the DPI page offers typing the resolution in DPI for this sensor.
    bool dpiEntry = false;
};

// The steps a stage may take; a sensor without a table gets 1..100 so stored steps stay visible.
SensorStepRange sensorStepRange(int sensorCode, const SensorRangeOptions& options = {});

// The step in range whose DPI is nearest to dpi; between two equally near steps the lower wins.
int nearestStep(int dpi, int sensorCode, const SensorStepRange& range);
