#pragma once

#include <QByteArray>
#include <QString>

// The stored values the device link reads or sets.

struct UsbIdentities
{
    int receiverVendorId = 0;
    int receiverProductId = 0;
    int cableVendorId = 0;
    int cableProductId = 0;
};

// From the product description.
UsbIdentities productUsbIdentities();

// The product name of the device table's entry ("Mouse_List/0" of Config.ini).
QString mouseListName();

// Sets the pending-upload flag, so the next upload writes every section.
void markFullUploadPending();
