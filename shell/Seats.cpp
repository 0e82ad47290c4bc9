#include "shell/Seats.h"

#include "common/Notation.h"
#include "common/Text.h"
#include "shell/Controls.h"
#include "shell/RecordList.h"

namespace tallowen {

namespace {

constexpr int kAutoItem = 4;

Control Label(int position) {
    return Control(int(Control::Lbl0) + position);
}

Control SeatItem(int index) {
    return Control(int(Control::MenuSeat0) + index);
}

// The record on display is drawn again in the new orientation.
void RedrawShownRecord(AppContext& app) {
    if (app.records.onDisplay.empty()) return;
    app.display.redrawRequest = true;
    Show_File(app, app.records.onDisplay);
}

// The settings keep the IDs in lower case, while the client shows a player's name with the
// capitals the player chose; the game itself does not tell IDs apart by case, so neither do we.
bool NameHolds(const std::string& name, const std::string& id) {
    return !id.empty() && Contains(ToLower(name), ToLower(id));
}

int SeatHolding(const SeatNames& names, const std::string& id) {
    for (int seat = 0; seat < 4; ++seat)
        if (NameHolds(names[std::size_t(seat)], id)) return seat;
    return -1;
}

}  // namespace

void InitNESW(AppContext& app) {
    const auto& ids = app.settings.myYahooID;
    if (!ids.empty() && !ids.front().empty()) SetChecked(app, SeatItem(kAutoItem), true);
    sitNESW(app, ToInt(Seat::North));
}

void sitNESW(AppContext& app, int bottomSeat) {
    for (int position = 0; position < 4; ++position) {
        const int seat = ((bottomSeat + position) % 4 + 4) % 4;
        SetCaption(app, Label(position), std::string(kSeatNames[std::size_t(seat)].substr(0, 1)));
        app.display.rotation[std::size_t(position)] = seat;
    }
}

int InvSeat(const std::array<int, 4>& rotation, int seat) {
    for (int position = 0; position < 4; ++position)
        if (rotation[std::size_t(position)] == seat) return position;
    return 0;
}

void Lbl_Click(AppContext& app, int index) {
    if (index < 1 || index > 3) return;  // the bottom label is already at the bottom
    sitNESW(app, app.display.rotation[std::size_t(index)]);
    RedrawShownRecord(app);
}

void MenuSeat_Click(AppContext& app, int index) {
    if (index < 0 || index > kAutoItem) return;
    for (int item = 0; item < 4; ++item) SetChecked(app, SeatItem(item), false);
    if (index < 4) {
        SetChecked(app, SeatItem(kAutoItem), false);
        SetChecked(app, SeatItem(index), true);
        sitNESW(app, index);
    } else {
        SetChecked(app, SeatItem(kAutoItem), true);  // turns at the next captured hand
    }
    if (!app.loop.busy.hand) RedrawShownRecord(app);
}

int FindUserSeat(const Settings& settings, int& idIndex, const SeatNames& names) {
    const auto& ids = settings.myYahooID;
    const int remembered = idIndex;
    if (remembered >= 1 && std::size_t(remembered) <= ids.size()) {
        const int seat = SeatHolding(names, ids[std::size_t(remembered - 1)]);
        if (seat >= 0) return seat;
        // The user may have come back under another of the IDs: look through them all.
    }
    for (std::size_t i = 0; i < ids.size() && i < kMaxYahooIDs; ++i) {
        if (ids[i].empty()) break;
        const int seat = SeatHolding(names, ids[i]);
        if (seat < 0) continue;
        idIndex = int(i) + 1;
        return seat;
    }
    return -1;
}

// The IDs are kept in lower case, as for the hand capture.
int ShownUserSeat(const Settings& settings, const SeatNames& names) {
    const auto& ids = settings.myYahooID;
    int found = -1;
    for (int seat = 0; seat < 4; ++seat)
        for (std::size_t i = 0; i < ids.size() && i < kMaxYahooIDs && !ids[i].empty(); ++i)
            if (NamesMatch(ToLower(names[std::size_t(seat)]), ids[i])) found = seat;
    return found;
}

}  // namespace tallowen
