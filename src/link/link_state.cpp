#include "link/link_state.h"

LinkState g_link;

void ResetLinkState(void)
{
    g_link = LinkState{};
}
