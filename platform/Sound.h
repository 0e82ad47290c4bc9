// The program's sounds: the system beep and the named system sounds.
#pragma once

#include <string_view>

namespace tallowen {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void Beep() = 0;
    // Plays a system sound alias ("SystemExclamation") without waiting for it; a missing
    // alias plays nothing.
    virtual void PlayAlias(std::string_view alias) = 0;
};

}  // namespace tallowen
