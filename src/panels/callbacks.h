#pragma once
// Every callback that the panel resource binds. Control callbacks take (panel, control,
// event, callbackData, eventData1, eventData2), panel callbacks (panel, event,
// callbackData, eventData1, eventData2); all return 0. The folder in brackets defines them.

// Panels (shell: CBF_MAINP; language and password: CBF_PASSWORDP; the others do nothing)
int CBF_CONVP(int panel, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DATAP(int panel, int event, void *callbackData, int eventData1, int eventData2);
int CBF_GRAPHP(int panel, int event, void *callbackData, int eventData1, int eventData2);
int CBF_MAINP(int panel, int event, void *callbackData, int eventData1, int eventData2);
int CBF_PASSWORDP(int panel, int event, void *callbackData, int eventData1, int eventData2);
int CBF_SCOPEP(int panel, int event, void *callbackData, int eventData1, int eventData2);

// Main panel (shell, params, live)
int CBF_TabMain1(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonSend(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonGet(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonSelectMem(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_ButtonGo(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonStop(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);

// Connection page (link; CBF_EditLanguage: shell)
int CBF_EditCommunicationProtocol(int panel, int control, int event, void *callbackData, int eventData1,
                                  int eventData2);
int CBF_ButtonFindComPorts(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_EditSelectComPort(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_EditSelectBaudrate(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_ButtonChangeBaudrate(int panel, int control, int event, void *callbackData, int eventData1,
                             int eventData2);
int CBF_StringIpAdress(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_StringPortNumber(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_ButtonTryToConnect(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_ButtonDisconnect(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_ButtonAccept(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonGenHwInfoFile(int panel, int control, int event, void *callbackData, int eventData1,
                            int eventData2);
int CBF_EditID(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditLanguage(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);

// Parameter pages (params)
int CBF_EditOperatingMode(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_EditSensitivity(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_EditRefValCh0(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_SlidePower(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditPmode(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditLedMode(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditGain(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditDynWinLoHi(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditAverage(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditIntegral(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditChannelOffset(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_ButtonAssignAdjOffset(int panel, int control, int event, void *callbackData, int eventData1,
                              int eventData2);
int CBF_EditAnaOutmode(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditAnaRange(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditAnaOut(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditDigOutmode(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditHold(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditDeadTime(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonTeach1Sig(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_ButtonTeach2Sig(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_EditThresholdMode(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_EditThresholdTracing(int panel, int control, int event, void *callbackData, int eventData1,
                             int eventData2);
int CBF_EditThresholdTracingUP(int panel, int control, int event, void *callbackData, int eventData1,
                               int eventData2);
int CBF_EditThresholdTracingDown(int panel, int control, int event, void *callbackData, int eventData1,
                                 int eventData2);
int CBF_EditTeachValSig(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_EditTrshCalc(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditTolerance(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditHysteresis(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditExtTeach(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DecoPara(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);

// Conversion table page and panel (convtable)
int CBF_ButtonResetConvTable(int panel, int control, int event, void *callbackData, int eventData1,
                             int eventData2);
int CBF_ButtonAssign(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonCalcConvData(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_TableConv(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_GraphConv(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonCloseCP(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonZoomConv11(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_ButtonGetConvTableFromFile(int panel, int control, int event, void *callbackData, int eventData1,
                                   int eventData2);
int CBF_ButtonSaveConvTableToFile(int panel, int control, int event, void *callbackData, int eventData1,
                                  int eventData2);
int CBF_ButtonGetConvTableFromEE(int panel, int control, int event, void *callbackData, int eventData1,
                                 int eventData2);
int CBF_ButtonSaveConvTableToEE(int panel, int control, int event, void *callbackData, int eventData1,
                                int eventData2);
int CBF_ButtonSaveConvDataToEE(int panel, int control, int event, void *callbackData, int eventData1,
                               int eventData2);

// Recorder page (live)
int CBF_ButtonSelRecFile(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_DispRecFile(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonStartRecord(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_ButtonStopRecord(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_ButtonStartTrigRec(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_ButtonManualRecord(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_EditSelectDataRec(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_EditInterval(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditRecVal(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispRecordTime(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispRecordedValues(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_DispRemaining(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispRowsNotWritten(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);

// Scope page and panel (live)
int CBF_ButtonCloseSP(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonZoomScope11(int panel, int control, int event, void *callbackData, int eventData1,
                          int eventData2);
int CBF_EditScopeSignal(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_GraphScope(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispDeltaX(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispDeltaY(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonGetCycleTime(int panel, int control, int event, void *callbackData, int eventData1,
                           int eventData2);
int CBF_ButtonScan(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonBreakScan(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_ButtonPrintScopeGraph(int panel, int control, int event, void *callbackData, int eventData1,
                              int eventData2);
int CBF_EditScopeComment(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_EditTriggerMode(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_EditPreTrigVal(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditTriggerLevel(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_EditScanRate(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispScanFreq(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);

// Offset compensation page (live)
int CBF_ButtonCloseOffsetCompensation(int panel, int control, int event, void *callbackData, int eventData1,
                                      int eventData2);
int CBF_ButtonSendOffset(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_ButtonGetOffset(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_ButtonCalcOffset(int panel, int control, int event, void *callbackData, int eventData1,
                         int eventData2);
int CBF_EditOffsetVal(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditSettingTimeFactor(int panel, int control, int event, void *callbackData, int eventData1,
                              int eventData2);
int CBF_ButtonSendSettingTimeFactor(int panel, int control, int event, void *callbackData, int eventData1,
                                    int eventData2);

// Data panel and graph panel (live)
int CBF_TabDataP(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispStatus(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispCha(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispRefCh0(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispSig(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispRefSig(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispTemp(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispMaxMin(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_DispAnaOut(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_LedOut(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_LedIn(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_GraphAnaCha(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_GraphEvalSig(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_ButtonShowGraph(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);
int CBF_ButtonCloseGP(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_EditSignal(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int CBF_PanelGraphGraph(int panel, int control, int event, void *callbackData, int eventData1,
                        int eventData2);

// Password panel (shell)
int CBF_StringEnterPW(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
