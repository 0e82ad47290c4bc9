// Opens a web address for the user (the game's login page, the help page).
#pragma once

#include <string_view>

namespace tallowen {

class Browser {
public:
    virtual ~Browser() = default;
    // False when no browser could be started for it.
    virtual bool Open(std::string_view address) = 0;
};

}  // namespace tallowen
