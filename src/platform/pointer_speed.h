#pragma once

// The system's pointer speed, 1 (slowest) to 20; 10 is the usual default. Where the system has
// no such setting (no X display) the value is only kept for the next read.

void setSystemPointerSpeed(int speed);
// The speed of the active profile of the device image: what the mouse was last sent.
void setSystemPointerSpeed();
int getSystemPointerSpeed();

constexpr int kPointerSpeedMinimum = 1;
constexpr int kPointerSpeedMaximum = 20;
constexpr int kPointerSpeedDefault = 10;
