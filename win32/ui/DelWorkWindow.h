// frmDelWork: the modal question before all work files are backed up (or restored).
#pragma once

#include <windows.h>

#include "shell/Views.h"
#include "win32/GdiCanvas.h"

namespace tallowen {

class DelWorkWin32 final : public DelWorkDialog {
public:
    DelWorkWin32(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts)
        : instance_(instance), owner_(owner), fonts_(fonts) {}
    void SetLook(const ViewLook& look) { look_ = look; }
    bool Ask(const std::string& caption, const std::vector<std::string>& lines,
             bool restore) override;

private:
    HINSTANCE instance_;
    HWND owner_;
    win32::GdiFonts& fonts_;
    ViewLook look_;
};

}  // namespace tallowen
