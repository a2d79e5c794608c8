#pragma once

#include <QString>

// The file name of a program shipped next to ours: base, with ".exe" on Windows.
QString executableName(const QString& base);
