#pragma once
// The connection page: restoring its settings, showing the transport's controls,
// dimming the controls that need a sensor, and the connection attempt.

// SetButtonsDimmed scope: all groups, or all but the memory selectors and SEND/GET.
constexpr int DIM_ALL_GROUPS = 0;
constexpr int DIM_KEEP_TRANSFER = 1;

void GetConnectionSettingsFromFile(void);
void InitConnectPanel(void);
void SetButtonsDimmed(int scope, int dim);
// Dims (1) or undims (0) the Accept, Change baud rate and Hardware info buttons,
// which only a successful connection check brings back.
void SetConnectionButtonsDimmed(int dim);
void TryToConnect(void);
// Takes protocol, COM port, baud-rate index, host and port-number text from the
// connection page into the link state.
void ReadConnectionPageIntoLink(void);
// Appends a text to the connection page's status box.
void AppendStatusText(const char *text);
// The port number of a port-number text: its leading decimal digits, 0 when there
// are none.
int PortNumberFromText(const char *text);
