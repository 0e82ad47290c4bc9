#include "common/FolderCheck.h"

#include <string>
#include <vector>

#include "common/Files.h"
#include "common/Text.h"

namespace tallowen {

namespace {

// The upper-cased folder names of a path, in order; "." and empty names dropped.
std::vector<std::string> UpperNames(const std::filesystem::path& path) {
    std::vector<std::string> names;
    std::string name;
    for (char c : ToUpper(PathToUtf8(path)) + "/") {
        if (c != '/' && c != '\\') {
            name += c;
            continue;
        }
        if (!name.empty() && name != ".") names.push_back(name);
        name.clear();
    }
    return names;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool NameRefused(std::string_view name, std::string_view word) {
    if (word == ".ZIP") return EndsWith(name, ".ZIP");
    if (word == "LH") return EndsWith(name, ".LZH") || EndsWith(name, ".LHA");
    if (word == "TMP") return name == "TMP";
    if (word == "TEMP") return name.substr(0, 4) == "TEMP";
    return false;
}

bool InsideFolder(const std::vector<std::string>& names, const std::vector<std::string>& outer) {
    if (outer.empty() || names.size() < outer.size()) return false;
    for (std::size_t i = 0; i < outer.size(); ++i)
        if (names[i] != outer[i]) return false;
    return true;
}

}  // namespace

bool UnsuitableFolder(const std::filesystem::path& folder,
                      const std::filesystem::path& windowsFolder,
                      std::span<const std::string_view> words) {
    std::vector<std::string> names = UpperNames(folder);
    for (std::string_view word : words) {
        if (word == "WIN" || word == "WINDOWS") {
            if (InsideFolder(names, UpperNames(windowsFolder))) return true;
            continue;
        }
        for (const std::string& name : names)
            if (NameRefused(name, word)) return true;
    }
    return false;
}

}  // namespace tallowen
