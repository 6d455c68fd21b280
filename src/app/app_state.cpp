#include "app/app_state.h"

AppState g_app;

void ResetAppState(void)
{
    g_app = AppState{};
}
