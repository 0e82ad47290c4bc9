// Files and folders. Names inside the program are UTF-8; file contents are in the ANSI code
// page with CR LF line ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Outcome.h"

namespace tallowen {

class CodePage;

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The two folders every file name is relative to (instead of changing the current directory).
struct Folders {
    std::filesystem::path app;      // the program folder
    std::string workName = "Work";  // the Work folder below it
    std::filesystem::path AppFile(std::string_view name) const { return app / PathFromUtf8(name); }
    std::filesystem::path Work() const { return app / PathFromUtf8(workName); }
    std::filesystem::path WorkFile(std::string_view name) const {
        return Work() / PathFromUtf8(name);
    }
};

// A file with this name in `folder`, the name compared without regard to case (the Windows
// file system does not tell case apart; a Linux one does).
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);
bool FileExists(const std::filesystem::path& path);

struct FileResult : Outcome {
    bool lossy = false;   // a character had no form in the code page and was written as "?"
    bool exists = false;  // not written because a file of that name was made first
};

// Makes the folder (and those above it) unless it is there; not ok, with the reason, when it
// cannot be made (a file of that name, no room, no rights).
FileResult EnsureFolder(const std::filesystem::path& path);

// Reads a whole file's lines (CR LF, LF or CR) converted from the code page.
struct TextLines : Outcome {
    std::vector<std::string> lines;
    bool endsWithLineEnd = true;  // false: the last line has no line end (a file cut short?)
};
TextLines ReadTextLines(const std::filesystem::path& path, const CodePage& page);

enum class Durability {
    Cached,   // the system writes the file to the disk when it likes
    Durable,  // the contents reach the disk before the name, and the name before the return
};

// Writes the lines, each ended by CR LF, in the code page. The file appears whole or not at
// all: the text goes to a temporary name of this process beside it and is moved into place
// when complete. With `replace` false an existing file is never overwritten, not even one
// that another process puts there at the same moment (`exists` then tells).
FileResult WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                          const CodePage& page, bool replace = true,
                          Durability durability = Durability::Cached);
FileResult WriteBytes(const std::filesystem::path& path, std::string_view bytes,
                      bool replace = true, Durability durability = Durability::Cached);
// The temporary name beside `path` that the writers above use in this process and thread.
std::filesystem::path TemporaryName(const std::filesystem::path& path);

// A temporary file of the writers above that a process left behind: killed before it put the
// file in place. `target` is the name the file was meant for.
struct Leftover {
    std::filesystem::path temporary, target;
};
// The temporary files in `folder` whose process no longer runs.
std::vector<Leftover> FindLeftovers(const std::filesystem::path& folder);

// The record names of the Work folder ("MM_DD_NNN", and "MM_DD_NNNN" from the day's 1000th
// on), in recording order, and the record names of the backups ("BAK" + record name).
// Files named BAKBAK… are deleted on the way.
struct WorkFiles {
    std::vector<std::string> work;
    std::vector<std::string> backups;
};
WorkFiles ScanWorkFiles(const Folders& folders);
// Record order: by day, then by counter (so the 1000th comes after the 999th).
bool RecordNameLess(const std::string& a, const std::string& b);

}  // namespace tallowen
