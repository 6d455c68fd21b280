// libFuzzer target for the reply side of an exchange: arbitrary bytes arrive as the
// sensor's answer to one of the program's requests and go through the real exchange
// code and the command's reply handling (tests/support/link_reply_harness.h). Besides
// "no crash, no sanitizer report" the harness aborts on any broken promise of the
// exchange.

#include "support/link_reply_harness.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RunReplyInput(data, size);
    return 0;
}
