#include "live/auto_send.h"

#include "link/exchange.h"
#include "link/frame.h"
#include "link/link_state.h"

namespace
{

constexpr unsigned kAutoSendStop = 0;
constexpr unsigned kAutoSendStart = 1;

int ExchangeAutoSend(unsigned parameter)
{
    g_link.currentCommand = ORDER_AUTO_SEND;
    FillTxBuf(ORDER_AUTO_SEND, parameter, 0);
    return DataExchange(kFrameHeaderSize);
}

} // namespace

int StartAutoSend(void)
{
    return ExchangeAutoSend(kAutoSendStart);
}

void StopAutoSend(void)
{
    ExchangeAutoSend(kAutoSendStop);
}
