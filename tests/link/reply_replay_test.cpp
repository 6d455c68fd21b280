// The fuzz target's seeds and every input that ever stopped it, replayed through the
// same harness (tests/support/link_reply_harness.h) as regular test cases.
#include "link/exchange.h"
#include "link/link_state.h"
#include "support/link_reply_harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

// Seeds named refused_* are replies the program must refuse, seeds named armed_* scope
// scans whose frames stop coming; the other seeds are valid replies it must take.
// Inputs kept from a fuzz run (libFuzzer's crash-, leak-, oom- and timeout- files)
// only have to run through without a broken promise.
TEST(LinkReplyReplay, SeedsAndInputsThatOnceStoppedTheFuzzTarget)
{
    int replayed = 0;
    for (const auto &entry : std::filesystem::directory_iterator(CHROMIX_SOURCE_DIR "/fuzz/corpus/link")) {
        std::string name = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        int result = RunReplyInput(bytes.data(), bytes.size());
        bool kept = name.find("crash-") != std::string::npos || name.find("leak-") != std::string::npos ||
                    name.find("oom-") != std::string::npos || name.find("timeout-") != std::string::npos;
        if (!kept) {
            int expected = StartsWith(name, "refused_") ? LINK_FAILED
                           : StartsWith(name, "armed_") ? kReplyHarnessScanArmed
                                                        : LINK_OK;
            EXPECT_EQ(result, expected) << name;
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 29);
    std::memset(&g_link, 0, sizeof g_link);
}
