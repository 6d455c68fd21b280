#pragma once
// The sensor's answers: one handler per command code of the protocol.

#include "link/frame.h"
#include "sim_request.h"
#include "sim_session.h"

#include <vector>

// Answers one verified request of a session.
// Intact requests with this command code received since the start, over every
// transport (the control line "request-count CODE" answers it).
unsigned long long RequestCount(int command);
void HandleRequest(int sessionIndex, const Request &request, double now);
// Answers a request whose header or data CRC was wrong: error reply 2.
void HandleDamagedRequest(int sessionIndex, int command, double now);
// Sends one reply frame through the fault settings. Replies start when the request has
// fully arrived on the (paced) wire.
void SendReply(Session &session, int command, std::vector<unsigned char> frame, double now);
void SendErrorReply(Session &session, int command, unsigned code, double now);
void SendAck(Session &session, int command, unsigned parameter, double now);
