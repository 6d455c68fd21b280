#include "support/event_recorder.h"

std::vector<RecordedEvent> &RecordedEvents()
{
    static std::vector<RecordedEvent> events;
    return events;
}

void ClearRecordedEvents()
{
    RecordedEvents().clear();
}

int CountEvents(int control, int event)
{
    int count = 0;
    for (const RecordedEvent &recorded : RecordedEvents())
        if (recorded.control == control && recorded.event == event)
            ++count;
    return count;
}

std::vector<int> EventsOf(int control)
{
    std::vector<int> events;
    for (const RecordedEvent &recorded : RecordedEvents())
        if (recorded.control == control)
            events.push_back(recorded.event);
    return events;
}

int RecordCtrlEvent(int panel, int control, int event, void *, int eventData1, int eventData2)
{
    RecordedEvents().push_back(RecordedEvent{panel, control, event, eventData1, eventData2});
    return 0;
}

int RecordPanelEvent(int panel, int event, void *, int eventData1, int eventData2)
{
    RecordedEvents().push_back(RecordedEvent{panel, 0, event, eventData1, eventData2});
    return 0;
}

CtrlDef MakeCtrl(int id, int kind, const std::string &label, int top, int left, int width, int height)
{
    CtrlDef def;
    def.id = id;
    def.kind = kind;
    def.label = label;
    def.top = top;
    def.left = left;
    def.width = width;
    def.height = height;
    def.callback = RecordCtrlEvent;
    return def;
}

PanelDef MakePanelDef(const std::string &title, const std::vector<CtrlDef> &controls, int width, int height)
{
    PanelDef def;
    def.index = 99;
    def.name = "TESTP";
    def.title = title;
    def.width = width;
    def.height = height;
    def.callback = RecordPanelEvent;
    def.controls = controls;
    return def;
}
