#pragma once
// The offset compensation page's instruction text is not in the panel resource; it is
// set in the current language at start-up and on every language change.

void ShowOffsetInstruction(void);
