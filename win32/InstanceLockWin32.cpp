#include <windows.h>

#include "platform/InstanceLock.h"

namespace tallowen {
namespace {

class MutexLock final : public InstanceLock {
public:
    explicit MutexLock(HANDLE h) : h_(h) {}
    ~MutexLock() override { CloseHandle(h_); }

private:
    HANDLE h_;
};

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& name) {
    std::wstring wide(name.begin(), name.end());
    HANDLE h = CreateMutexW(nullptr, TRUE, wide.c_str());
    if (!h) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(h);
        return nullptr;
    }
    return std::make_unique<MutexLock>(h);
}

}  // namespace tallowen
