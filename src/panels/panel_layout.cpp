// Groups of controls: a heading in the strip above a sunken frame.
#include "panels/panel_layout.h"

namespace
{
constexpr int kHeadingIndent = 4;
}

CtrlDef GroupFrame(int id, const std::string &name, int groupTop, int left, int width, int rows)
{
    return Decoration(id, FrameTop(groupTop), left, width, GroupHeight(rows), nullptr).Name(name);
}

CtrlDef GroupHeading(int id, const std::string &heading, int groupTop, int left, int width)
{
    return TextMsg(id, heading, groupTop, left + kHeadingIndent, width - 2 * kHeadingIndent, kLabelHeight)
        .Name(heading);
}

void AddGroup(std::vector<CtrlDef> &controls, int frameId, int headingId, const std::string &heading,
              int groupTop, int left, int width, int rows)
{
    controls.push_back(GroupHeading(headingId, heading, groupTop, left, width));
    controls.push_back(GroupFrame(frameId, heading, groupTop, left, width, rows));
}
