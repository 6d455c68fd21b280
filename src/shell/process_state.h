#pragma once
// Every process-global record of the program back to its state before start-up. The
// program runs it before it loads its panels, and the tests between two programs in
// one process, so that no record (histories, scope samples, the conversion table,
// the recorder) carries over. A module with a record of its own adds its reset here.
void ResetProcessState(void);
