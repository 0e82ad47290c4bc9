// One running copy per program: a named mutex on Windows, a locked file elsewhere.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tallowen {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;  // releases the lock
};

// nullptr when another process holds the lock of that name in that folder (or the lock cannot
// be taken at all).
//
// `folder` scopes the lock. Empty means the user's own scope: elsewhere than Windows the lock
// file lies in the user's runtime folder ($XDG_RUNTIME_DIR), else in the home folder, so two
// users of one machine never block each other; on Windows the named mutex of the session.
// When the environment variable TALLOWEN_LOCK_DIR is set, it replaces that default folder:
// test runs give each test its own, so parallel runs of the tests never see each other.
// Given a folder, Windows too scopes the mutex to it (its name carries a digest of the folder).
std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& name,
                                                  const std::filesystem::path& folder = {});

}  // namespace tallowen
