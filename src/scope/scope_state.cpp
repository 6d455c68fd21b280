#include "scope/scope.h"

ScopeState g_scope;

void ResetScopeState(void)
{
    g_scope = ScopeState{};
}
