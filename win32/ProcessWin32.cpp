#include <windows.h>

#include <string>

#include "platform/Process.h"

namespace tallowen {

std::filesystem::path ExecutableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0) return std::filesystem::path(L".");
        if (n < buffer.size()) {
            buffer.resize(n);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::filesystem::path WindowsFolder() {
    wchar_t folder[MAX_PATH + 1];
    UINT n = GetWindowsDirectoryW(folder, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return {};
    return std::filesystem::path(std::wstring(folder, n));
}

bool FileNamesIgnoreCase() {
    return true;
}

std::string SystemShortDate() {
    wchar_t date[80];
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80);
    if (n <= 1) return {};
    int m = WideCharToMultiByte(CP_UTF8, 0, date, n - 1, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(m), '\0');
    WideCharToMultiByte(CP_UTF8, 0, date, n - 1, text.data(), m, nullptr, nullptr);
    return text;
}

}  // namespace tallowen
