#pragma once
// Automatic reconnection: when the link fails while live polling or a recording runs
// and RECONNECT AUTOMATICALLY is on, the failure is shown as always ("TIMEOUT!" and its
// text in the status box), but the loop is not ended: it asks ResumeAfterLinkLoss,
// which closes the old handle, tries to reopen the port or reconnect to the address
// and check the sensor every 2 s (the first attempt at once), and lets the loop go on
// when the same sensor answers. STOP, the close box, a page change that stops the loop
// and a quit end the attempts at once.

#include "link/link_state.h"
#include "platform/com_devices.h"

struct ReconnectState {
    short enabled;        // RECONNECT AUTOMATICALLY (AUTO RECONNECT in the settings file)
    short linkLost;       // a failure during a loop, not yet followed by attempts
    int attempt;          // number of the current attempt
    double lostAt;        // Timer() when the link was lost
    int outages;          // outages the running loop lived through
    double outageSeconds; // and their total length
    // The sensor and the adapter of the last good connection check: a reconnection goes
    // on only with the same sensor, and finds a USB adapter again under another name.
    char sensorName[kSensorNameLength];
    int serialNumber;
    bool adapterKnown;
    UsbIdentity adapter;
};

extern ReconnectState g_reconnect;

// Takes a link failure over for reconnection: true (after showing it, once per outage)
// when a loop runs that will reconnect, so that the failure must not end it; false
// when the failure is to be handled as always.
bool TakeOverLinkFailure(void);
// Asked by a loop after an exchange failed: true when the link had been lost during
// the loop and is back (the loop goes on); false when the loop must end.
bool ResumeAfterLinkLoss(void);
// Whether the link was lost during the running loop and waits for its reconnection.
bool LinkLostDuringLoop(void);
// A loop that ends while its link is lost (its count reached, a limit) leaves the
// window as a failure of the link does.
void SettleLinkLoss(void);
// The start of a loop: no outages yet.
void StartOutageCount(void);
// "The link was lost N times, S s in total; ..." for a recording's end message; empty
// when the loop lived through no outage.
const char *OutageSummary(void);
// Remembers the sensor and, for a USB adapter, its identity after a good check.
void RememberConnectedSensor(int serialNumber);
// Back to the start state: the option off, nothing remembered.
void ResetReconnectState(void);
