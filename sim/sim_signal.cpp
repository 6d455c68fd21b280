#include "sim_signal.h"

#include "sim_options.h"
#include "sim_scope.h"
#include "sim_sensor.h"
#include "sim_surface.h"
#include "sim_thresholds.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{

constexpr int kAverageRing = 1024;             // above the largest AVERAGE
constexpr long long kMaxCatchUpCycles = 20000; // two seconds of sensor time
constexpr double kLightScale = 1600.0;
constexpr double kDynamicStep = 0.25; // power units per cycle while regulating
constexpr double kGainStages[9] = {1.0, 1.0, 1.414, 2.0, 2.828, 4.0, 5.657, 8.0, 11.314};

enum { LED_DC = 0, LED_AC = 1, LED_OFF = 2 };
enum { POWER_STATIC = 0, POWER_DYNAMIC = 1, POWER_STATIC_IN1 = 2 };
enum { OP_NORMAL = 0, OP_DIFFERENTIATOR = 1, OP_DELTA_CH0 = 2 };
enum { TEACH_OFF, TEACH_DIRECT, TEACH_DYN, TEACH_MAX, TEACH_MIN, TEACH_MEAN };

struct SignalModel {
    SurfacePhases phases;
    double startTime;
    long long cycle; // last cycle computed
    int temperature;
    int averageRing[kAverageRing];
    int averagePosition;
    int averageCount; // values in averageSum
    long averageSum;  // sum of the last averageCount values
    double highPassLow;
    double dynamicPower;
    bool in0, in1;
    int ch0, sig;
    int ref[2];
    int traceUp[2], traceDown[2];
    bool active[2];
    bool out[2];
    long long lastOutChange[2];
    int teachMax, teachMin;
    int maxValue, minValue;
    int analogOut;
    long long countMarkCycle;
    double countMarkTime;
};

SignalModel g_model;

unsigned short Param(int field)
{
    return g_sensor.ram[field];
}

int Clamp12(double value)
{
    return (int)std::clamp(value, 0.0, 4095.0);
}

double GainFactor(bool in0, bool in1)
{
    int gain = Param(PF_GAIN);
    int inputs = (in0 ? 1 : 0) | (in1 ? 2 : 0);
    int stage = gain;
    if (gain == 9)
        stage = 1 + inputs;
    else if (gain == 10)
        stage = 5 + inputs;
    else if (gain == 11)
        stage = 1 + 2 * inputs;
    else if (gain >= 12)
        stage = 2 + 2 * inputs;
    return kGainStages[std::clamp(stage, 1, 8)];
}

double TransmitterPower(bool in1)
{
    if (Param(PF_LED_MODE) == LED_OFF)
        return 0.0;
    switch (Param(PF_POWER_MODE)) {
    case POWER_DYNAMIC:
        return g_model.dynamicPower;
    case POWER_STATIC_IN1:
        return in1 ? Param(PF_POWER) : 0.0;
    default:
        return Param(PF_POWER);
    }
}

int DarkSignal()
{
    return g_model.phases.darkBase + (g_model.temperature - 1780) / 25;
}

// Raw receiver value of one cycle with the receiver offset compensated.
int ReceiverValue(double t, long long cycle)
{
    double gain = GainFactor(g_model.in0, g_model.in1);
    double light =
        SurfaceReflectance(g_model.phases, t) * TransmitterPower(g_model.in1) / 1000.0 * gain * kLightScale;
    if (Param(PF_LED_MODE) == LED_DC)
        light += 5.0 * gain; // ambient light, rejected only by the modulated (AC) receiver
    double noise = CycleNoise(g_model.phases, cycle) * (2.0 + 0.004 * light);
    int raw = Clamp12(DarkSignal() + light + noise);
    return std::max(raw - (int)g_sensor.receiverOffset, 0);
}

int RingValue(int age)
{
    return g_model.averageRing[(g_model.averagePosition - age + kAverageRing) % kAverageRing];
}

// Moving average over the last AVERAGE values, kept as a running sum.
int AveragedCh0(int value)
{
    int count = std::clamp<int>(Param(PF_AVERAGE), 1, kAverageRing - 1);
    g_model.averagePosition = (g_model.averagePosition + 1) % kAverageRing;
    g_model.averageRing[g_model.averagePosition] = value;
    if (count != g_model.averageCount) {
        g_model.averageCount = count;
        g_model.averageSum = 0;
        for (int age = 0; age < count; ++age)
            g_model.averageSum += RingValue(age);
    } else {
        g_model.averageSum += value - RingValue(count);
    }
    return (int)(g_model.averageSum / count);
}

