// Where a program must not run from: an archive opened as a folder, a temporary folder, the
// Windows folder. Each program names what it refuses with its own list of words; the words
// apply to the folder names of the path, never to any run of letters in it, so that
// "C:\Users\Edwin", "Contemporary" or "Lhasa" are fine.
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string_view>

namespace tallowen {

// The watcher's words, checked at its start-up.
inline constexpr std::array<std::string_view, 5> kWatcherFolderWords{".ZIP", "LH", "TMP", "TEMP",
                                                                     "WIN"};

// True when a folder name of `folder` (in any case) matches one of `words`:
//   ".ZIP"          a name ending in ".zip" (an archive opened as a folder)
//   "LH"            a name ending in ".lzh" or ".lha"
//   "TMP"           a name "tmp"
//   "TEMP"          a name beginning with "temp" ("Temp", "Temporary Internet Files")
//   "WIN", "WINDOWS" `folder` is `windowsFolder` or lies inside it (empty: never)
// Other words refuse nothing. Both "/" and "\" separate names, so that a Windows path reads
// the same on every system.
bool UnsuitableFolder(const std::filesystem::path& folder,
                      const std::filesystem::path& windowsFolder,
                      std::span<const std::string_view> words);

}  // namespace tallowen
