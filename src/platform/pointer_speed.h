#pragma once

// The system's pointer speed, 1 (slowest) to 20; 10 is the usual default. Where the system has
// no such setting (no X display) the value is only kept for the next read.

void setSystemPointerSpeed(int speed);
int getSystemPointerSpeed();

// The speed of profile slot of the device image, applied only when an upload filled the image
// and the speed differs from the desktop's: starting the program or a send of nothing must
// leave the desktop's speed alone. Returns whether the speed was changed.
bool applyUploadedPointerSpeed(int slot);

constexpr int kPointerSpeedMinimum = 1;
constexpr int kPointerSpeedMaximum = 20;
constexpr int kPointerSpeedDefault = 10;
