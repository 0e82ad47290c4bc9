// Changing what one control of the main window shows: the shell keeps the state and tells
// the view.
#pragma once

#include <cstdint>
#include <string>

#include "shell/AppContext.h"

namespace tallowen {

void SetCaption(AppContext& app, Control c, const std::string& caption);
void SetVisible(AppContext& app, Control c, bool visible);
void SetEnabled(AppContext& app, Control c, bool enabled);
void SetBold(AppContext& app, Control c, bool bold);
void SetChecked(AppContext& app, Control c, bool checked);
void SetBackColour(AppContext& app, Control c, std::uint32_t colour);
// The BackColor setting, or the design colour when it has none.
void SetBackToSetting(AppContext& app, Control c);
void SetPoints(AppContext& app, Control c, double points);
// The main window's caption.
void SetWindowCaption(AppContext& app, const std::string& caption);

constexpr std::uint32_t kOrange = 0x80FF;  // the capture that comes next

}  // namespace tallowen
