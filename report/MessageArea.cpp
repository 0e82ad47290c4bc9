#include "report/MessageArea.h"

#include <algorithm>

#include "common/PrintPath.h"
#include "common/Utf8.h"
#include "platform/CodePage.h"

namespace tallowen {

namespace {

// A character the code page holds only in two bytes, or not at all, is drawn in the interface
// font: the Latin face has no glyph for it.
bool NeedsInterfaceFont(std::string_view ch, const CodePage& page) {
    if (ch.empty() || static_cast<unsigned char>(ch[0]) < 0x80) return false;
    Converted bytes = page.FromUtf8(ch);
    return bytes.lossy || bytes.text.size() >= 2;
}

MessageFont FontOf(std::string_view ch, const CodePage& page) {
    if (ch == ":" || ch == "." || ch == ",") return MessageFont::LatinBold;
    if (ch != "\\" && NeedsInterfaceFont(ch, page)) return MessageFont::Interface;
    return MessageFont::Latin;
}

}  // namespace

std::vector<MessageRun> MessageRuns(std::string_view text, const CodePage& page,
                                    bool wholeInInterface) {
    std::vector<MessageRun> runs;
    if (text.empty()) return runs;
    if (wholeInInterface) {
        runs.push_back({std::string(text), MessageFont::Interface});
        return runs;
    }
    for (std::string_view ch : SplitChars(text)) {
        MessageFont font = FontOf(ch, page);
        if (runs.empty() || runs.back().font != font) runs.push_back({"", font});
        runs.back().text.append(ch);
    }
    return runs;
}

int MessageArea::TextWidth(std::string_view text) const {
    int total = 0;
    for (const MessageRun& run : Runs(text)) total += width_(run.text, run.font);
    return total;
}

void MessageArea::Put(std::string text, int x, int line) {
    if (text.empty()) return;
    pieces_.push_back({std::move(text), x, line});
}

void MessageArea::Print(std::string_view text) {
    Put(std::string(text), x_, line_);
    x_ += TextWidth(text);
}

void MessageArea::PrintPath(std::string_view text) {
    PathLayout layout = LayoutPath(
        x_, innerWidth_ - 8, [this](std::string_view part) { return TextWidth(part); }, text);
    for (PathPiece& piece : layout.pieces) Put(std::move(piece.text), piece.x, line_ + piece.line);
    line_ += layout.lines;
    x_ = layout.endX;
}

void MessageArea::NewLines(int n) {
    x_ = kMessageMargin;
    line_ += std::max(n, 0);
}

bool MessageArea::FitsWidth(std::string_view text, double fraction) const {
    return TextWidth(text) < fraction * innerWidth_;
}

std::pair<std::size_t, std::size_t> MessageArea::PiecesOnLines(int top, int bottom) const {
    auto first = std::partition_point(pieces_.begin(), pieces_.end(),
                                      [top](const MessagePiece& p) { return p.line < top; });
    auto last = std::partition_point(first, pieces_.end(),
                                     [bottom](const MessagePiece& p) { return p.line <= bottom; });
    return {std::size_t(first - pieces_.begin()), std::size_t(last - pieces_.begin())};
}

std::string MessageArea::Text() const {
    std::string all;
    int line = 0;
    for (const MessagePiece& piece : pieces_) {
        for (; line < piece.line; ++line) all += "\r\n";
        all += piece.text;
    }
    return all;
}

}  // namespace tallowen
