// CRC-32 (the polynomial of zip, PNG and Ethernet), for files that must notice damage.
#pragma once

#include <cstdint>
#include <string_view>

namespace tallowen {

std::uint32_t Crc32(std::string_view bytes);

}  // namespace tallowen
