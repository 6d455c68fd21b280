#pragma once
// Panels and controls of the panel resource "Chromix1V3_1.uir". Control identifiers
// are unique across all panels; controls on a tab page are addressed with the page's
// panel handle (GetPanelHandleFromTabPage).

constexpr const char *kPanelResourceFile = "Chromix1V3_1.uir";

// Panel indexes in the resource
enum PanelIndex {
    CONVP = 1,     // conversion panel (child of the main panel)
    DATAP = 2,     // data panel (child)
    GRAPHP = 3,    // graph panel (child)
    MAINP = 4,     // main panel (top level)
    PASSWORDP = 5, // password panel (top level, modal pop-up)
    SCOPEP = 6,    // scope panel (child)
};

// Pages of the main tab control
enum MainTabPage {
    PAGE_CONNECTION = 0,
    PAGE_PARAMETERS_1 = 1,
    PAGE_PARAMETERS_2 = 2,
    PAGE_CONVERSION_TABLE = 3,
    PAGE_RECORDER = 4,
    PAGE_SCOPE = 5,
    PAGE_OFFSET = 6,
    MAIN_TAB_PAGE_COUNT = 7,
};

// Pages of the data panel's tab control
enum DataTabPage {
    DATA_PAGE_CH0 = 0,
    DATA_PAGE_EVALUATION = 1,
    DATA_TAB_PAGE_COUNT = 2,
};

enum ControlId {
    // Main panel
    MAINP_TAB = 100,     // CBF_TabMain1, seven pages
    MAINP_LOGO,          // picture, "logoORV.bmp"
    MAINP_LOGO_BACKDROP, // decoration behind the logo
    MAINP_SEND,          // CBF_ButtonSend, F9
    MAINP_GET,           // CBF_ButtonGet, F10
    MAINP_RAM,           // toggle, CBF_ButtonSelectMem
    MAINP_EEPROM,        // toggle, CBF_ButtonSelectMem
    MAINP_FILE,          // toggle, CBF_ButtonSelectMem
    MAINP_GO,            // CBF_ButtonGo, F11
    MAINP_STOP,          // CBF_ButtonStop, F12

    // Main tab page 0: connection
    TABCONN_PROTOCOL = 200, // ring 0 RS-232, 1 TCP/IP; CBF_EditCommunicationProtocol
    TABCONN_FINDPORTS,      // CBF_ButtonFindComPorts
    TABCONN_COMPORT,        // numeric; CBF_EditSelectComPort
    TABCONN_BAUDRATE,       // ring 0..7; CBF_EditSelectBaudrate
    TABCONN_CHANGEBAUD,     // CBF_ButtonChangeBaudrate
    TABCONN_IPADDRESS,      // string, becomes the address box; CBF_StringIpAdress
    TABCONN_PORTNUMBER,     // string; CBF_StringPortNumber
    TABCONN_CONNECT,        // CBF_ButtonTryToConnect
    TABCONN_DISCONNECT,     // CBF_ButtonDisconnect
    TABCONN_ACCEPT,         // CBF_ButtonAccept
    TABCONN_HWINFO,         // CBF_ButtonGenHwInfoFile
    TABCONN_SENSORID,       // string, 99 characters; CBF_EditID
    TABCONN_LANGUAGE,       // ring 0 German, 1 English; CBF_EditLanguage
    TABCONN_STATUS,         // text box, every text set is appended
    TABCONN_AUTORECONNECT,  // check box; CBF_CheckAutoReconnect

