#pragma once
// Monotonic time of the simulator in seconds. Everything time-driven (signal model,
// pacing, delays, pushed frames) reads this one clock.

double MonotonicSeconds();
