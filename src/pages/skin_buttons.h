#pragma once

#include <QStringList>

// Normal, hover and pressed images of the wide text button the tabs, the effect choice and the
// dialog buttons share.
QStringList tabButtonImages();