    // Main tab page 1: parameters I
    TABPARA1_POWER = 300,  // slide 0..1000; CBF_SlidePower
    TABPARA1_POWERMODE,    // ring; CBF_EditPmode
    TABPARA1_DYNWINLO,     // numeric; CBF_EditDynWinLoHi
    TABPARA1_DYNWINHI,     // numeric; CBF_EditDynWinLoHi
    TABPARA1_LEDMODE,      // ring; CBF_EditLedMode
    TABPARA1_GAIN,         // ring 1..12; CBF_EditGain
    TABPARA1_AVERAGE,      // numeric; CBF_EditAverage
    TABPARA1_INTEGRAL,     // numeric 0..250; CBF_EditIntegral
    TABPARA1_ANAOUTMODE,   // ring; CBF_EditAnaOutmode
    TABPARA1_ANARANGE,     // ring; CBF_EditAnaRange
    TABPARA1_ANAOUT,       // ring; CBF_EditAnaOut
    TABPARA1_DIGOUTMODE,   // ring; CBF_EditDigOutmode
    TABPARA1_REFVALCH0,    // numeric; CBF_EditRefValCh0
    TABPARA1_OPMODE,       // ring; CBF_EditOperatingMode
    TABPARA1_SENSITIVITY,  // numeric; CBF_EditSensitivity
    TABPARA1_ADJCHOFFSET,  // ring; CBF_EditChannelOffset
    TABPARA1_CH0OFFSET,    // numeric; CBF_EditChannelOffset (no rule chain for this control)
    TABPARA1_ASSIGNOFFSET, // CBF_ButtonAssignAdjOffset
    TABPARA1_DECO,         // decoration; CBF_DecoPara (right double click: password)

    // Main tab page 2: parameters II
    TABPARA2_HOLD = 400, // numeric double, ms, resolution 0.1; CBF_EditHold
    TABPARA2_THRMODE,    // ring; CBF_EditThresholdMode
    TABPARA2_THRTRACING, // ring; CBF_EditThresholdTracing
    TABPARA2_TTUP,       // numeric 0..60000; CBF_EditThresholdTracingUP
    TABPARA2_TTDOWN,     // numeric 0..60000; CBF_EditThresholdTracingDown
    TABPARA2_THRCALC1,   // ring; CBF_EditTrshCalc
    TABPARA2_TEACHVAL1,  // numeric; CBF_EditTeachValSig
    TABPARA2_TOL1,       // numeric; CBF_EditTolerance
    TABPARA2_HYST1,      // numeric; CBF_EditHysteresis
    TABPARA2_TEACH1,     // CBF_ButtonTeach1Sig
    TABPARA2_THRCALC2,   // ring; CBF_EditTrshCalc
    TABPARA2_TEACHVAL2,  // numeric; CBF_EditTeachValSig
    TABPARA2_TOL2,       // numeric; CBF_EditTolerance
    TABPARA2_HYST2,      // numeric; CBF_EditHysteresis
    TABPARA2_TEACH2,     // CBF_ButtonTeach2Sig
    TABPARA2_THR2FRAME,  // decoration framing the threshold 2 group
    TABPARA2_EXTTEACH,   // ring; CBF_EditExtTeach
    TABPARA2_DEADTIME,   // numeric; CBF_EditDeadTime

    // Main tab page 3: conversion table
    TABCONV_TABLE = 500,  // table 64 x 2
    TABCONV_CURRENTVALUE, // numeric indicator: live Sig
    TABCONV_ASSIGN,       // CBF_ButtonAssign
    TABCONV_RESET,        // CBF_ButtonResetConvTable
    TABCONV_CALC,         // CBF_ButtonCalcConvData
    TABCONV_LOADFILE,     // CBF_ButtonGetConvTableFromFile
    TABCONV_SAVEFILE,     // CBF_ButtonSaveConvTableToFile
    TABCONV_GETEE,        // CBF_ButtonGetConvTableFromEE
    TABCONV_SAVEEE,       // CBF_ButtonSaveConvTableToEE

