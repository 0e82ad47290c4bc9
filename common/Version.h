#pragma once

namespace tallowen {
inline constexpr const char* kVersion = "0.1.0";
}
