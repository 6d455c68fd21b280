#include "sim_surface.h"

#include "sim_options.h"

#include <cmath>

namespace
{

constexpr double kTwoPi = 6.283185307179586;
constexpr double kIn0Period = 3.1;
constexpr double kIn0High = 1.2;
constexpr double kIn1Period = 4.7;
constexpr double kIn1High = 2.0;

double MarkPeriod()
{
    return g_options.markPeriodMs / 1000.0;
}

uint64_t SplitMix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double UnitFromBits(uint64_t bits)
{
    return (double)(bits >> 11) * (1.0 / 9007199254740992.0);
}

double SmoothStep(double x)
{
    return x * x * (3.0 - 2.0 * x);
}

// 0 .. 1 .. 0 over one mark period: a 30 ms rise, a plateau and a 30 ms fall.
double MarkShape(double position)
{
    if (position < 0.018)
        return SmoothStep(position / 0.018);
    if (position < 0.40)
        return 1.0;
    if (position < 0.418)
        return SmoothStep((0.418 - position) / 0.018);
    return 0.0;
}

} // namespace

SurfacePhases PhasesFromSeed(uint64_t seed)
{
    uint64_t state = SplitMix(seed);
    SurfacePhases phases;
    phases.drift = 11.0 * UnitFromBits(state = SplitMix(state));
    phases.mark = MarkPeriod() * UnitFromBits(state = SplitMix(state));
    phases.in0 = kIn0Period * UnitFromBits(state = SplitMix(state));
    phases.in1 = kIn1Period * UnitFromBits(state = SplitMix(state));
    phases.temperature = kTwoPi * UnitFromBits(state = SplitMix(state));
    phases.darkBase = 28 + (int)(20.0 * UnitFromBits(state = SplitMix(state)));
    phases.noiseKey = SplitMix(state);
    return phases;
}

double SurfaceReflectance(const SurfacePhases &phases, double t)
{
    double drift = 0.05 * std::sin(kTwoPi * (t + phases.drift) / 11.0);
    double position = std::fmod(t + phases.mark, MarkPeriod()) / MarkPeriod();
    return 0.40 + drift + 0.40 * MarkShape(position);
}

bool InputIn0(const SurfacePhases &phases, double t)
{
    return std::fmod(t + phases.in0, kIn0Period) < kIn0High;
}

bool InputIn1(const SurfacePhases &phases, double t)
{
    return std::fmod(t + phases.in1, kIn1Period) < kIn1High;
}

int SensorTemperature(const SurfacePhases &phases, double t)
{
    double warmUp = 110.0 * (1.0 - std::exp(-t / 300.0));
    double wobble = 4.0 * std::sin(kTwoPi * t / 47.0 + phases.temperature);
    return (int)std::lround(1780.0 + warmUp + wobble);
}

double CycleNoise(const SurfacePhases &phases, long long cycle)
{
    return 2.0 * UnitFromBits(SplitMix(phases.noiseKey ^ (uint64_t)cycle)) - 1.0;
}
