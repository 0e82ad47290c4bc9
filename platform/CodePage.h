// Conversion between the program's UTF-8 texts and the bytes of files, which are kept in an
// ANSI code page (Windows-1252 for Western editions, 932 / Shift_JIS for Japanese Windows).
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tallowen {

struct Converted {
    std::string text;
    bool lossy = false;  // some character had no form in the target and became "?"
};

class CodePage {
public:
    virtual ~CodePage() = default;
    virtual unsigned Number() const = 0;
    virtual Converted ToUtf8(std::string_view bytes) const = 0;
    virtual Converted FromUtf8(std::string_view utf8) const = 0;
};

// A code page by its Windows number (1252, 932, ...); nullptr when this system cannot convert it.
std::unique_ptr<CodePage> OpenCodePage(unsigned number);

// The environment variable TALLOWEN_CODEPAGE (a number such as 932) overrides the default: the
// system's ANSI code page on Windows, Windows-1252 elsewhere.
unsigned SystemCodePageNumber();

// The code page files are read and written in, chosen once for the process.
const CodePage& AnsiCodePage();

}  // namespace tallowen