int EvaluationSignal(int ch0)
{
    int channel = ch0;
    if (Param(PF_ADJ_CHANNEL_OFFSET) == 1)
        channel = std::max(ch0 - (int)Param(PF_CH0_OFFSET), 0);
    switch (Param(PF_OPERATING_MODE)) {
    case OP_DIFFERENTIATOR:
        g_model.highPassLow += (channel - g_model.highPassLow) / 32.0;
        return Clamp12(2048.0 + (channel - g_model.highPassLow) * (1 + Param(PF_SENSITIVITY)));
    case OP_DELTA_CH0:
        return Clamp12(channel - (int)Param(PF_REF_VALUE_CH0) + 2048);
    default:
        return Clamp12(channel);
    }
}

void SetTaughtReference(int value)
{
    g_sensor.ram[PF_TEACH_VALUE_1_SIG] = (unsigned short)value;
    g_sensor.ram[PF_TEACH_VALUE_2_SIG] = (unsigned short)value;
    g_model.ref[0] = g_model.ref[1] = value;
}

// EXTERN TEACH through IN0: the reference is taught on the edges of IN0.
void RunExternTeach(bool in0Rose, bool in0Fell)
{
    int mode = Param(PF_EXTERN_TEACH);
    if (mode == TEACH_OFF)
        return;
    if (in0Rose) {
        g_model.teachMax = g_model.teachMin = g_model.sig;
        if (mode == TEACH_DIRECT || mode == TEACH_DYN)
            SetTaughtReference(g_model.sig);
    }
    if (g_model.in0) {
        g_model.teachMax = std::max(g_model.teachMax, g_model.sig);
        g_model.teachMin = std::min(g_model.teachMin, g_model.sig);
    }
    if (in0Fell && mode == TEACH_MAX)
        SetTaughtReference(g_model.teachMax);
    if (in0Fell && mode == TEACH_MIN)
        SetTaughtReference(g_model.teachMin);
    if (in0Fell && mode == TEACH_MEAN)
        SetTaughtReference((g_model.teachMax + g_model.teachMin) / 2);
}

// THRESHOLD TRACING: REF follows SIG by one digit every TT UP / TT DOWN cycles.
void TraceReference(int index)
{
    int tracing = Param(PF_THRESHOLD_TRACING);
    int &ref = g_model.ref[index];
    if (tracing == 0) {
        ref = Param(index == 0 ? PF_TEACH_VALUE_1_SIG : PF_TEACH_VALUE_2_SIG);
        return;
    }
    if (tracing == 1 && !g_model.active[index])
        return;
    if (g_model.sig > ref && ++g_model.traceUp[index] >= std::max<int>(Param(PF_TT_UP), 1)) {
        ++ref;
        g_model.traceUp[index] = 0;
    } else if (g_model.sig < ref && ++g_model.traceDown[index] >= std::max<int>(Param(PF_TT_DOWN), 1)) {
        --ref;
        g_model.traceDown[index] = 0;
    }
}

ThresholdLines LinesOf(int index)
{
    int base = index == 0 ? PF_THRESHOLD_CALC_1 : PF_THRESHOLD_CALC_2;
    return ComputeThresholdLines(g_model.ref[index], Param(base), Param(base + 2), Param(base + 3));
}

bool DesiredOutput(int index, bool raw, bool in1Rose, bool in1Fell)
{
    switch (Param(PF_DIGITAL_OUTMODE)) {
    case 1:
        return raw;
    case 2:
        return !raw;
    case 3:
        return in1Rose ? raw : g_model.out[index];
    case 4:
        return in1Rose ? !raw : g_model.out[index];
    case 5:
        return in1Fell ? raw : g_model.out[index];
    case 6:
        return in1Fell ? !raw : g_model.out[index];
    default:
        return false;
    }
}

