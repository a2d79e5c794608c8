#pragma once

// How the window shows the ways the mouse is connected: which battery frame, whether the
// receiver icon and the battery bar are shown.
struct ConnectionDisplay
{
    // 0 cable only, 1 receiver with cable or charging, 2 receiver on battery, 3 nothing present.
    int mode = 3;
    bool receiverIcon = false;
    bool batteryBar = true;
    // The frame with the plug (modes 0 and 1), else the plain one.
    bool cableFrame() const { return mode == 0 || mode == 1; }
};

ConnectionDisplay connectionDisplayFor(bool cableCommandPresent, bool receiverCommandPresent, bool charging);
