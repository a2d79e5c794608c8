#pragma once

#include "storage/profile_record.h"

#include <QtGlobal>

// A configuration with every field set from a seeded generator, strings and colours included,
// so round trips cover every key with values other than the defaults.
ConfigRecord randomConfiguration(quint32 seed);
ProfileRecord randomProfile(quint32 seed);
