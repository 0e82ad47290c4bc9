#include "platform/CodePage.h"

#include <cstdlib>
#include <stdexcept>

namespace tallowen {

unsigned DefaultCodePageNumber();  // per system, beside OpenCodePage

unsigned SystemCodePageNumber() {
    if (const char* v = std::getenv("TALLOWEN_CODEPAGE")) {
        unsigned n = 0;
        for (const char* p = v; *p >= '0' && *p <= '9'; ++p) n = n * 10 + unsigned(*p - '0');
        if (n > 0 && OpenCodePage(n)) return n;
    }
    return DefaultCodePageNumber();
}

const CodePage& AnsiCodePage() {
    static const std::unique_ptr<CodePage> page = [] {
        auto p = OpenCodePage(SystemCodePageNumber());
        return p ? std::move(p) : OpenCodePage(1252);
    }();
    return *page;
}

}  // namespace tallowen
