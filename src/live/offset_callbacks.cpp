// Callbacks of the offset compensation page. For now each control answers a right
// click with its help text; reading, calculating and sending the offset and the
// settling-time factor, and closing the page, arrive with the offset work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonCloseOffsetCompensation(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpClosePanel);
        break;
    }
    return 0;
}

int CBF_ButtonSendOffset(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSendOffset);
        break;
    }
    return 0;
}

int CBF_ButtonGetOffset(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGetOffset);
        break;
    }
    return 0;
}

int CBF_ButtonCalcOffset(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonCalcOffset);
        break;
    }
    return 0;
}

int CBF_EditOffsetVal(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditOffsetVal);
        break;
    }
    return 0;
}

int CBF_EditSettingTimeFactor(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditSettingTimeFactor);
        break;
    }
    return 0;
}

int CBF_ButtonSendSettingTimeFactor(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSendSettingTimeFactor);
        break;
    }
    return 0;
}
