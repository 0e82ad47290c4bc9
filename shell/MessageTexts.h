// The numbered messages about the game client's windows and the auction, in the client's
// language edition, with the font each is shown in, and where the message window opens.
#pragma once

#include <string>

#include "shell/Views.h"

namespace tallowen {

// The text of a numbered message (entities decoded) and its font: "Arial" at 13 points, or
// the interface font for Japanese texts. An unknown code or a language without that text
// gives an empty text.
MessageText NumberedMessageText(int code, int language, bool jpnInterface,
                                const std::string& interfaceFont);

// Where the message window opens: left of the main window at its top, or at the screen's left
// edge when there is no room there. Its size is the design's client area grown by 600 twips
// each way, with the system's frame width and caption height.
Rect MessageWindowPlace(const Rect& mainWindow, int frameWidth, int captionHeight);

}  // namespace tallowen
