#include "app/connection_display.h"

ConnectionDisplay connectionDisplayFor(bool cableCommandPresent, bool receiverCommandPresent, bool charging)
{
    if (cableCommandPresent)
        return receiverCommandPresent ? ConnectionDisplay{ 1, true, false } : ConnectionDisplay{ 0, false, false };
    if (receiverCommandPresent)
        return charging ? ConnectionDisplay{ 1, true, false } : ConnectionDisplay{ 2, true, true };
    return ConnectionDisplay{ 3, false, true };
}
