// Texts that carry HTML character-entity names ("&laquo;", "&eacute;", ...) turned into the
// characters they stand for, so that messages can be kept in plain ASCII source.
#pragma once

#include <string>
#include <string_view>

namespace tallowen {

// Every "&name;" of the Latin-1 entity names (and "amp", "quot", "lt", "gt") becomes its
// character in UTF-8; anything else, an unknown name included, is kept as written.
std::string DecodeEntities(std::string_view text);

}  // namespace tallowen
