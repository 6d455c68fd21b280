// The four operations of command 100: the parameter selects read, calculate, write
// offset and write factor.
#include "offset/offset.h"

#include "app/app_state.h"
#include "app/status_box.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "offset/offset_reply.h"
#include "offset/offset_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cmath>

namespace
{

constexpr int kOffsetPayload = 2;

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
int RefuseIncompleteReply()
{
    AppendStatusText(Tr(kTxtIncompleteOffsetReply));
    return LINK_FAILED;
}

} // namespace

int GetOffset(void)
{
    if (OffsetExchange(OFFSET_READ, 0) != LINK_OK)
        return LINK_FAILED;
    OffsetWords words{};
    if (!TakeOffsetReadReply(words))
        return RefuseIncompleteReply();
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, (int)words.offset);
    SetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, words.factorTenths / 10.0);
    return LINK_OK;
}

// The sensor decides how it measures; its result is shown unchecked.
int CalcOffset(void)
{
    if (OffsetExchange(OFFSET_CALCULATE, 0) != LINK_OK)
        return LINK_FAILED;
    OffsetWords words{};
    if (!TakeOffsetCalculateReply(words))
        return RefuseIncompleteReply();
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, (int)words.offset);
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
