// UTF-8 (the program's text) to and from UTF-16 (the wide Win32 functions').
#pragma once

#include <string>
#include <string_view>

namespace tallowen::win32 {

// Invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tallowen::win32
