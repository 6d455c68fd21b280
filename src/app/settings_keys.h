#pragma once
// Sections and keys of the panel settings file, shared by the shell and the
// connection page.

constexpr const char *kSecGeneral = "GENERAL INFO";
constexpr const char *kSecPosition = "PANEL POSITION";
constexpr const char *kSecDirectories = "DIRECTORIES";
constexpr const char *kSecAddresses = "IP ADDRESSES";
constexpr const char *kSecCommunication = "COMMUNICATION SETTINGS";
constexpr const char *kSecRecorder = "RECORDER";

constexpr const char *kKeyFileType = "FILE TYPE:";
constexpr const char *kKeyScopeVersion = "SCOPE VERSION:";
constexpr const char *kKeyPanelId = "PANEL ID:";
constexpr const char *kKeyLanguage = "LANGUAGE";
constexpr const char *kKeyFullscreen = "MAINPANEL FULLSCREEN";
constexpr const char *kKeyLeft = "MAINPANEL LEFT";
constexpr const char *kKeyTop = "MAINPANEL TOP";
constexpr const char *kKeyWidth = "MAINPANEL WIDTH";
constexpr const char *kKeyHeight = "MAINPANEL HEIGHT";
constexpr const char *kKeyParameterFile = "PARAMETER FILE";
constexpr const char *kKeyRecorderFile = "RECORDER FILE";
constexpr const char *kKeyHardwareFile = "HARDWARE INI FILE";
constexpr const char *kKeyConvTableFile = "CONVERSION TABLE FILE";
constexpr const char *kKeyListItems = "LIST ITEMS";
constexpr const char *kKeyAddressPrefix = "IP ADDR ";
constexpr const char *kKeyProtocol = "COMPROTOCOL";
constexpr const char *kKeyComPort = "COMPORT";
constexpr const char *kKeyBaudrate = "BAUDRATE";
constexpr const char *kKeyIpAddress = "IP ADRESS";
constexpr const char *kKeyPortNumber = "PORT NUMBER";
constexpr const char *kKeyAutoReconnect = "AUTO RECONNECT";
constexpr const char *kKeySplitHours = "SPLIT HOURS";

constexpr const char *kPanelSettingsType = "Panel Settings";
constexpr const char *kScopeVersion = "CHROMIX1 Scope V3.1";
constexpr const char *kDefaultPortText = "5000";
constexpr int kMaxAddressHistory = 10;

constexpr const char *kDefaultParameterFile = "Parameter.ini";
constexpr const char *kDefaultRecorderFile = "RecordFile.dat";
constexpr const char *kDefaultHardwareFile = "HardwareInitialFile.ini";
constexpr const char *kDefaultConvTableFile = "ConversionTableFile.ini";
