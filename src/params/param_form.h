#pragma once
// The parameter form (the two parameter pages) and its dependency rules.

void GetPanelValues(void);    // form -> ParameterSet
void SetPanelValues(void);    // ParameterSet -> form
void InitPanelCtrlAttr(void); // the rule chain, steps 1 to 8

void InitOperatingMode(void);
void InitGain(void);
void InitDigOutmode(void);
void InitAnaOutmode(void);
void InitPowerMode(void);
void InitThresholdMode(void);
void InitThresholdTracing(void);
void InitExtTeach(void);
