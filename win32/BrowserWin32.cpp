// Opening a web address: the browser automation object, and the default browser where that
// object is missing (a Windows without it would otherwise open nothing, silently).
#include <windows.h>

#include <shellapi.h>

#include "win32/ScopedWin.h"
#include "win32/WideText.h"
#include "win32/Win32Seams.h"

namespace tallowen {
namespace {

using win32::ComRef;
using win32::ScopedBstr;

bool IdOf(IDispatch* object, const wchar_t* name, DISPID& id) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

bool PutVisible(IDispatch* object) {
    DISPID id;
    if (!IdOf(object, L"Visible", id)) return false;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = VARIANT_TRUE;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                    &params, nullptr, nullptr, nullptr));
}

bool Navigate(IDispatch* object, const std::wstring& address) {
    DISPID id;
    if (!IdOf(object, L"Navigate", id)) return false;
    ScopedBstr text(address.c_str());
    if (!text.Get()) return false;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text.Get();  // still owned by `text`
    DISPPARAMS params{&argument, nullptr, 1, 0};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                    nullptr, nullptr, nullptr));
}

class FallbackBrowser final : public Browser {
public:
    FallbackBrowser(BrowserStep first, BrowserStep fallback)
        : first_(std::move(first)), fallback_(std::move(fallback)) {}

    bool Open(std::string_view address) override {
        if (address.empty()) return false;
        if (first_ && first_(address)) return true;
        return fallback_ && fallback_(address);
    }

private:
    BrowserStep first_, fallback_;
};

}  // namespace

bool OpenByAutomation(std::string_view progId, std::string_view address) {
    win32::ScopedComInit com;
    if (!com.Usable()) return false;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(win32::Widen(progId).c_str(), &clsid))) return false;
    ComRef<IDispatch> object;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                                IID_IDispatch, object.Out())))
        return false;
    return PutVisible(object.Get()) && Navigate(object.Get(), win32::Widen(address));
}

bool OpenWithShell(std::string_view address) {
    std::wstring wide = win32::Widen(address);
    if (wide.empty()) return false;
    // The shell may start the browser through COM, which wants the thread initialised.
    win32::ScopedComInit com;
    auto result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::unique_ptr<Browser> MakeWin32Browser(BrowserStep first, BrowserStep fallback) {
    return std::make_unique<FallbackBrowser>(std::move(first), std::move(fallback));
}

std::unique_ptr<Browser> MakeWin32Browser() {
    return MakeWin32Browser(
        [](std::string_view address) {
            return OpenByAutomation("InternetExplorer.Application", address);
        },
        OpenWithShell);
}

}  // namespace tallowen