// Outputs: threshold 1 drives OUT0; OUT1 is its complement, or threshold 2 in 2 TRSH.
// HOLD keeps every change for at least HOLD cycles (0.1 ms each).
void SwitchOutputs(bool in1Rose, bool in1Fell)
{
    int mode = Param(PF_THRESHOLD_MODE);
    for (int i = 0; i < 2; ++i)
        g_model.active[i] = EvaluateThreshold(g_model.active[i], g_model.sig, LinesOf(i), mode);
    bool raw[2] = {g_model.active[0], mode == TM_TWO_THRESHOLDS ? g_model.active[1] : !g_model.active[0]};
    for (int i = 0; i < 2; ++i) {
        bool desired = DesiredOutput(i, raw[i], in1Rose, in1Fell);
        if (desired != g_model.out[i] && g_model.cycle - g_model.lastOutChange[i] >= Param(PF_HOLD)) {
            g_model.out[i] = desired;
            g_model.lastOutChange[i] = g_model.cycle;
        }
    }
}

// MAX/MIN: extremes of SIG while IN0 is high, kept while it is low.
void TrackExtremes(bool in0Rose)
{
    if (in0Rose)
        g_model.maxValue = g_model.minValue = g_model.sig;
    if (g_model.in0) {
        g_model.maxValue = std::max(g_model.maxValue, g_model.sig);
        g_model.minValue = std::min(g_model.minValue, g_model.sig);
    }
}

int AnalogValue()
{
    int sig = g_model.sig;
    switch (Param(PF_ANALOG_RANGE)) {
    case 1:
        if (g_model.maxValue <= g_model.minValue)
            return sig;
        return Clamp12((double)(sig - g_model.minValue) * 4095.0 / (g_model.maxValue - g_model.minValue));
    case 2:
        if (g_model.maxValue <= 0)
            return sig;
        return Clamp12((double)sig * 4095.0 / g_model.maxValue);
    case 3:
        return Clamp12(g_sensor.convData[(sig >> 2) & 1023]);
    default:
        return sig;
    }
}

void UpdateAnalogOutput(bool in1Rose, bool in1Fell)
{
    int timing = Param(PF_ANALOG_OUT);
    if (Param(PF_ANALOG_OUTMODE) == 0)
        g_model.analogOut = 0;
    else if (timing == 0 || (timing == 1 && in1Rose) || (timing == 2 && in1Fell))
        g_model.analogOut = AnalogValue();
}

// POWER MODE DYNAMIC regulates the transmitter so that CH0 stays within DYNWIN LO..HI.
void RegulatePower()
{
    if (Param(PF_POWER_MODE) != POWER_DYNAMIC) {
        g_model.dynamicPower = Param(PF_POWER);
        return;
    }
    if (g_model.ch0 > Param(PF_DYNWIN_HI))
        g_model.dynamicPower -= kDynamicStep;
    else if (g_model.ch0 < Param(PF_DYNWIN_LO))
        g_model.dynamicPower += kDynamicStep;
    g_model.dynamicPower = std::clamp(g_model.dynamicPower, 0.0, 1000.0);
}

unsigned short DigitalStates()
{
    unsigned bits = 0;
    bits |= g_model.out[0] ? kScopeBitOut0 : 0;
    bits |= g_model.out[1] ? kScopeBitOut1 : 0;
    bits |= g_model.in0 ? kScopeBitIn0 : 0;
    bits |= g_model.in1 ? kScopeBitIn1 : 0;
    return (unsigned short)bits;
}

void RunCycle(long long cycle)
{
    double t = (double)cycle * kSensorCycleSeconds;
    g_model.cycle = cycle;
    bool in0 = InputIn0(g_model.phases, t);
    bool in1 = InputIn1(g_model.phases, t);
    bool in0Rose = in0 && !g_model.in0, in0Fell = !in0 && g_model.in0;
    bool in1Rose = in1 && !g_model.in1, in1Fell = !in1 && g_model.in1;
    g_model.in0 = in0;
    g_model.in1 = in1;
    g_model.ch0 = AveragedCh0(ReceiverValue(t, cycle));
    g_model.sig = EvaluationSignal(g_model.ch0);
    RunExternTeach(in0Rose, in0Fell);
    TrackExtremes(in0Rose);
    TraceReference(0);
    TraceReference(1);
    SwitchOutputs(in1Rose, in1Fell);
    UpdateAnalogOutput(in1Rose, in1Fell);
    RegulatePower();
    FeedScope(CycleSample{(unsigned short)g_model.ch0, (unsigned short)g_model.sig, DigitalStates()});
}

