// The four operations of command 100: the parameter selects read, calculate, write
// offset and write factor.
#include "live/offset.h"

#include "app/app_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "live/live_texts.h"
#include "panels/panel_ids.h"
#include "ui/userint.h"

#include <cmath>

namespace
{

enum OffsetOperation { OFFSET_READ = 0, OFFSET_CALCULATE = 1, OFFSET_WRITE = 2, OFFSET_WRITE_FACTOR = 3 };

constexpr int kOffsetPayload = 2;
constexpr int kReadReplyBytes = 4;
constexpr int kCalcReplyBytes = 2;

int OffsetPage()
{
    return g_app.mainPages[PAGE_OFFSET];
}

int OffsetExchange(OffsetOperation operation, int payloadLength)
{
    g_link.currentCommand = ORDER_OFFSET;
    FillTxBuf(ORDER_OFFSET, operation, (unsigned)payloadLength);
    return DataExchange(kFrameHeaderSize + payloadLength);
}

// A reply without the words the operation reads is refused; the fields keep their values.
int TakeReply(int bytesNeeded)
{
    if (g_link.replyLength >= bytesNeeded)
        return LINK_OK;
    AppendStatusText(Tr(kTxtIncompleteOffsetReply));
    return LINK_FAILED;
}

} // namespace

int GetOffset(void)
{
    if (OffsetExchange(OFFSET_READ, 0) != LINK_OK || TakeReply(kReadReplyBytes) != LINK_OK)
        return LINK_FAILED;
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, (int)GetLe16(ReplyData()));
    SetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, GetLe16(ReplyData() + 2) / 10.0);
    return LINK_OK;
}

// The sensor decides how it measures; its result is shown unchecked.
int CalcOffset(void)
{
    if (OffsetExchange(OFFSET_CALCULATE, 0) != LINK_OK || TakeReply(kCalcReplyBytes) != LINK_OK)
        return LINK_FAILED;
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, (int)GetLe16(ReplyData()));
    return LINK_OK;
}

int SendOffset(void)
{
    unsigned short offset = 0;
    GetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, &offset);
    PutLe16(RequestPayload(), offset);
    return OffsetExchange(OFFSET_WRITE, kOffsetPayload);
}

// The factor goes in tenths, cut toward zero; the field's range (0 to 6553.5) keeps it
// within 16 bits. The tiny allowance keeps a factor shown as 2.3 at 23 tenths, where
// the binary product 22.999... would lose one.
int SendSettingTimeFactor(void)
{
    double factor = 0.0;
    GetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, &factor);
    PutLe16(RequestPayload(), (unsigned)std::trunc(factor * 10.0 + 1e-9));
    return OffsetExchange(OFFSET_WRITE_FACTOR, kOffsetPayload);
}
