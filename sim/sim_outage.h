#pragma once
// The sensor going away and coming back, as with a pulled cable, a sensor restart or a
// USB adapter unplugged and plugged in again: the clients are dropped, the TCP server
// and the pseudo-terminal (with its link) are closed, nothing is answered; after the
// outage the server listens on the same port again and a new pseudo-terminal gets the
// link (or the outage link). "chromix-sim: gone" is printed when it goes away; the
// transport lines and "chromix-sim: back" when it is back.

// False (nothing changes) while an outage is under way.
bool StartOutage(double seconds, double now);
bool OutageUnderWay();
// An outage that starts by itself at startAt (the command line's --outage-after).
void ScheduleOutage(double startAt, double seconds);
// Starts a scheduled outage or ends the current one when due; lowers nextWake to the
// next such moment.
void ServiceOutage(double now, double &nextWake);
