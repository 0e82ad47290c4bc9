// The version of both programs: their captions, their pages, the release's name.
#pragma once

namespace tallowen {
inline constexpr const char* kVersion = "2.2";
}
