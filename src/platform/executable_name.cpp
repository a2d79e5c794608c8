#include "platform/executable_name.h"

QString executableName(const QString& base)
{
#ifdef Q_OS_WIN
    return base + QStringLiteral(".exe");
#else
    return base;
#endif
}
