#pragma once
// A callback for test panels that records every event it receives, and a small
// builder for control descriptions.

#include "ui/panel_defs.h"

#include <string>
#include <vector>

struct RecordedEvent {
    int panel = 0;
    int control = 0; // 0 for panel events
    int event = 0;
    int data1 = 0;
    int data2 = 0;
};

std::vector<RecordedEvent> &RecordedEvents();
void ClearRecordedEvents();
// How many recorded events of this control (0: the panel) have this event code.
int CountEvents(int control, int event);
// The event codes recorded for a control, in order.
std::vector<int> EventsOf(int control);

int RecordCtrlEvent(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int RecordPanelEvent(int panel, int event, void *callbackData, int eventData1, int eventData2);

// A control description bound to RecordCtrlEvent.
CtrlDef MakeCtrl(int id, int kind, const std::string &label, int top, int left, int width = 0,
                 int height = 0);
// A panel description bound to RecordPanelEvent.
PanelDef MakePanelDef(const std::string &title, const std::vector<CtrlDef> &controls, int width = 600,
                      int height = 400);
