#pragma once

class VirtualMouse;

// How a simulated run starts, from the environment, for the command line and the window alike:
// MOUSECFG_SIM_PLUG says which links are plugged in ("receiver" by default, "cable", "both",
// "none"); MOUSECFG_SIM_FAULT injects a fault for the whole run ("asleep", "bad-echo": every
// echo comes back with a data byte changed, "write-failure": every write fails).
void applySimEnvironment(VirtualMouse& mouse);
