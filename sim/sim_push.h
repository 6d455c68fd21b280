#pragma once
// Frames the sensor sends unasked: auto-send live frames and the scope capture.

// Queues what is due for one session and lowers nextWake to its next due time.
void ServicePushes(int sessionIndex, double now, double &nextWake);
// Auto-send frames queued since the simulator started, over every session.
unsigned long long AutoSendPushCount(void);
