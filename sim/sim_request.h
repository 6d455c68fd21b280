#pragma once
// Assembling requests from the bytes a client sends: partial requests wait for their
// remaining bytes, garbage before a sync byte is skipped, and damaged frames are
// recognised so that the sensor can answer them with a communication error.

#include <vector>

// The sensor's receive buffer: a request announcing more data cannot be taken in.
constexpr int kMaxRequestData = 2040;

enum RequestOutcome {
    RO_NONE,       // no complete request yet
    RO_REQUEST,    // a verified request
    RO_BAD_HEADER, // header CRC wrong or length beyond the receive buffer
    RO_BAD_DATA,   // data CRC wrong
};

struct Request {
    int command;
    unsigned parameter;
    std::vector<unsigned char> data;
};

// Takes the next request out of input (consumed bytes are removed). For RO_BAD_HEADER
// every buffered byte is discarded, since the rest of that frame cannot be told from
// the start of the next one; command then holds the damaged header's command byte.
RequestOutcome TakeRequest(std::vector<unsigned char> &input, Request &request);
