// The conversion table as a 256-byte image and the conversion data in four blocks,
// to and from the sensor's EEPROM.
#include "convtable/conv_eeprom.h"

#include "app/app_state.h"
#include "app/language.h"
#include "app/status_box.h"
#include "convtable/conv_table.h"
#include "convtable/conv_texts.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>

namespace
{

constexpr unsigned kConvTableWrite = 0;
constexpr unsigned kConvTableRead = 1;
constexpr int kConvTableBytes = kConvCells * 2;
constexpr int kConvBlockBytes = kConvDataBlockValues * 2;
constexpr int kCurveStep = kConvCurvePoints / kConvDataValues;
constexpr double kScaleTop = 4095.0;

int Exchange(int command, unsigned parameter, int dataLength)
{
    g_link.currentCommand = (unsigned char)command;
    FillTxBuf(command, parameter, (unsigned)dataLength);
    return DataExchange(kFrameHeaderSize + dataLength);
}

unsigned BlockAddress(int block)
{
    return kConvDataFirstBlock + 0x100u * (unsigned)block;
}

void ShowProgress(const char *text)
{
    SetCtrlVal(g_app.convPanel, CONVP_PROGRESS, text);
    ProcessSystemEvents();
}

void ShowBlockProgress(int block)
{
    char text[64];
    std::snprintf(text, sizeof text, Tr(kTxtWritingBlock), block + 1, kConvDataBlocks);
    ShowProgress(text);
}

enum BlockWrite {
    BLOCK_WRITTEN,     // prepare and data acknowledged
    BLOCK_NOT_SENT,    // the prepare failed: the block's data never left
    BLOCK_UNCONFIRMED, // the data went out, its acknowledgement did not come back intact
};

BlockWrite WriteConvDataBlock(const short data[kConvDataValues], int block)
{
    unsigned address = BlockAddress(block);
    if (Exchange(ORDER_CONV_DATA_PREPARE, address, 0) != LINK_OK)
        return BLOCK_NOT_SENT;
    unsigned char *payload = RequestPayload();
    for (int i = 0; i < kConvDataBlockValues; ++i)
        PutLe16(payload + 2 * i, (unsigned short)data[block * kConvDataBlockValues + i]);
    return Exchange(ORDER_CONV_DATA_WRITE, address, kConvBlockBytes) == LINK_OK ? BLOCK_WRITTEN
                                                                                : BLOCK_UNCONFIRMED;
}

// Only what is known: the blocks the sensor acknowledged, and whether the block in
// flight was sent (its acknowledgement may be lost although the sensor stored it).
void ReportBlocksWritten(int acknowledged, BlockWrite inFlight)
{
    char text[512];
    char blockText[256];
    std::snprintf(blockText, sizeof blockText,
                  Tr(inFlight == BLOCK_NOT_SENT ? kTxtConvBlockNotSent : kTxtConvBlockUnconfirmed),
                  acknowledged + 1);
    std::snprintf(text, sizeof text, Tr(kTxtConvBlocksAcknowledged), acknowledged, kConvDataBlocks,
                  blockText);
    AppendStatusText(text);
}

} // namespace

// A reply shorter than the image leaves the rest of the table at 0.
int GetConvTableFromEE(void)
{
    if (Exchange(ORDER_CONV_TABLE, kConvTableRead, 0) != LINK_OK)
        return LINK_FAILED;
    unsigned char image[kConvTableBytes] = {0};
    int length = g_link.replyLength < kConvTableBytes ? g_link.replyLength : kConvTableBytes;
    std::memcpy(image, ReplyData(), (size_t)length);
    short cells[kConvCells];
    for (int i = 0; i < kConvCells; ++i)
        cells[i] = (short)GetLe16(image + 2 * i);
    WriteConvTableCells(cells);
    TellLoadedActualValues(cells);
    return LINK_OK;
}

int SaveConvTableToEE(void)
{
    short cells[kConvCells];
    ReadConvTableCells(cells);
    unsigned char *payload = RequestPayload();
    for (int i = 0; i < kConvCells; ++i)
        PutLe16(payload + 2 * i, (unsigned short)cells[i]);
    return Exchange(ORDER_CONV_TABLE, kConvTableWrite, kConvTableBytes);
}

bool ScaleConvData(short data[kConvDataValues])
{
    double max = g_conv.curve[0];
    for (double value : g_conv.curve)
        if (value > max)
            max = value;
    if (!(max > 0.0))
        return false;
    for (int j = 0; j < kConvDataValues; ++j) {
        double scaled = g_conv.curve[kCurveStep * j] * kScaleTop / max;
        // Compared before truncation, so that NaN and values past 16 bits both fail.
        if (!(scaled > -32769.0 && scaled < 32768.0))
            return false;
        data[j] = (short)scaled;
    }
    return true;
}

int SaveConvDataToEE(void)
{
    short data[kConvDataValues];
    if (!ScaleConvData(data))
        return LINK_FAILED;
    int written = 0;
    BlockWrite outcome = BLOCK_WRITTEN;
    while (written < kConvDataBlocks) {
        ShowBlockProgress(written);
        outcome = WriteConvDataBlock(data, written);
        if (outcome != BLOCK_WRITTEN)
            break;
        ++written;
    }
    ShowProgress("");
    if (written == kConvDataBlocks)
        return LINK_OK;
    ReportBlocksWritten(written, outcome);
    return LINK_FAILED;
}
