#pragma once
// The question every callback asks before it starts a transfer, a read, a scan or any
// other operation with the sensor.

// True while an exchange or a wait for pushed frames is under way, or while a long
// operation is active (also one asked to stop that has not returned yet, whose
// exchange under way finishes first). A request that arrives then is refused, or
// queued where the running loop serves it (SEND and GET during live polling).
bool LinkBusy(void);
