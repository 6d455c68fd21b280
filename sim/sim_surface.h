#pragma once
// Pure functions of time of the simulated surroundings: the reflectance of the moving
// surface, the two inputs, the temperature and the noise. The seed shifts their phases.

#include <cstdint>

struct SurfacePhases {
    double drift;
    double mark;
    double in0;
    double in1;
    double temperature;
    int darkBase;
    uint64_t noiseKey;
};

SurfacePhases PhasesFromSeed(uint64_t seed);
// 0.35 .. 0.85: a slow drift with a passing mark every 1.7 s.
double SurfaceReflectance(const SurfacePhases &phases, double t);
bool InputIn0(const SurfacePhases &phases, double t);
bool InputIn1(const SurfacePhases &phases, double t);
// Raw temperature digits, warming up after the start.
int SensorTemperature(const SurfacePhases &phases, double t);
// Uniform noise in [-1, 1) for one sensor cycle.
double CycleNoise(const SurfacePhases &phases, long long cycle);
