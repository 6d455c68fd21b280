#include "link/link_state.h"

LinkState g_link;
