#pragma once
// Handlers of the individual commands (see sim_commands.cpp for the table).

#include "sim_request.h"

void HandleWriteParameters(int sessionIndex, const Request &request, double now);
void HandleReadParameters(int sessionIndex, const Request &request, double now);
void HandleSaveParameters(int sessionIndex, const Request &request, double now);
void HandleLoadParameters(int sessionIndex, const Request &request, double now);
void HandleReadFirmware(int sessionIndex, const Request &request, double now);
void HandleReadDataFrame(int sessionIndex, const Request &request, double now);
void HandleReadSensorInfo(int sessionIndex, const Request &request, double now);
void HandleAutoSend(int sessionIndex, const Request &request, double now);
void HandleOffset(int sessionIndex, const Request &request, double now);
void HandleConvTable(int sessionIndex, const Request &request, double now);
void HandleReadCycleTime(int sessionIndex, const Request &request, double now);
void HandleScopeScan(int sessionIndex, const Request &request, double now);
void HandleConvDataPrepare(int sessionIndex, const Request &request, double now);
void HandleConvDataWrite(int sessionIndex, const Request &request, double now);
void HandleSetBaudrate(int sessionIndex, const Request &request, double now);
void HandleReadHardwareInfo(int sessionIndex, const Request &request, double now);
