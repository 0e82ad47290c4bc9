// What the watcher prepares before its first tick, the parts that need no window of its own:
// folders, titles, glyphs and card images, the settings and layout files, seats and the
// automatic captures.
#pragma once

#include <functional>

#include "shell/AppContext.h"

namespace tallowen {

struct StartupResult {
    bool settingsFound = false;
    bool illegalKey = false;
    std::string badKey, badValue;
    std::string settingsError;  // the settings file exists but could not be read
    std::string layoutError;    // the layout file could not be read or removed
};

// `afterSettings` runs once the settings file has been read, before anything that the
// settings decide is shown.
StartupResult InitWatcher(AppContext& app, const std::function<void()>& afterSettings = {});

}  // namespace tallowen
