#include "recorder/auto_send.h"

#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_state.h"

void StopAutoSend(void)
{
    g_link.currentCommand = ORDER_AUTO_SEND;
    FillTxBuf(ORDER_AUTO_SEND, kAutoSendStop, 0);
    DataExchange(kFrameHeaderSize);
}
