// Line breaking of a long path for the message area: the text is cut at backslashes so that
// each piece fits the window. Pure arithmetic over a text-width function; the window only
// prints the pieces where this puts them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

constexpr int kPathBreakX = 8;  // x of a line that continues a broken path

struct PathPiece {
    std::string text;
    int x = 0;
    int line = 0;  // line steps below the line the path started on
};

struct PathLayout {
    std::vector<PathPiece> pieces;
    int endX = 0;   // the message x after the path
    int lines = 0;  // line steps taken
};

using TextWidth = std::function<int(std::string_view)>;

// `x` is the message x, `usableWidth` the window's inner width minus 8. A piece is kept on the
// present line while x plus its width stays below the usable width. A part wider than the
// whole line is put on a line of its own (the window cuts it) rather than tried again.
PathLayout LayoutPath(int x, int usableWidth, const TextWidth& width, std::string_view text);

}  // namespace tallowen
