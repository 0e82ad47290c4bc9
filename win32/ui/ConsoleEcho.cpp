#include "win32/ui/ConsoleEcho.h"

#include <windows.h>

#include <cstdio>

namespace tallowen {

void EchoToConsole(std::string_view prefix, std::string_view line) {
    static const bool redirected =
        GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (!redirected) return;
    std::fwrite(prefix.data(), 1, prefix.size(), stdout);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace tallowen
