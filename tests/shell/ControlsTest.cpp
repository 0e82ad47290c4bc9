#include <gtest/gtest.h>

#include "shell/Controls.h"

#include "ShellRig.h"

namespace tallowen::testing {

TEST(Controls, StateIsKeptAndHandedToTheView) {
    ShellRig rig;
    SetCaption(rig.app, Control::cmdTimer, "0");
    SetBold(rig.app, Control::cmdTimer, true);
    SetBackColour(rig.app, Control::cmdBid, kOrange);
    const ControlState& seen = rig.views.main.controls[std::size_t(Control::cmdTimer)];
    EXPECT_EQ(seen.caption, "0");
    EXPECT_TRUE(seen.bold);
    EXPECT_EQ(rig.app.Ctl(Control::cmdBid).backColour, kOrange);
    rig.app.settings.backColor = 0x123456u;
    SetBackToSetting(rig.app, Control::cmdBid);
    EXPECT_EQ(rig.views.main.controls[std::size_t(Control::cmdBid)].backColour, 0x123456u);
}

}  // namespace tallowen::testing
