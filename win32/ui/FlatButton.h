// The program's buttons are painted by the program, so that they can take the colours the
// settings give them (a standard button keeps the system's face colour).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tallowen {

struct FlatButtonLook {
    std::string caption;
    HFONT font = nullptr;
    std::uint32_t back = 0xE0E0E0;
    std::uint32_t fore = 0;
    bool enabled = true;
};

void DrawFlatButton(const DRAWITEMSTRUCT& item, const FlatButtonLook& look);

}  // namespace tallowen
