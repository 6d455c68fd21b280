// The connection check that ends every connection attempt: firmware text and
// version, sensor name and serial number, then the parameter set.
#include "app/app_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/firmware_text.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "panels/panel_ids.h"
#include "params/param_transfer.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

// The check's two requests carry no data and are built straight into the send buffer.
int RequestWithoutData(int command)
{
    g_link.currentCommand = (unsigned char)command;
    BuildFrameHeader(g_link.sendBuffer, command, 0, nullptr, 0);
    return DataExchange(kFrameHeaderSize);
}

// Copies at most `size - 1` reply bytes into a zeroed field, so a short reply leaves
// zeros and a long one is cut with its terminator inside the field.
void TakeReplyText(char *field, int size)
{
    std::memset(field, 0, (size_t)size);
    int length = g_link.replyLength < size - 1 ? g_link.replyLength : size - 1;
    std::memcpy(field, ReplyData(), (size_t)length);
}

void TakeFirmwareText()
{
    TakeReplyText(g_link.firmware, kFirmwareLength + 1);
    SetCtrlAttribute(g_app.dataPanel, DATAP_SENSOR, ATTR_TOOLTIP_TEXT, g_link.firmware);
}

void ReportFirmwareMismatch(const FirmwareVersion &firmware)
{
    std::string message =
        std::string(Tr(kTxtFirmwareMismatch)) + firmware.version + "\n\n" + Tr(kTxtCouldNotConnect);
    OfferCloseOrOffline(message.c_str());
}

void ShowVersionText(const FirmwareVersion &firmware)
{
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, firmware.versionText.c_str());
    AppendStatusText(firmware.versionText.c_str());
}

void ShowSensorInfo()
{
    char line[kSensorNameLength + 32];
    std::snprintf(line, sizeof line, "\n%s%s", kTxtSensorLabel, g_link.sensorName);
    AppendStatusText(line);
    std::snprintf(line, sizeof line, "\n%s%i", Tr(kTxtSerialNumberLabel), (int)g_link.replyParameter);
    AppendStatusText(line);
    AppendStatusText("\n\n");
}

} // namespace

void CheckComLine(void)
{
    if (RequestWithoutData(ORDER_READ_FIRMWARE) != LINK_OK) {
        OfferCloseOrOffline(Tr(kTxtCouldNotConnect));
        return;
    }
    TakeFirmwareText();
    FirmwareVersion firmware = ParseFirmwareText(g_link.firmware);
    if (firmware.version != kExpectedFirmware) {
        ReportFirmwareMismatch(firmware);
        return;
    }
    ShowVersionText(firmware);

    if (RequestWithoutData(ORDER_READ_SENSOR_INFO) != LINK_OK) {
        OfferCloseOrOffline(Tr(kTxtCouldNotConnect));
        return;
    }
    TakeReplyText(g_link.sensorName, kSensorNameLength);
    ShowSensorInfo();

    g_link.sensorConnected = 1;
    GetPara();
    if (g_link.sensorConnected == 1)
        SetConnectionButtonsDimmed(0);
}
