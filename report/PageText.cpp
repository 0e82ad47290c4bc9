#include "report/PageText.h"

#include "common/Utf8.h"

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

std::string PrintableText(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (const Utf8Char& ch : Utf8Chars(line)) {
        if (!ch.valid || ch.code < 0x20 || (ch.code >= 0x7F && ch.code <= 0x9F))
            out += '?';
        else
            out += ch.bytes;
    }
    return out;
}

std::string HtmlForCodePage(std::string_view line, const CodePage& page) {
    if (!page.FromUtf8(line).lossy) return std::string(line);
    std::string out;
    for (const Utf8Char& ch : Utf8Chars(line)) {
        if (page.FromUtf8(ch.bytes).lossy)
            out += "&#" + std::to_string(static_cast<std::uint32_t>(ch.code)) + ";";
        else
            out += ch.bytes;
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
