// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"

namespace {

const char kLockNameSuffix[] = " Wireless Gaming Mouse Mutex1";

} // namespace

QString singleInstanceLockName(const QString& productName)
{
    return productName + QLatin1String(kLockNameSuffix);
}
