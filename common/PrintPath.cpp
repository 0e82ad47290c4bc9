#include "common/PrintPath.h"

#include "common/Utf8.h"

namespace tallowen {

namespace {

struct PathCursor {
    PathLayout& out;
    int x;
    int usable;
    bool lineHasText;  // something of this path or an earlier message stands on the line

    void NewLine() {
        ++out.lines;
        x = kPathBreakX;
        lineHasText = false;
    }
    // Puts a piece on the present line, or on the next when it does not fit and the present
    // line already has something on it. A fresh line takes it whatever its width.
    void Place(std::string_view piece, int w) {
        if (x + w >= usable && lineHasText) NewLine();
        out.pieces.push_back({std::string(piece), x, out.lines});
        x += w;
        lineHasText = true;
    }
};

// Byte offset of the n-th character (0-based), or the text's size.
std::size_t CharOffset(std::string_view text, std::size_t n) {
    std::size_t offset = 0;
    for (auto ch : SplitChars(text)) {
        if (n-- == 0) return offset;
        offset += ch.size();
    }
    return text.size();
}

}  // namespace

PathLayout LayoutPath(int x, int usableWidth, const TextWidth& width, std::string_view text) {
    PathLayout out;
    int whole = width(text);
    if (x + whole < usableWidth) {
        out.pieces.push_back({std::string(text), x, 0});
        out.endX = x + whole;
        return out;
    }
    // The line is taken as holding text unless the message x stands at the break x or left
    // of it, where nothing can precede the path.
    PathCursor cursor{out, x, usableWidth, x > kPathBreakX};
    std::string_view rest = text;
    // The first search starts at the fourth character so that "C:\" stays with its folder.
    std::size_t from = CharOffset(rest, 3);
    for (;;) {
        std::size_t cut = rest.find('\\', from);
        if (cut == std::string_view::npos) break;
        std::string_view part = rest.substr(0, cut);
        cursor.Place(part, width(part));
        rest = rest.substr(cut);  // keeps the backslash
        from = 1;
    }
    if (!rest.empty()) cursor.Place(rest, width(rest));
    out.endX = cursor.x;
    return out;
}

}  // namespace tallowen
