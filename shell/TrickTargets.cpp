#include "shell/TrickTargets.h"

#include <string>

#include "shell/Controls.h"

namespace tallowen {

TrickTarget TargetTricks(int declarer, int bottomSeat, int level) {
    const int needed = level + 6;
    const bool opponentsDeclare = ((declarer - bottomSeat) % 2 + 2) % 2 == 1;
    return opponentsDeclare ? TrickTarget{13 - needed, needed} : TrickTarget{needed, 13 - needed};
}

void ShowTrickTargets(AppContext& app, const Deal& deal) {
    if (deal.Level >= 1 && deal.Level <= 7) {
        const TrickTarget target = TargetTricks(deal.Declarer, app.display.rotation[0], deal.Level);
        SetCaption(app, Control::WeB, std::to_string(target.we));
        SetCaption(app, Control::ThB, std::to_string(target.they));
        SetCaption(app, Control::sumB, "13");
    } else {  // passed out: nobody plays for anything
        for (Control c : {Control::WeB, Control::ThB, Control::sumB}) SetCaption(app, c, "");
    }
    for (Control c : {Control::WeT, Control::ThT, Control::sumT}) SetCaption(app, c, "");
    app.display.shown.tricks = {};
}

}  // namespace tallowen
