#pragma once
// The simulator's one event loop: transports, control channel, pushed frames and
// paced output, all in a single thread around poll(2).

struct LoopSources {
    int stopFd;    // readable when SIGTERM/SIGINT arrived
    int controlFd; // stdin, -1 when closed
    int listenFd;  // TCP server, -1 without TCP
};

// Runs until the stop descriptor becomes readable.
void RunEventLoop(LoopSources sources);
