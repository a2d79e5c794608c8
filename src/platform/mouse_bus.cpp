// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mouse_bus.h"

#include <array>
#include <utility>

namespace MouseBus {
namespace {

const std::array<std::pair<Error, const char*>, 5> kErrorNames = { {
    { Error::NoMouse, "org.mousecfg.Error.NoMouse" },
    { Error::MouseOff, "org.mousecfg.Error.MouseOff" },
    { Error::Failed, "org.mousecfg.Error.Failed" },
    { Error::BadFile, "org.mousecfg.Error.BadFile" },
    { Error::Busy, "org.mousecfg.Error.Busy" },
} };

} // namespace

QString errorName(Error error)
{
    for (const auto& [known, name] : kErrorNames)
        if (known == error)
            return QLatin1String(name);
    return QString();
}

Error errorOfName(const QString& name)
{
    for (const auto& [known, knownName] : kErrorNames)
        if (name == QLatin1String(knownName))
            return known;
    // A bus failure (no reply, a service that went away) is a failure like any other.
    return name.isEmpty() ? Error::None : Error::Failed;
}

} // namespace MouseBus
