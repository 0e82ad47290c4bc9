// Reads back what Explorer and the loader find in the built programs: the version block, the
// icon group and the manifest. Exits 1 when any program lacks one of them or names another
// version, so that a change to the resource scripts or the build cannot drop them unnoticed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::wstring_view kVersion = L"2.2";
constexpr DWORD kVersionMS = MAKELONG(2, 2);  // 2.2 as the fixed block's high word holds it

std::string Utf8(std::wstring_view text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A string of the first translation the block lists, the one Explorer shows.
std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* data = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &data, &size) ||
        size < sizeof(Translation))
        return {};
    const auto* t = static_cast<const Translation*>(data);
    wchar_t path[80];
    swprintf(path, 80, L"\\StringFileInfo\\%04x%04x\\%ls", t->language, t->codePage, name);
    if (!VerQueryValueW(block.data(), path, &data, &size) || size == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(data));
}

std::string ResourceText(HMODULE module, LPCWSTR type) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

bool Check(const wchar_t* program) {
    bool good = true;
    auto fail = [&](const char* what) {
        std::printf("  FAIL: %s\n", what);
        good = false;
    };
    std::printf("%s\n", Utf8(program).c_str());

    std::vector<BYTE> block(GetFileVersionInfoSizeW(program, nullptr));
    if (block.empty() || !GetFileVersionInfoW(program, 0, DWORD(block.size()), block.data())) {
        fail("no version block");
    } else {
        const std::wstring fileVersion = VersionString(block, L"FileVersion");
        const std::wstring productName = VersionString(block, L"ProductName");
        std::printf("  FileVersion \"%s\", ProductVersion \"%s\"\n", Utf8(fileVersion).c_str(),
                    Utf8(VersionString(block, L"ProductVersion")).c_str());
        std::printf("  ProductName \"%s\", FileDescription \"%s\"\n", Utf8(productName).c_str(),
                    Utf8(VersionString(block, L"FileDescription")).c_str());
        if (fileVersion != kVersion) fail("FileVersion is not the release's");
        if (VersionString(block, L"ProductVersion") != kVersion)
            fail("ProductVersion is not the release's");
        if (productName != L"Tallowen") fail("ProductName is not Tallowen");
        void* data = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(block.data(), L"\\", &data, &size) || size < sizeof(VS_FIXEDFILEINFO) ||
            static_cast<const VS_FIXEDFILEINFO*>(data)->dwFileVersionMS != kVersionMS)
            fail("the numeric file version is not 2.2");
    }

    HMODULE module = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        fail("cannot open the program's resources");
        return false;
    }
    const bool icon = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON) != nullptr;
    const std::string manifest = ResourceText(module, RT_MANIFEST);
    FreeLibrary(module);
    std::printf("  icon group 1: %s, manifest 1: %s\n", icon ? "yes" : "no",
                manifest.empty() ? "no" : "yes");
    if (!icon) fail("no icon group 1");
    if (manifest.empty()) {
        fail("no manifest 1");
    } else {
        // Both are choices the window reading depends on, not defaults to tidy away.
        if (manifest.find("<dpiAware") == std::string::npos ||
            manifest.find(">false</dpiAware>") == std::string::npos)
            fail("the manifest does not declare the program DPI unaware");
        if (manifest.find("<activeCodePage") != std::string::npos)
            fail("the manifest sets a code page; files use the system's");
    }
    return good;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: tallowen-version-check PROGRAM.exe...\n");
        return 2;
    }
    bool good = true;
    for (int i = 1; i < argc; ++i) good = Check(argv[i]) && good;
    return good ? 0 : 1;
}
