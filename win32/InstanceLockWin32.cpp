#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cwctype>

#include "platform/InstanceLock.h"
#include "win32/ScopedWin.h"

namespace tallowen {
namespace {

class MutexLock final : public InstanceLock {
public:
    explicit MutexLock(win32::ScopedHandle h) : h_(std::move(h)) {}

private:
    win32::ScopedHandle h_;
};

std::filesystem::path ChosenFolder(const std::filesystem::path& folder) {
    if (!folder.empty()) return folder;
    const wchar_t* value = _wgetenv(L"TALLOWEN_LOCK_DIR");
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

// A mutex name may not hold a backslash and is limited in length, so a folder enters it as
// a digest (FNV-1a over its lower-cased generic form).
std::wstring MutexName(const std::string& name, const std::filesystem::path& folder) {
    std::wstring wide(name.begin(), name.end());
    if (folder.empty()) return wide;
    std::uint64_t digest = 14695981039346656037ull;
    for (wchar_t c : folder.generic_wstring()) {
        digest = (digest ^ std::uint64_t(std::towlower(c))) * 1099511628211ull;
    }
    std::wstring hex(16, L'0');
    for (int i = 15; i >= 0; --i, digest >>= 4)
        hex[std::size_t(i)] = L"0123456789abcdef"[digest & 15];
    return wide + L"@" + hex;
}

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& name,
                                                  const std::filesystem::path& folder) {
    std::wstring wide = MutexName(name, ChosenFolder(folder));
    win32::ScopedHandle h(CreateMutexW(nullptr, TRUE, wide.c_str()));
    if (!h) return nullptr;
    // Another instance holds it; ours closes on the way out.
    if (GetLastError() == ERROR_ALREADY_EXISTS) return nullptr;
    return std::make_unique<MutexLock>(std::move(h));
}

}  // namespace tallowen
