// The numbered messages about the game client's windows and the auction, in the client's
// language edition, with the font each is shown in.
#pragma once

#include <string>

#include "shell/Views.h"

namespace tallowen {

// The text of a numbered message (entities decoded) and its font: "Arial" at 13 points, or
// the interface font for Japanese texts. An unknown code or a language without that text
// gives an empty text.
MessageText NumberedMessageText(int code, int language, bool jpnInterface,
                                const std::string& interfaceFont);

}  // namespace tallowen
