// Texts that carry HTML character-entity names ("&laquo;", "&eacute;", ...) turned into the
// characters they stand for, so that messages can be kept in plain ASCII source.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace tallowen {

// Every "&name;" of the Windows-1252 entity names (and "amp", "quot", "lt", "gt") becomes its
// character in UTF-8; anything else, an unknown name included, is kept as written.
std::string DecodeEntities(std::string_view text);

// The text as single-byte Windows-1252 characters for drawing: "&name;" becomes the code
// 128..255 of that name (a blank for "nbsp", '"' for "quot", '&' for "amp", nothing for an
// unknown name); other characters 32..126 stay; everything else is dropped. An "&" with no
// ";" within a name's length is an ordinary "&".
std::string EntityToSingleByte(std::string_view text);
// Windows-1252 bytes back to UTF-8 for a canvas; codes with no character are dropped.
std::string SingleByteToUtf8(std::string_view bytes);
// Draws the text, converted as EntityToSingleByte does, at (x, y); returns its width.
int DrawEntityText(Canvas& target, int x, int y, std::string_view text, const FontSpec& font,
                   std::uint32_t colour);

}  // namespace tallowen
