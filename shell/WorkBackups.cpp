#include "shell/WorkBackups.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "common/Text.h"
#include "records/RecordNames.h"

namespace tallowen {

namespace fs = std::filesystem;

namespace {

// The user's file system does not tell case apart, so "bak10_22_001.BRG" takes the name of
// "BAK10_22_001.brg" there; the same names are treated as taken here. A plain rename would
// silently replace the target (it does on POSIX), losing a record.
std::string RenameKeepingBoth(const Folders& folders, const std::string& from,
                              const std::string& to) {
    auto source = FindFileNoCase(folders.Work(), from);
    if (!source) return from + ": not found in the Work folder.";
    if (FindFileNoCase(folders.Work(), to))
        return to + " already exists: " + from + " is kept as it is.";
    std::error_code ec;
    fs::rename(*source, folders.WorkFile(to), ec);
    if (ec) return from + ": cannot be renamed to " + to + " (" + ec.message() + ").";
    return {};
}

}  // namespace

std::string BackUpRecord(const Folders& folders, const std::string& recordName) {
    return RenameKeepingBoth(folders, RecordFileName(recordName), BackupFileName(recordName));
}

std::string RestoreRecord(const Folders& folders, const std::string& recordName) {
    return RenameKeepingBoth(folders, BackupFileName(recordName), RecordFileName(recordName));
}

std::string DeleteBackups(const Folders& folders) {
    std::vector<fs::path> doomed;
    std::error_code ec;
    for (fs::directory_iterator it(folders.Work(), ec), end; !ec && it != end; it.increment(ec)) {
        std::string upper = ToUpper(PathToUtf8(it->path().filename()));
        if (StartsWith(upper, ToUpper(kBackupPrefix)) && upper.size() >= 4 &&
            upper.substr(upper.size() - 4) == ToUpper(kRecordExtension))
            doomed.push_back(it->path());
    }
    if (ec) return PathToUtf8(folders.Work()) + ": cannot be read (" + ec.message() + ").";
    std::string failed;
    for (const fs::path& path : doomed) {
        fs::remove(path, ec);
        if (ec && failed.empty())
            failed = PathToUtf8(path.filename()) + ": cannot be deleted (" + ec.message() + ").";
    }
    return failed;
}

std::string SummariseFailures(const std::vector<std::string>& failures) {
    int count = 0;
    std::string first;
    for (const std::string& failure : failures) {
        if (failure.empty()) continue;
        if (first.empty()) first = failure;
        ++count;
    }
    if (count > 1) first += " (" + std::to_string(count - 1) + " more)";
    return first;
}

}  // namespace tallowen
