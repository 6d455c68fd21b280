// Callbacks of the conversion table page and the conversion panel. For now each
// control answers a right click with its help text; editing, calculating, the file
// and the EEPROM transfer arrive with the conversion table work.
#include "convtable/conv_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonResetConvTable(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonResetConvTable);
        break;
    }
    return 0;
}

int CBF_ButtonAssign(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonAssign);
        break;
    }
    return 0;
}

int CBF_ButtonCalcConvData(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonCalcConvData);
        break;
    }
    return 0;
}

int CBF_ButtonGetConvTableFromFile(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGetConvTableFromFile);
        break;
    }
    return 0;
}

int CBF_ButtonSaveConvTableToFile(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSaveConvTableToFile);
        break;
    }
    return 0;
}

int CBF_ButtonGetConvTableFromEE(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGetConvTableFromEE);
        break;
    }
    return 0;
}

int CBF_ButtonSaveConvTableToEE(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSaveConvTableToEE);
        break;
    }
    return 0;
}

int CBF_GraphConv(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpGraphConv);
        break;
    }
    return 0;
}

int CBF_ButtonZoomConv11(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonZoomConv11);
        break;
    }
    return 0;
}

int CBF_ButtonSaveConvDataToEE(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSaveConvDataToEE);
        break;
    }
    return 0;
}

int CBF_ButtonCloseCP(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonCloseCP);
        break;
    }
    return 0;
}

// The conversion panel has no reaction of its own.
int CBF_CONVP(int, int, void *, int, int)
{
    return 0;
}
