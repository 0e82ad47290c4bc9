#include <windows.h>

#include <mmsystem.h>

#include "win32/WideText.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

class Win32Sound final : public Sound {
public:
    void Beep() override { MessageBeep(MB_OK); }

    // Asynchronous, and silent when the alias is not set up (no default sound instead).
    void PlayAlias(std::string_view alias) override {
        std::wstring name = win32::Widen(alias);
        if (name.empty()) return;
        PlaySoundW(name.c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
    }
};

}  // namespace

std::unique_ptr<Sound> MakeWin32Sound() {
    return std::make_unique<Win32Sound>();
}

}  // namespace tallowen
