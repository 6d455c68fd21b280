// Main tab page 0: transport, serial port or server, connection buttons, sensor
// identification, language and the status text box.
//
// The RS-232 controls (COM PORT, FIND COM PORTS, BAUDRATE, CHANGE BAUDRATE) and the
// TCP/IP controls (IP ADDRESS, PORT NUMBER) share the rows under PROTOCOL; only the
// selected transport's set is visible, RS-232 at first.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kInterfaceTop = 4;
constexpr int kInterfaceRows = 3;
constexpr int kLinkTop = NextGroupTop(kInterfaceTop, kInterfaceRows);
constexpr int kLinkRows = 3;
constexpr int kSettingsTop = NextGroupTop(kLinkTop, kLinkRows);
constexpr int kSettingsRows = 2;
constexpr int kStatusTop = NextGroupTop(kSettingsTop, kSettingsRows) + kLabelHeight;
constexpr int kStatusHeight = kMainPageHeight - kStatusTop;

const std::vector<std::pair<std::string, int>> kProtocolItems = {{"RS-232", 0}, {"TCP/IP", 1}};

const std::vector<std::pair<std::string, int>> kBaudrateItems = {
    {"9600", 0},   {"19200", 1},  {"38400", 2},  {"57600", 3},
    {"115200", 4}, {"230400", 5}, {"460800", 6}, {"921600", 7},
};

const std::vector<std::pair<std::string, int>> kLanguageItems = {{"Deutsch", 0}, {"English", 1}};

void AddInterfaceGroup(std::vector<CtrlDef> &c)
{
    const int t = kInterfaceTop;
    AddGroup(c, DECO_CONN_INTERFACE, HEAD_CONN_INTERFACE, "INTERFACE", t, kFrameLeft1, kFrameFullWidth,
             kInterfaceRows);
    c.push_back(Ring(TABCONN_PROTOCOL, "PROTOCOL", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditCommunicationProtocol, kProtocolItems)
                    .Initial(0));
    c.push_back(
        Numeric(TABCONN_COMPORT, "COM PORT", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditSelectComPort)
            .Range(1, 255)
            .Initial(1));
    c.push_back(CommandButton(TABCONN_FINDPORTS, "FIND COM PORTS", ButtonTop(t, 1), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonFindComPorts));
    c.push_back(Ring(TABCONN_BAUDRATE, "BAUDRATE", FieldTop(t, 2), kColumn1, kColumnWidth,
                     CBF_EditSelectBaudrate, kBaudrateItems)
                    .Initial(4));
    c.push_back(CommandButton(TABCONN_CHANGEBAUD, "CHANGE BAUDRATE", ButtonTop(t, 2), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonChangeBaudrate));
    // Start-up turns the address field into an address box with a drop-down history
    // in the same place; the full width leaves room for its button.
    c.push_back(
        String(TABCONN_IPADDRESS, "IP ADDRESS", FieldTop(t, 1), kColumn1, kWideWidth, CBF_StringIpAdress)
            .MaxLength(255)
            .Hidden());
    c.push_back(String(TABCONN_PORTNUMBER, "PORT NUMBER", FieldTop(t, 2), kColumn1, kColumnWidth,
                       CBF_StringPortNumber)
                    .Text("5000")
                    .MaxLength(31)
                    .Hidden());
}

void AddLinkGroup(std::vector<CtrlDef> &c)
{
    const int t = kLinkTop;
    AddGroup(c, DECO_CONN_LINK, HEAD_CONN_LINK, "CONNECTION", t, kFrameLeft1, kFrameFullWidth, kLinkRows);
    c.push_back(CommandButton(TABCONN_CONNECT, "CONNECT", ButtonTop(t, 0), kColumn1, kColumnWidth,
                              kButtonHeight, CBF_ButtonTryToConnect));
    c.push_back(CommandButton(TABCONN_DISCONNECT, "DISCONNECT", ButtonTop(t, 0), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonDisconnect));
    c.push_back(CommandButton(TABCONN_ACCEPT, "ACCEPT", ButtonTop(t, 1), kColumn1, kColumnWidth,
                              kButtonHeight, CBF_ButtonAccept));
    c.push_back(CommandButton(TABCONN_HWINFO, "HARDWARE INFO", ButtonTop(t, 1), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonGenHwInfoFile));
    c.push_back(CheckBox(TABCONN_AUTORECONNECT, "RECONNECT AUTOMATICALLY", ButtonTop(t, 2), kColumn1,
                         kWideWidth, CBF_CheckAutoReconnect));
}

void AddSettingsGroup(std::vector<CtrlDef> &c)
{
    const int t = kSettingsTop;
    AddGroup(c, DECO_CONN_SETTINGS, HEAD_CONN_SETTINGS, "SETTINGS", t, kFrameLeft1, kFrameFullWidth,
             kSettingsRows);
    c.push_back(String(TABCONN_SENSORID, "SENSOR ID", FieldTop(t, 0), kColumn1, kWideWidth, CBF_EditID)
                    .MaxLength(99));
    c.push_back(Ring(TABCONN_LANGUAGE, "LANGUAGE", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditLanguage,
                     kLanguageItems)
                    .Initial(1));
}

} // namespace

// Connecting, going offline and changing the baud rate need the link free; CHANGE
// BAUDRATE and HARDWARE INFO also a sensor that passed its connection check.
const DimEntry kConnectionPageDimsEntries[] = {
    {TABCONN_CONNECT, DIM_NEEDS_LINK | DIM_OFFLINE_USABLE},
    {TABCONN_DISCONNECT, DIM_NEEDS_LINK},
    {TABCONN_BAUDRATE, DIM_NEEDS_LINK | DIM_OFFLINE_USABLE},
    {TABCONN_CHANGEBAUD, DIM_UNTIL_CHECKED | DIM_CONNECTION_CHECK},
    {TABCONN_HWINFO, DIM_UNTIL_CHECKED | DIM_CONNECTION_CHECK},
    {TABCONN_ACCEPT, DIM_CONNECTION_CHECK},
};

DimTable ConnectionPageDims()
{
    return DimTable{PAGE_CONNECTION, kConnectionPageDimsEntries, 6};
}

PageDef ConnectionPageDef()
{
    PageDef page;
    page.label = "Link";
    AddInterfaceGroup(page.controls);
    AddLinkGroup(page.controls);
    AddSettingsGroup(page.controls);
    // Every text set into the status box is appended; the operator only reads it.
    page.controls.push_back(
        TextBox(TABCONN_STATUS, "STATUS", kStatusTop, kFrameLeft1, kFrameFullWidth, kStatusHeight, nullptr)
            .Name("status")
            .Indicator());
    return page;
}
