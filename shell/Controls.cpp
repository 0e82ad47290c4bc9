#include "shell/Controls.h"

namespace tallowen {

namespace {

template <class F>
void Change(AppContext& app, Control c, F change) {
    ControlState& state = app.Ctl(c);
    change(state);
    app.views.main.Apply(c, state);
}

}  // namespace

void SetCaption(AppContext& app, Control c, const std::string& caption) {
    Change(app, c, [&](ControlState& s) { s.caption = caption; });
}
void SetVisible(AppContext& app, Control c, bool visible) {
    Change(app, c, [&](ControlState& s) { s.visible = visible; });
}
void SetEnabled(AppContext& app, Control c, bool enabled) {
    Change(app, c, [&](ControlState& s) { s.enabled = enabled; });
}
void SetBold(AppContext& app, Control c, bool bold) {
    Change(app, c, [&](ControlState& s) { s.bold = bold; });
}
void SetChecked(AppContext& app, Control c, bool checked) {
    Change(app, c, [&](ControlState& s) { s.checked = checked; });
}
void SetBackColour(AppContext& app, Control c, std::uint32_t colour) {
    Change(app, c, [&](ControlState& s) { s.backColour = colour; });
}
void SetBackToSetting(AppContext& app, Control c) {
    Change(app, c, [&](ControlState& s) { s.backColour = app.settings.backColor; });
}
void SetPoints(AppContext& app, Control c, double points) {
    Change(app, c, [&](ControlState& s) { s.points = points; });
}
void SetWindowCaption(AppContext& app, const std::string& caption) {
    app.views.main.SetCaption(caption);
}

}  // namespace tallowen
