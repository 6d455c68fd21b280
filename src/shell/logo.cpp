// The program title in the top left corner and the logo in the top right corner.
#include "app/app_state.h"
#include "platform/paths.h"
#include "resource/panel_ids.h"
#include "shell/startup.h"
#include "ui/userint.h"

int ShowInfoText(const char *text, int versionFlag, int left, int top, int pointSize, int backgroundColor,
                 int textColor)
{
    int control = NewCtrl(g_app.mainPanel, CTRL_TEXT_MSG, "", top, left);
    if (control < 0)
        return control;
    SetCtrlAttribute(g_app.mainPanel, control, ATTR_TEXT_FONT, "NIDialog");
    SetCtrlAttribute(g_app.mainPanel, control, ATTR_TEXT_BGCOLOR, backgroundColor);
    SetCtrlAttribute(g_app.mainPanel, control, ATTR_TEXT_COLOR, textColor);
    SetCtrlAttribute(g_app.mainPanel, control, ATTR_TEXT_POINT_SIZE, pointSize);
    if (versionFlag)
        SetCtrlAttribute(g_app.mainPanel, control, ATTR_TOOLTIP_TEXT, kProgramVersionTip);
    SetCtrlVal(g_app.mainPanel, control, text);
    return control;
}

void ShowLogo(void)
{
    ShowInfoText(kProgramTitle, 1, 15, 18, 20, VAL_TRANSPARENT, VAL_BLACK);
    SetCtrlAttribute(g_app.mainPanel, MAINP_LOGO_BACKDROP, ATTR_FRAME_COLOR, VAL_WHITE);
    SetCtrlAttribute(g_app.mainPanel, MAINP_LOGO, ATTR_LEFT, 900);
    SetCtrlAttribute(g_app.mainPanel, MAINP_LOGO, ATTR_TOP, 5);
    // A missing bitmap only leaves the picture empty.
    char logoPath[MAX_PATHNAME_LEN];
    char directory[MAX_PATHNAME_LEN];
    GetProjectDir(directory);
    JoinPath(logoPath, sizeof logoPath, directory, kLogoFileName);
    DisplayImageFile(g_app.mainPanel, MAINP_LOGO, logoPath);
    SetCtrlAttribute(g_app.mainPanel, MAINP_LOGO, ATTR_VISIBLE, 1);
}
