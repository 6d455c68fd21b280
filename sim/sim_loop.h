#pragma once
// The simulator's one event loop: transports, control channel, pushed frames and
// paced output, all in a single thread around poll(2).

struct LoopSources {
    int stopFd;    // readable when SIGTERM/SIGINT arrived
    int controlFd; // stdin, -1 when closed
};

// Runs until the stop descriptor becomes readable. The TCP server is the one of
// g_transports, closed and opened again by outages.
void RunEventLoop(LoopSources sources);
