#include "params/param_form.h"

#include "params/param_controls.h"
#include "params/parameter_set.h"

void GetPanelValues(void)
{
    for (int field = 0; field < kParameterCount; ++field)
        ReadParaField(field);
}

void SetPanelValues(void)
{
    for (int field = 0; field < kParameterCount; ++field)
        ShowParaField(field);
}

// The order matters: each step reads the controls again, so it sees the corrections
// of the steps before it (OPERATING MODE is checked against POWER MODE before a LED
// MODE OFF forces POWER MODE to STATIC).
void InitPanelCtrlAttr(void)
{
    InitOperatingMode();
    InitGain();
    InitDigOutmode();
    InitAnaOutmode();
    InitPowerMode();
    InitThresholdMode();
    InitThresholdTracing();
    InitExtTeach();
}
