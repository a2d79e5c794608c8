#include "storage/file_names.h"

#include <algorithm>

bool isValidFileName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".") || trimmed == QLatin1String("..")) {
        return false;
    }
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
               c.category() == QChar::Other_Control;
    });
}
