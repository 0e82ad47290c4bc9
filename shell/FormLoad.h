// The watcher's start-up as its main window sees it: the design texts of every control, the
// checks that refuse to run, the settings file's complaints printed into the window, the
// interface language and colours, and the orderly stop after a refusal.
#pragma once

#include <cstdint>
#include <filesystem>

#include "shell/Startup.h"

namespace tallowen {

// What the program found out about its surroundings before the window came up.
struct StartupChecks {
    std::filesystem::path windowsFolder;
    bool otherInstance = false;  // another copy holds the instance lock
};

enum class StartOutcome { Running, Aborted };

// The design font of the main window's controls and start-up lines in the Japanese interface
// (it shows a backslash as a yen sign, as Japanese users expect and English users would not);
// elsewhere kDesignFont.
inline constexpr const char* kJapaneseDesignFont = "MS UI Gothic";
constexpr double kDesignPoints = 8;
const char* DesignFont(const AppContext& app);

// Every control with the captions, tooltips and visibility of the window's design.
void DesignControls(AppContext& app);
// The start-up sequence. On Aborted the refusal is printed and `Abort` must follow.
StartOutcome FormLoad(AppContext& app, const StartupChecks& checks);
// Hides everything but End, prints the closing lines, saves the layout and waits 10 s for End
// (or Esc); returns when the program is to end.
void Abort(AppContext& app);
// The window layout file, with the live places of the game windows and the bidding board.
void SaveLayout(AppContext& app);
// End, and closing the window: the layout is saved and the program ends.
void cmdEnd_Click(AppContext& app);
void Form_QueryUnload(AppContext& app);
// Brings the main window to the front once, unless it is minimised.
void TopmostMe(AppContext& app);

}  // namespace tallowen
