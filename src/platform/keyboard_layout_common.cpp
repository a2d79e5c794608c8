#include "platform/keyboard_layout.h"

#include <QList>

bool isFrenchKeyboardLayout()
{
    return isFrenchLayoutName(keyboardLayoutName());
}

bool isFrenchLayoutName(const QString& layoutName)
{
    return layoutName.trimmed().startsWith(QLatin1String("fr"));
}

QString layoutFromXkbRulesNames(const QByteArray& property)
{
    const QList<QByteArray> fields = property.split('\0');
    constexpr int kLayoutField = 2;
    return fields.size() > kLayoutField ? QString::fromLatin1(fields.at(kLayoutField)) : QString();
}
