// How the summary pages look: the choices the settings file makes for the HTML output.
#pragma once

#include <array>
#include <string>

namespace tallowen {

// How a suit symbol is written into a page, in order of precedence when several are asked for.
enum class SuitMarkStyle {
    Entity,  // a span holding "&spades;" ... (the default)
    Symbol,  // a span holding the Symbol-font character reference (&#170; ...)
    Image,   // an img tag for S.gif ... lying beside the page
};

struct PageStyle {
    bool strict = true;                  // HTML 4.01 Strict, else Transitional
    bool japanese = false;               // Japanese texts; the page declares Shift_JIS
    bool textOutput = false;             // plain-text twins beside the pages
    bool doubleDummy = false;            // a double-dummy table under each hand diagram
    std::string backColor3 = "#FFE8E8";  // page background
    std::string backColor4 = "#D0D0D0";  // bidding table
    std::string backColor5 = "#E0C0C0";  // play table
    SuitMarkStyle marks = SuitMarkStyle::Entity;
    // Mark sizes in percent of the font size, by suit index (clubs, diamonds, hearts, spades).
    std::array<std::string, 4> markSizes = {"90", "120", "90", "95"};
};

}  // namespace tallowen
