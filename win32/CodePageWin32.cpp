// Code pages through the Win32 conversions, with the code page named explicitly so that the
// TALLOWEN_CODEPAGE override works on any Windows.
#include <windows.h>

#include "platform/CodePage.h"

namespace tallowen {
namespace {

class Win32Page final : public CodePage {
public:
    explicit Win32Page(unsigned number) : number_(number) {}
    unsigned Number() const override { return number_; }

    Converted ToUtf8(std::string_view bytes) const override {
        Converted r;
        if (bytes.empty()) return r;
        int n = MultiByteToWideChar(number_, 0, bytes.data(), int(bytes.size()), nullptr, 0);
        std::wstring wide(size_t(n), L'\0');
        MultiByteToWideChar(number_, 0, bytes.data(), int(bytes.size()), wide.data(), n);
        for (wchar_t& c : wide)
            if (c == 0xFFFD) c = L'?', r.lossy = true;
        int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
        r.text.resize(size_t(m));
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, r.text.data(), m, nullptr, nullptr);
        return r;
    }

    Converted FromUtf8(std::string_view utf8) const override {
        Converted r;
        if (utf8.empty()) return r;
        int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
        std::wstring wide(size_t(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
        // No best-fit: a character the code page lacks must become "?", not a look-alike.
        BOOL usedDefault = FALSE;
        int m = WideCharToMultiByte(number_, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, "?",
                                    &usedDefault);
        r.text.resize(size_t(m));
        WideCharToMultiByte(number_, WC_NO_BEST_FIT_CHARS, wide.data(), n, r.text.data(), m, "?",
                            &usedDefault);
        r.lossy = usedDefault != FALSE;
        return r;
    }

private:
    unsigned number_;
};

}  // namespace

unsigned DefaultCodePageNumber() {
    return GetACP();
}

std::unique_ptr<CodePage> OpenCodePage(unsigned number) {
    CPINFO info;
    if (!GetCPInfo(number, &info)) return nullptr;
    return std::make_unique<Win32Page>(number);
}

}  // namespace tallowen
