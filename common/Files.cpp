#include "common/Files.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <system_error>

#include "common/Text.h"
#include "platform/CodePage.h"
#include "platform/FilePlace.h"

namespace fs = std::filesystem;

namespace tallowen {

fs::path PathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::optional<fs::path> FindFileNoCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::path exact = folder / PathFromUtf8(name);
    if (fs::is_regular_file(exact, ec)) return exact;
    std::string wanted = ToLower(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && ToLower(PathToUtf8(it->path().filename())) == wanted)
            return it->path();
    }
    return std::nullopt;
}

bool FileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

FileResult EnsureFolder(const fs::path& path) {
    std::error_code ec;
    fs::path p = path;
    if (!p.has_filename()) p = p.parent_path();  // a trailing separator does not count
    if (fs::is_directory(p, ec)) return {Outcome::Done()};
    fs::create_directories(p, ec);
    if (fs::is_directory(p)) return {Outcome::Done()};
    return {Outcome::Failed(PathToUtf8(p.filename()) + ": the folder cannot be made" +
                            (ec ? " (" + ec.message() + ")" : std::string()))};
}

TextLines ReadTextLines(const fs::path& path, const CodePage& page) {
    TextLines result;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        result.error = PathToUtf8(path.filename()) + ": no such file";
        return result;
    }
    std::string bytes;
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            result.error = PathToUtf8(path.filename()) + ": cannot be opened";
            return result;
        }
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) throw std::ios_base::failure("read");
    } catch (const std::exception&) {
        // The stream library reports some read errors by throwing; keep them inside.
        result.error = PathToUtf8(path.filename()) + ": cannot be read";
        return result;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        result.lines.push_back(page.ToUtf8(std::string_view(bytes).substr(start, i - start)).text);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) {
        result.lines.push_back(page.ToUtf8(std::string_view(bytes).substr(start)).text);
        result.endsWithLineEnd = false;
    }
    result.ok = true;
    return result;
}

fs::path TemporaryName(const fs::path& path) {
    // Another copy of the program (or another thread) writing the same file at the same
    // moment uses another name.
    static std::atomic<unsigned> threads{0};
    thread_local const unsigned thread = ++threads;
    fs::path temp = path;
    temp += PathFromUtf8("." + ProcessTag() + "-" + std::to_string(thread) + ".tmp~");
    return temp;
}

std::vector<Leftover> FindLeftovers(const fs::path& folder) {
    constexpr std::string_view kSuffix = ".tmp~";
    std::vector<Leftover> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = PathToUtf8(it->path().filename());
        if (name.size() <= kSuffix.size() || !name.ends_with(kSuffix)) continue;
        // "<target>.<process>-<thread>.tmp~"
        const std::string stem = name.substr(0, name.size() - kSuffix.size());
        const std::size_t dot = stem.rfind('.'), dash = stem.rfind('-');
        if (dot == std::string::npos || dot == 0 || dash == std::string::npos || dash < dot)
            continue;
        if (ProcessRunning(stem.substr(dot + 1, dash - dot - 1))) continue;
        found.push_back({it->path(), folder / PathFromUtf8(stem.substr(0, dot))});
    }
    return found;
}

namespace {
FileResult Refused(std::string error, bool exists = false) {
    FileResult result{Outcome::Failed(std::move(error))};
    result.exists = exists;
    return result;
}
}  // namespace

FileResult WriteBytes(const fs::path& path, std::string_view bytes, bool replace,
                      Durability durability) {
    std::string name = PathToUtf8(path.filename());
    std::error_code ec;
    if (!replace && fs::exists(path, ec)) return Refused(name + ": already made", true);
    const fs::path temp = TemporaryName(path);
    const bool durable = durability == Durability::Durable;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return Refused(name + ": cannot be created");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out || (durable && !FlushFile(temp))) {
            fs::remove(temp, ec);
            return Refused(name + ": cannot be written (disk full?)");
        }
    }
    // Without `replace` the name was free a moment ago; it is taken only if it still is, in
    // one step.
    const PlaceResult placed = replace ? PlaceOverFile(temp, path) : PlaceNewFile(temp, path);
    if (placed != PlaceResult::Placed) {
        fs::remove(temp, ec);
        if (placed == PlaceResult::Exists) return Refused(name + ": already made", true);
        return Refused(name + ": cannot be put in place");
    }
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    if (durable && !FlushFolder(folder)) return Refused(name + ": cannot be written to the disk");
    return {Outcome::Done()};
}

FileResult WriteTextLines(const fs::path& path, const std::vector<std::string>& lines,
                          const CodePage& page, bool replace, Durability durability) {
    std::string bytes;
    bool lossy = false;
    for (const auto& line : lines) {
        Converted c = page.FromUtf8(line);
        lossy = lossy || c.lossy;
        bytes += c.text;
        bytes += "\r\n";
    }
    FileResult result = WriteBytes(path, bytes, replace, durability);
    result.lossy = lossy;
    return result;
}

bool RecordNameLess(const std::string& a, const std::string& b) {
    std::string_view x(a), y(b);
    if (x.substr(0, 6) != y.substr(0, 6)) return x.substr(0, 6) < y.substr(0, 6);
    if (x.size() != y.size()) return x.size() < y.size();
    return x < y;
}

WorkFiles ScanWorkFiles(const Folders& folders) {
    WorkFiles found;
    std::error_code ec;
    for (fs::directory_iterator it(folders.Work(), ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = PathToUtf8(it->path().filename());
        std::string upper = ToUpper(name);
        if (upper.size() < 4 || upper.substr(upper.size() - 4) != ".BRG") continue;
        auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (StartsWith(upper, "BAKBAK")) {
            std::error_code rc;
            fs::remove(it->path(), rc);
        } else if (StartsWith(upper, "BAK")) {
            if ((name.size() == 16 || name.size() == 17) && digit(name[3]))
                found.backups.push_back(name.substr(3, name.size() - 7));
        } else if ((name.size() == 13 || name.size() == 14) && digit(name[0])) {
            found.work.push_back(name.substr(0, name.size() - 4));
        }
    }
    std::sort(found.work.begin(), found.work.end(), RecordNameLess);
    return found;
}

}  // namespace tallowen
