#include "report/PageText.h"

#include "common/Text.h"

namespace tallowen {

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

char32_t Utf8CodePoint(std::string_view ch) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(ch[i]); };
    if (ch.empty()) return 0xFFFD;
    if (b(0) < 0x80) return b(0);
    int more = b(0) >= 0xF0 ? 3 : b(0) >= 0xE0 ? 2 : b(0) >= 0xC0 ? 1 : -1;
    if (more < 0 || ch.size() != static_cast<std::size_t>(more) + 1) return 0xFFFD;
    char32_t cp = b(0) & (0x3F >> more);
    for (int i = 1; i <= more; ++i) cp = cp << 6 | (b(i) & 0x3F);
    return cp;
}

namespace {
// A sequence that is no character: cut short, longer than needed, a surrogate, past U+10FFFF.
bool BrokenUtf8(std::string_view ch, char32_t cp) {
    if (cp == 0xFFFD) return ch != "\xEF\xBF\xBD";
    const std::size_t needed = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    return ch.size() != needed || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
}
}  // namespace

std::string PrintableText(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::string_view ch : SplitChars(line)) {
        const char32_t cp = Utf8CodePoint(ch);
        if (BrokenUtf8(ch, cp) || cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
            out += '?';
        else
            out += ch;
    }
    return out;
}

std::string HtmlForCodePage(std::string_view line, const CodePage& page) {
    if (!page.FromUtf8(line).lossy) return std::string(line);
    std::string out;
    for (std::string_view ch : SplitChars(line)) {
        if (page.FromUtf8(ch).lossy)
            out += "&#" + std::to_string(static_cast<std::uint32_t>(Utf8CodePoint(ch))) + ";";
        else
            out += ch;
    }
    return out;
}

FileResult SaveHtmlNew(const std::filesystem::path& path, const PageText& text,
                       const CodePage& page) {
    std::vector<std::string> lines = text.Lines();
    for (std::string& line : lines) line = HtmlForCodePage(PrintableText(line), page);
    return WriteTextLines(path, lines, page, false);
}

namespace {
std::vector<std::string> PrintableLines(const PageText& text) {
    std::vector<std::string> lines = text.Lines();
    for (std::string& line : lines) line = PrintableText(line);
    return lines;
}
}  // namespace

FileResult SaveText(const std::filesystem::path& path, const PageText& text, const CodePage& page) {
    return WriteTextLines(path, PrintableLines(text), page);
}

FileResult SaveTextNew(const std::filesystem::path& path, const PageText& text,
                       const CodePage& page) {
    return WriteTextLines(path, PrintableLines(text), page, false);
}

}  // namespace tallowen