    // Main tab page 4: recorder
    TABREC_SELFILE = 600, // CBF_ButtonSelRecFile
    TABREC_FILEPATH,      // string indicator; CBF_DispRecFile
    TABREC_SENSORID,      // string indicator: sensor identification
    TABREC_MODE,          // ring 0..3; CBF_EditSelectDataRec
    TABREC_INTERVAL,      // numeric double, s; CBF_EditInterval
    TABREC_VALUES,        // numeric; CBF_EditRecVal
    TABREC_DAYS,          // numeric indicator; CBF_DispRecordTime
    TABREC_HOURS,         // numeric indicator; CBF_DispRecordTime
    TABREC_MINUTES,       // numeric indicator; CBF_DispRecordTime
    TABREC_SECONDS,       // numeric indicator double; CBF_DispRecordTime
    TABREC_RECORDED,      // numeric indicator; CBF_DispRecordedValues
    TABREC_REMAINING,     // numeric indicator; CBF_DispRemaining
    TABREC_FRAMECOUNTER,  // numeric indicator; CBF_DispRecordedValues
    TABREC_START,         // CBF_ButtonStartRecord
    TABREC_STOP,          // CBF_ButtonStopRecord
    TABREC_STARTTRIG,     // CBF_ButtonStartTrigRec
    TABREC_MANUAL,        // CBF_ButtonManualRecord
    TABREC_NOTWRITTEN,    // numeric indicator: rows not written; CBF_DispRowsNotWritten
    TABREC_SPLITHOURS,    // numeric double, h: NEW FILE EVERY, 0 never; CBF_EditSplitHours

    // Main tab page 5: scope settings
    TABSCOPE_TRIGLEVEL = 700, // numeric; CBF_EditTriggerLevel
    TABSCOPE_TRIGMODE,        // ring 0..4; CBF_EditTriggerMode
    TABSCOPE_PRETRIG,         // numeric 0..127; CBF_EditPreTrigVal
    TABSCOPE_SCANRATE,        // numeric; CBF_EditScanRate
    TABSCOPE_SCANFREQ,        // numeric indicator double, Hz; CBF_DispScanFreq
    TABSCOPE_CYCLETIME,       // numeric indicator double, ms; CBF_DispScanFreq
    TABSCOPE_GETCYCLE,        // CBF_ButtonGetCycleTime
    TABSCOPE_SCAN,            // CBF_ButtonScan
    TABSCOPE_BREAK,           // CBF_ButtonBreakScan
    TABSCOPE_PRINT,           // CBF_ButtonPrintScopeGraph
    TABSCOPE_COMMENT,         // text box; CBF_EditScopeComment

    // Main tab page 6: offset compensation
    TABOFFSET_INSTRUCTION = 800, // text message set at run time
    TABOFFSET_OFFSETVAL,         // numeric; CBF_EditOffsetVal
    TABOFFSET_FACTOR,            // numeric double; CBF_EditSettingTimeFactor
    TABOFFSET_GETOFFSET,         // CBF_ButtonGetOffset
    TABOFFSET_CALCOFFSET,        // CBF_ButtonCalcOffset
    TABOFFSET_SENDOFFSET,        // CBF_ButtonSendOffset
    TABOFFSET_SENDFACTOR,        // CBF_ButtonSendSettingTimeFactor
    TABOFFSET_CLOSE,             // CBF_ButtonCloseOffsetCompensation

    // Data panel
    DATAP_SENSOR = 900, // string indicator: connection state / version; CBF_DispStatus
    DATAP_COMPORT,      // numeric indicator: COM port; CBF_DispStatus
    DATAP_ADDRESS,      // string indicator: host; CBF_DispStatus
    DATAP_CH0,          // CBF_DispCha
    DATAP_SIG,          // CBF_DispSig
    DATAP_TEMP,         // CBF_DispTemp
    DATAP_REFCH0,       // CBF_DispRefCh0
    DATAP_REFSIG1,      // CBF_DispRefSig
    DATAP_REFSIG2,      // CBF_DispRefSig
    DATAP_MAXMIN1,      // CBF_DispMaxMin
    DATAP_MAXMIN2,      // CBF_DispMaxMin
    DATAP_LEDOUT0,      // CBF_LedOut
    DATAP_LEDOUT1,      // CBF_LedOut
    DATAP_LEDIN0,       // CBF_LedIn
    DATAP_LEDIN1,       // CBF_LedIn
    DATAP_SHOWGRAPH,    // CBF_ButtonShowGraph
    DATAP_TAB,          // CBF_TabDataP, two pages
    DATAP_PAUSE,        // PAUSE: the charts hold their view; CBF_ButtonPause

