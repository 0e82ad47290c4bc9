// The screen fonts the system has, and how wide a text comes out in one of them.
#pragma once

#include <string_view>

namespace tallowen {

class Fonts {
public:
    virtual ~Fonts() = default;
    virtual bool Installed(std::string_view face) = 0;
    // Width in pixels of `text` (UTF-8) in `face` at `points`.
    virtual int TextWidth(std::string_view face, double points, bool bold,
                          std::string_view text) = 0;
};

}  // namespace tallowen
