#pragma once

// The start-up benchmark and the tests that wait for a window set the variable and read the line.
// The line a probed program prints once its main window has painted for the first time,
// followed by the milliseconds since its main() began.
constexpr char kFirstPaintLine[] = "first-paint-ms";
// Set in a program's environment to make the application print that line.
constexpr char kStartupProbeVariable[] = "MOUSECFG_STARTUP_PROBE";
