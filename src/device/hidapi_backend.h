#pragma once

#include "device/hid_backend.h"

// The real library: hidapi through its hidraw backend.
HidBackend& hidapiBackend();
