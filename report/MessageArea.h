// The utility's message area as lines of placed text: each message is cut into runs by font
// (bold for ":", "." and ",", the interface font for double-byte characters, "Arial" for the
// rest), printed at the message x of the present line, and a long path is broken at its
// backslashes to fit. Pure layout over a width function: the window measures in its fonts and
// paints the pieces; tests measure with a fixed width.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/MessageSink.h"

namespace tallowen {

class CodePage;

inline constexpr int kMessageMargin = 8;     // x of a fresh line
inline constexpr int kMessageLineStep = 16;  // pixels from one line to the next

enum class MessageFont { Latin, LatinBold, Interface };

struct MessageRun {
    std::string text;
    MessageFont font = MessageFont::Latin;
};

// The runs a message is printed in. `wholeInInterface`: the Japanese display is on and its
// font ("メイリオ") is installed, so that the whole text takes the interface font.
std::vector<MessageRun> MessageRuns(std::string_view text, const CodePage& page,
                                    bool wholeInInterface);

// Width in pixels of a run's text in its font.
using RunWidth = std::function<int(std::string_view text, MessageFont font)>;

struct MessagePiece {
    std::string text;
    int x = 0;
    int line = 0;  // 0 is the top line
};

class MessageArea final : public MessageSink {
public:
    MessageArea(RunWidth width, const CodePage& page, int innerWidth)
        : width_(std::move(width)), page_(page), innerWidth_(innerWidth) {}

    void SetWholeInInterface(bool on) { wholeInInterface_ = on; }
    bool WholeInInterface() const { return wholeInInterface_; }

    void Print(std::string_view text) override;
    void PrintPath(std::string_view text) override;
    void NewLines(int n) override;
    bool FitsWidth(std::string_view text, double fraction) const override;

    std::vector<MessageRun> Runs(std::string_view text) const {
        return MessageRuns(text, page_, wholeInInterface_);
    }
    int TextWidth(std::string_view text) const;

    int Line() const { return line_; }
    int X() const { return x_; }
    // Pieces in printing order; their lines never decrease.
    const std::vector<MessagePiece>& Pieces() const { return pieces_; }
    // The index range [first, last) of the pieces on lines `top` to `bottom`.
    std::pair<std::size_t, std::size_t> PiecesOnLines(int top, int bottom) const;
    // Every line so far as plain text, joined by CR LF (what the window's text reads).
    std::string Text() const;

private:
    void Put(std::string text, int x, int line);

    RunWidth width_;
    const CodePage& page_;
    int innerWidth_;
    bool wholeInInterface_ = false;
    int x_ = kMessageMargin;
    int line_ = 0;
    std::vector<MessagePiece> pieces_;
};

}  // namespace tallowen
