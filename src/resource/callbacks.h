#pragma once
// Every callback that the panel resource binds, declared by its type (ui/userint.h):
// control callbacks take (panel, control, event, callbackData, eventData1, eventData2),
// panel callbacks (panel, event, callbackData, eventData1, eventData2); all return 0.
// The folder in brackets defines them.

#include "ui/userint.h"

// Panels (shell: CBF_MAINP; language and password: CBF_PASSWORDP; the others do nothing)
PanelCallback CBF_CONVP;
PanelCallback CBF_DATAP;
PanelCallback CBF_GRAPHP;
PanelCallback CBF_MAINP;
PanelCallback CBF_PASSWORDP;
PanelCallback CBF_SCOPEP;

// Main panel (shell, params, live)
CtrlCallback CBF_TabMain1;
CtrlCallback CBF_ButtonSend;
CtrlCallback CBF_ButtonGet;
CtrlCallback CBF_ButtonSelectMem;
CtrlCallback CBF_ButtonGo;
CtrlCallback CBF_ButtonStop;

// Connection page (link; CBF_EditLanguage: shell)
CtrlCallback CBF_EditCommunicationProtocol;
CtrlCallback CBF_ButtonFindComPorts;
CtrlCallback CBF_CheckAutoReconnect;
CtrlCallback CBF_EditSelectComPort;
CtrlCallback CBF_EditSelectBaudrate;
CtrlCallback CBF_ButtonChangeBaudrate;
CtrlCallback CBF_StringIpAdress;
CtrlCallback CBF_StringPortNumber;
CtrlCallback CBF_ButtonTryToConnect;
CtrlCallback CBF_ButtonDisconnect;
CtrlCallback CBF_ButtonAccept;
CtrlCallback CBF_ButtonGenHwInfoFile;
CtrlCallback CBF_EditID;
CtrlCallback CBF_EditLanguage;

// Parameter pages (params)
CtrlCallback CBF_EditOperatingMode;
CtrlCallback CBF_EditSensitivity;
CtrlCallback CBF_EditRefValCh0;
CtrlCallback CBF_SlidePower;
CtrlCallback CBF_EditPmode;
CtrlCallback CBF_EditLedMode;
CtrlCallback CBF_EditGain;
CtrlCallback CBF_EditDynWinLoHi;
CtrlCallback CBF_EditAverage;
CtrlCallback CBF_EditIntegral;
CtrlCallback CBF_EditChannelOffset;
CtrlCallback CBF_ButtonAssignAdjOffset;
CtrlCallback CBF_EditAnaOutmode;
CtrlCallback CBF_EditAnaRange;
CtrlCallback CBF_EditAnaOut;
CtrlCallback CBF_EditDigOutmode;
CtrlCallback CBF_EditHold;
CtrlCallback CBF_EditDeadTime;
CtrlCallback CBF_ButtonTeach1Sig;
CtrlCallback CBF_ButtonTeach2Sig;
CtrlCallback CBF_EditThresholdMode;
CtrlCallback CBF_EditThresholdTracing;
CtrlCallback CBF_EditThresholdTracingUP;
CtrlCallback CBF_EditThresholdTracingDown;
CtrlCallback CBF_EditTeachValSig;
CtrlCallback CBF_EditTrshCalc;
CtrlCallback CBF_EditTolerance;
CtrlCallback CBF_EditHysteresis;
CtrlCallback CBF_EditExtTeach;
CtrlCallback CBF_DecoPara;

// Conversion table page and panel (convtable)
CtrlCallback CBF_ButtonResetConvTable;
CtrlCallback CBF_ButtonAssign;
CtrlCallback CBF_ButtonCalcConvData;
CtrlCallback CBF_TableConv;
CtrlCallback CBF_GraphConv;
CtrlCallback CBF_ButtonCloseCP;
CtrlCallback CBF_ButtonZoomConv11;
CtrlCallback CBF_ButtonGetConvTableFromFile;
CtrlCallback CBF_ButtonSaveConvTableToFile;
CtrlCallback CBF_ButtonGetConvTableFromEE;
CtrlCallback CBF_ButtonSaveConvTableToEE;
CtrlCallback CBF_ButtonSaveConvDataToEE;

// Recorder page (live)
CtrlCallback CBF_ButtonSelRecFile;
CtrlCallback CBF_DispRecFile;
CtrlCallback CBF_ButtonStartRecord;
CtrlCallback CBF_ButtonStopRecord;
CtrlCallback CBF_ButtonStartTrigRec;
CtrlCallback CBF_ButtonManualRecord;
CtrlCallback CBF_EditSelectDataRec;
CtrlCallback CBF_EditInterval;
CtrlCallback CBF_EditRecVal;
CtrlCallback CBF_DispRecordTime;
CtrlCallback CBF_DispRecordedValues;
CtrlCallback CBF_DispRemaining;
CtrlCallback CBF_DispRowsNotWritten;
CtrlCallback CBF_EditSplitHours;

// Scope page and panel (live)
CtrlCallback CBF_ButtonCloseSP;
CtrlCallback CBF_ButtonZoomScope11;
CtrlCallback CBF_EditScopeSignal;
CtrlCallback CBF_GraphScope;
CtrlCallback CBF_DispDeltaX;
CtrlCallback CBF_DispDeltaY;
CtrlCallback CBF_ButtonGetCycleTime;
CtrlCallback CBF_ButtonScan;
CtrlCallback CBF_ButtonBreakScan;
CtrlCallback CBF_ButtonPrintScopeGraph;
CtrlCallback CBF_EditScopeComment;
CtrlCallback CBF_EditTriggerMode;
CtrlCallback CBF_EditPreTrigVal;
CtrlCallback CBF_EditTriggerLevel;
CtrlCallback CBF_EditScanRate;
CtrlCallback CBF_DispScanFreq;

// Offset compensation page (live)
CtrlCallback CBF_ButtonCloseOffsetCompensation;
CtrlCallback CBF_ButtonSendOffset;
CtrlCallback CBF_ButtonGetOffset;
CtrlCallback CBF_ButtonCalcOffset;
CtrlCallback CBF_EditOffsetVal;
CtrlCallback CBF_EditSettingTimeFactor;
CtrlCallback CBF_ButtonSendSettingTimeFactor;

// Data panel and graph panel (live)
CtrlCallback CBF_TabDataP;
CtrlCallback CBF_DispStatus;
CtrlCallback CBF_DispCha;
CtrlCallback CBF_DispRefCh0;
CtrlCallback CBF_DispSig;
CtrlCallback CBF_DispRefSig;
CtrlCallback CBF_DispTemp;
CtrlCallback CBF_DispMaxMin;
CtrlCallback CBF_DispAnaOut;
CtrlCallback CBF_LedOut;
CtrlCallback CBF_LedIn;
CtrlCallback CBF_GraphAnaCha;
CtrlCallback CBF_GraphEvalSig;
CtrlCallback CBF_ButtonShowGraph;
CtrlCallback CBF_ButtonCloseGP;
CtrlCallback CBF_EditSignal;
CtrlCallback CBF_PanelGraphGraph;
CtrlCallback CBF_ButtonPause;
CtrlCallback CBF_DispChartStatistics;
CtrlCallback CBF_DispRecordingSource;
CtrlCallback CBF_ButtonOpenRecording;
CtrlCallback CBF_ButtonCancelReading;

// Password panel (shell)
CtrlCallback CBF_StringEnterPW;
