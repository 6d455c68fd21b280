#include "link/link_busy.h"

#include "app/long_operation.h"
#include "link/exchange.h"

bool LinkBusy(void)
{
    return LinkInUse() || AnyLoopActive();
}
