// The hardware block as hexadecimal text.
#include "hwinfo/hwinfo_block.h"

#include "link/frame.h"
#include "link/link_state.h"

#include <cstdio>

void FormatHardwareText(const unsigned char block[kHardwareBlockBytes], char *text)
{
    for (int word = 0; word < kHardwareBlockBytes / 2; ++word)
        std::snprintf(text + 4 * word, 5, "%04x", (unsigned)GetLe16(block + 2 * word));
    text[kHardwareTextLength] = '\0';
}

bool TakeHardwareText(char *text)
{
    if (g_link.replyLength < kHardwareBlockBytes)
        return false;
    FormatHardwareText(ReplyData(), text);
    return true;
}