    // Data panel tab page 0
    DATATAB0_CH0CHART = 1000, // strip chart, 1 trace; CBF_GraphAnaCha
    DATATAB0_CH0STATS,        // string indicator: statistics in view; CBF_DispChartStatistics

    // Data panel tab page 1
    DATATAB1_SIGCHART = 1100, // strip chart, 1 trace; CBF_GraphEvalSig
    DATATAB1_EVAL1CHART,      // strip chart, 6 traces; CBF_GraphEvalSig
    DATATAB1_EVAL2CHART,      // strip chart, 6 traces; CBF_GraphEvalSig
    DATATAB1_VOLT,            // numeric indicator double; CBF_DispAnaOut
    DATATAB1_MILLIAMP,        // numeric indicator double; CBF_DispAnaOut
    DATATAB1_SIGSTATS,        // string indicators under the three charts: statistics in view;
    DATATAB1_EVAL1STATS,      //   CBF_DispChartStatistics
    DATATAB1_EVAL2STATS,

    // Graph panel
    GRAPHP_CH0GRAPH = 1200, // graph; CBF_PanelGraphGraph
    GRAPHP_SIGGRAPH,        // graph; CBF_PanelGraphGraph
    GRAPHP_TEMPGRAPH,       // graph; CBF_PanelGraphGraph
    GRAPHP_CH0,             // numeric indicator; CBF_DispCha
    GRAPHP_SIG,             // numeric indicator; CBF_DispSig
    GRAPHP_TEMP,            // numeric indicator; CBF_DispTemp
    GRAPHP_SIGNAL,          // ring 0 CH0, 1 SIG, 2 TEMP; CBF_EditSignal
    GRAPHP_CLOSE,           // CBF_ButtonCloseGP
    GRAPHP_STATS,           // string indicator: statistics in view, reading progress; CBF_DispChartStatistics
    GRAPHP_SOURCE,          // string indicator: the record file shown; CBF_DispRecordingSource
    GRAPHP_OPENREC,         // OPEN RECORDING; CBF_ButtonOpenRecording
    GRAPHP_CANCELREAD,      // CANCEL (Esc) while a record file is read; CBF_ButtonCancelReading

    // Scope panel
    SCOPEP_GRAPH = 1300, // analog graph with two cursors; CBF_GraphScope
    SCOPEP_DIGGRAPH,     // digital graph, cursors follow the analog graph
    SCOPEP_SIGNAL,       // ring 0 CH0+SIG, 1 CH0, 2 SIG; CBF_EditScopeSignal
    SCOPEP_DELTAX,       // numeric indicator double; CBF_DispDeltaX
    SCOPEP_DELTAY,       // numeric indicator; CBF_DispDeltaY
    SCOPEP_BUSY,         // LED shown while a scan runs
    SCOPEP_ZOOM11,       // CBF_ButtonZoomScope11
    SCOPEP_CLOSE,        // CBF_ButtonCloseSP

    // Conversion panel
    CONVP_GRAPH = 1400, // graph; CBF_GraphConv
    CONVP_ZOOM11,       // CBF_ButtonZoomConv11
    CONVP_SAVEDATAEE,   // CBF_ButtonSaveConvDataToEE
    CONVP_CLOSE,        // CBF_ButtonCloseCP
    CONVP_PROGRESS,     // text message: block being written while conversion data are stored

    // Password panel
    PASSWORDP_PASSWORD = 1500, // string, masked; CBF_StringEnterPW
    PASSWORDP_PROMPT,          // text message
    // Controls created at run time (NewCtrl) get identifiers from FIRST_RUNTIME_CONTROL
    // (ui/userint.h) on, above every identifier of the resource.
};
