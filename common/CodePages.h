// The code pages the program converts by itself, alike on every system, beside the system's
// own (OpenCodePage): UTF-8 for the pages that declare it and the solver's cache, ASCII for a
// page whose declared character set this system cannot convert to, and Latin-1 for PBN files.
// Their characters are read by the one UTF-8 rule (common/Utf8.h).
#pragma once

#include "platform/CodePage.h"

namespace tallowen {

// UTF-8 as a code page: the text passes through unchanged.
class Utf8CodePage final : public CodePage {
public:
    unsigned Number() const override { return 65001; }
    Converted ToUtf8(std::string_view bytes) const override { return {std::string(bytes)}; }
    Converted FromUtf8(std::string_view utf8) const override { return {std::string(utf8)}; }
};

// Plain ASCII: every other character, and every malformed one, becomes "?". A page in it
// writes those characters as numeric character references (HtmlForCodePage), which any
// ASCII-based character set reads alike.
class AsciiCodePage final : public CodePage {
public:
    unsigned Number() const override { return 20127; }
    Converted ToUtf8(std::string_view bytes) const override { return {std::string(bytes)}; }
    Converted FromUtf8(std::string_view utf8) const override;
};

// ISO 8859-1 without the control codes 128-159, which every PBN reader takes. A character
// without a form there (such a control and a malformed character included) comes out as "?"
// and the result is lossy.
class Latin1CodePage final : public CodePage {
public:
    unsigned Number() const override { return 28591; }
    Converted ToUtf8(std::string_view bytes) const override;
    Converted FromUtf8(std::string_view utf8) const override;
};

}  // namespace tallowen