long long CycleAt(double now)
{
    return (long long)std::floor((now - g_model.startTime) / kSensorCycleSeconds);
}

// Frame n of the known sequence, counted over every live frame the simulator built
// with the sequence on: a test knows each value without knowing the time.
void BuildSequenceFrame(unsigned char frame[kLiveFrameBytes])
{
    static unsigned long long framesBuilt = 0;
    unsigned n = (unsigned)(framesBuilt++ % 1000);
    std::memset(frame, 0, kLiveFrameBytes);
    PutLe16(frame + 0, 1000 + n);
    PutLe16(frame + 2, 3000 - n);
    PutLe16(frame + 4, Param(PF_TEACH_VALUE_1_SIG));
    PutLe16(frame + 6, Param(PF_TEACH_VALUE_2_SIG));
    PutLe16(frame + 8, 1780 + n % 100);
    PutLe16(frame + 10, Param(PF_REF_VALUE_CH0));
    PutLe16(frame + 12, n % 4);
    frame[14] = (unsigned char)(n % 4);
    PutLe16(frame + 20, n);
}

} // namespace

void InitSignalModel(uint64_t seed, double now)
{
    g_model = SignalModel();
    g_model.phases = PhasesFromSeed(seed);
    g_model.startTime = now;
    g_model.cycle = -1;
    g_model.temperature = SensorTemperature(g_model.phases, 0.0);
    g_model.countMarkCycle = 0;
    g_model.countMarkTime = now;
    RestartSignalReferences();
    AdvanceSignalModel(now);
}

void AdvanceSignalModel(double now)
{
    long long target = CycleAt(now);
    if (target <= g_model.cycle)
        return;
    g_model.temperature = SensorTemperature(g_model.phases, now - g_model.startTime);
    long long first = std::max(g_model.cycle + 1, target - kMaxCatchUpCycles);
    for (long long cycle = first; cycle <= target; ++cycle)
        RunCycle(cycle);
}

void RestartSignalReferences()
{
    g_model.ref[0] = Param(PF_TEACH_VALUE_1_SIG);
    g_model.ref[1] = Param(PF_TEACH_VALUE_2_SIG);
    g_model.dynamicPower = Param(PF_POWER);
}

void BuildLiveFrame(unsigned char frame[kLiveFrameBytes])
{
    if (g_options.liveSequence) {
        BuildSequenceFrame(frame);
        return;
    }
    PutLe16(frame + 0, (unsigned)g_model.ch0);
    PutLe16(frame + 2, (unsigned)g_model.sig);
    PutLe16(frame + 4, (unsigned)g_model.ref[0]);
    PutLe16(frame + 6, (unsigned)g_model.ref[1]);
    PutLe16(frame + 8, (unsigned)g_model.temperature);
    PutLe16(frame + 10, Param(PF_REF_VALUE_CH0));
    PutLe16(frame + 12, (g_model.out[0] ? 1u : 0u) | (g_model.out[1] ? 2u : 0u));
    frame[14] = (unsigned char)((g_model.in0 ? 1 : 0) | (g_model.in1 ? 2 : 0));
    frame[15] = 0;
    PutLe16(frame + 16, (unsigned)g_model.maxValue);
    PutLe16(frame + 18, (unsigned)g_model.minValue);
    PutLe16(frame + 20, (unsigned)g_model.analogOut);
}

unsigned short MeasureDarkSignal()
{
    double sum = 0.0;
    const int samples = 64;
    for (int i = 0; i < samples; ++i)
        sum += DarkSignal() + 2.0 * CycleNoise(g_model.phases, g_model.cycle - i);
    return (unsigned short)std::max(0L, std::lround(sum / samples));
}

void TakeCycleCounts(double now, int &scans, int &elapsedTenthMs)
{
    long long cycle = CycleAt(now);
    long long cycles = cycle - g_model.countMarkCycle;
    double elapsed = std::round((now - g_model.countMarkTime) * 10000.0);
    scans = (int)std::min<long long>(cycles, 0x7FFFFFFF);
    elapsedTenthMs = (int)std::min(elapsed, 2147483647.0);
    g_model.countMarkCycle = cycle;
    g_model.countMarkTime = now;
}
