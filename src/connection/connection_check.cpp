// The connection check that ends every connection attempt: firmware text and
// version, sensor name and serial number, then the parameter set.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "connection/firmware_text.h"
#include "connection/reconnect.h"
#include "link/exchange.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/reply_data.h"
#include "params/param_transfer.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
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

// A parameter read that failed at the end of the check leaves the operator a way on:
// the link failure's text is in the status box, and a new attempt can be started.
void KeepConnectionPageUsable()
{
    int page = g_app.mainPages[PAGE_CONNECTION];
    for (int control : {TABCONN_CONNECT, TABCONN_DISCONNECT, TABCONN_BAUDRATE})
        SetCtrlAttribute(page, control, ATTR_DIMMED, 0);
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
    RememberConnectedSensor(g_link.replyParameter);

    g_link.sensorConnected = 1;
    GetPara();
    if (g_link.sensorConnected == 1)
        SetConnectionButtonsDimmed(0);
    else
        KeepConnectionPageUsable();
}

int CheckSensorAgain(void)
{
    if (RequestWithoutData(ORDER_READ_FIRMWARE) != LINK_OK)
        return SENSOR_SILENT;
    TakeFirmwareText();
    FirmwareVersion firmware = ParseFirmwareText(g_link.firmware);
    if (firmware.version != kExpectedFirmware)
        return SENSOR_OTHER;
    if (RequestWithoutData(ORDER_READ_SENSOR_INFO) != LINK_OK)
        return SENSOR_SILENT;
    TakeReplyText(g_link.sensorName, kSensorNameLength);
    if (std::strcmp(g_link.sensorName, g_reconnect.sensorName) != 0 ||
        (int)g_link.replyParameter != g_reconnect.serialNumber)
        return SENSOR_OTHER;
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, firmware.versionText.c_str());
    g_link.sensorConnected = 1;
    return SENSOR_BACK;
}
