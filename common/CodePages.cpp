#include "common/CodePages.h"

#include "common/Utf8.h"

namespace tallowen {

namespace {
// Each character up to `last` (but the controls 128-159) as its one byte; the others as "?".
Converted ToSingleBytes(std::string_view utf8, char32_t last) {
    Converted out;
    out.text.reserve(utf8.size());
    for (const Utf8Char& ch : Utf8Chars(utf8)) {
        if (ch.valid && ch.code <= last && (ch.code < 0x80 || ch.code > 0x9F)) {
            out.text += static_cast<char>(ch.code);
        } else {
            out.text += '?';
            out.lossy = true;
        }
    }
    return out;
}
}  // namespace

Converted AsciiCodePage::FromUtf8(std::string_view utf8) const {
    return ToSingleBytes(utf8, 0x7F);
}

Converted Latin1CodePage::ToUtf8(std::string_view bytes) const {
    Converted out;
    out.text.reserve(bytes.size());
    for (char ch : bytes) AppendUtf8(out.text, static_cast<unsigned char>(ch));
    return out;
}

Converted Latin1CodePage::FromUtf8(std::string_view utf8) const {
    return ToSingleBytes(utf8, 0xFF);
}

}  // namespace tallowen
