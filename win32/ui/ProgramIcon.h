// The program's own icon for its windows' title bars and the taskbar: resource 1 of the
// program file, the one Explorer shows; the system's application icon for a program built
// without one (the test programs).
#pragma once

#include <windows.h>

namespace tallowen {

inline HICON ProgramIcon(HINSTANCE instance) {
    if (HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1))) return icon;
    return LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

}  // namespace tallowen
