// One running copy per program: a named mutex on Windows, a locked file elsewhere.
#pragma once

#include <memory>
#include <string>

namespace tallowen {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;  // releases the lock
};

// nullptr when another process holds the lock of that name.
std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& name);

}  // namespace tallowen
