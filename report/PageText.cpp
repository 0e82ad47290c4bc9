#include "report/PageText.h"

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

FileResult SaveText(const std::filesystem::path& path, const PageText& text, const CodePage& page) {
    return WriteTextLines(path, text.Lines(), page);
}

}  // namespace tallowen
