// Callbacks of the conversion table page and the conversion panel. For now each
// control answers a right click with its help text; editing, calculating, the file
// and the EEPROM transfer arrive with the conversion table work.
#include "convtable/conv_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonResetConvTable(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonResetConvTable);
    return 0;
}

int CBF_ButtonAssign(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonAssign);
    return 0;
}

int CBF_ButtonCalcConvData(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonCalcConvData);
    return 0;
}

int CBF_ButtonGetConvTableFromFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGetConvTableFromFile);
    return 0;
}

int CBF_ButtonSaveConvTableToFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonSaveConvTableToFile);
    return 0;
}

int CBF_ButtonGetConvTableFromEE(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGetConvTableFromEE);
    return 0;
}

int CBF_ButtonSaveConvTableToEE(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonSaveConvTableToEE);
    return 0;
}

int CBF_GraphConv(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpGraphConv);
    return 0;
}

int CBF_ButtonZoomConv11(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonZoomConv11);
    return 0;
}

int CBF_ButtonSaveConvDataToEE(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonSaveConvDataToEE);
    return 0;
}

int CBF_ButtonCloseCP(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonCloseCP);
    return 0;
}

// The conversion panel has no reaction of its own.
int CBF_CONVP(int, int, void *, int, int)
{
    return 0;
}
