// The password panel: a small top-level pop-up with a prompt and the field that
// start-up turns into a masked password field (Enter commits).
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kWidth = 300;
constexpr int kHeight = 110;
constexpr int kMargin = 15;
constexpr const char *kPrompt = "Please enter the password:";

} // namespace

PanelDef PasswordPanelDef()
{
    PanelDef panel;
    panel.index = PASSWORDP;
    panel.name = "PASSWORDP";
    panel.title = "Password";
    panel.width = kWidth;
    panel.height = kHeight;
    panel.callback = CBF_PASSWORDP;
    panel.controls.push_back(
        TextMsg(PASSWORDP_PROMPT, kPrompt, 18, kMargin, kWidth - 2 * kMargin, 20).Name(kPrompt));
    panel.controls.push_back(
        String(PASSWORDP_PASSWORD, "", 50, kMargin, kWidth - 2 * kMargin, CBF_StringEnterPW)
            .Name("password")
            .MaxLength(20));
    return panel;
}
