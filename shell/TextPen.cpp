#include "shell/TextPen.h"

#include <vector>
#include "common/Notation.h"

#include "common/Text.h"
#include "common/Utf8.h"

namespace tallowen {

namespace {

constexpr int kStroke = 5;  // the drawn underscore

bool IsLevel(char c) {
    return c >= '1' && c <= '7';
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The prefix of `text` holding its first `chars` characters.
std::string_view Prefix(std::string_view text, const std::vector<std::string_view>& chars,
                        std::size_t count) {
    if (count == 0) return {};
    const std::string_view& last = chars[count - 1];
    return text.substr(0, std::size_t(last.data() + last.size() - text.data()));
}

}  // namespace

int RoundPx(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

void PrintHere(Surface& s, std::string_view text) {
    if (text.empty()) return;
    s.pen.curX += s.canvas.Text(Point{RoundPx(s.pen.curX), RoundPx(s.pen.curY)}, text, s.pen.font,
                                s.pen.colour);
}

void PrintLine(Surface& s, std::string_view text) {
    PrintHere(s, text);
    s.pen.curX = 0;
    s.pen.curY += s.canvas.TextHeight(s.pen.font);
}

void Prnt(Surface& s, std::string_view text) {
    s.pen.curX = s.pen.X;
    s.pen.curY = s.pen.Y;
    PrintHere(s, text);
    s.pen.X = RoundPx(s.pen.curX);
}

std::string truncText(Canvas& canvas, const FontSpec& font, std::string_view text, int width) {
    if (canvas.TextWidth(text, font) <= width) return std::string(text);
    // Widths grow with every character added: search the longest prefix that fits instead of
    // measuring every shorter one in turn.
    const std::vector<std::string_view> chars = SplitChars(text);
    std::size_t fits = 0, tooLong = chars.size();
    while (tooLong - fits > 1) {
        const std::size_t mid = (fits + tooLong) / 2;
        if (canvas.TextWidth(Prefix(text, chars, mid), font) <= width)
            fits = mid;
        else
            tooLong = mid;
    }
    return std::string(Prefix(text, chars, fits));
}

void truncTextPrint(Surface& s, std::string_view text, int width) {
    Prnt(s, truncText(s.canvas, s.pen.font, text, width));
}

void print_(Surface& s, std::string_view text) {
    const double drop = 0.9 * s.canvas.TextHeight(s.pen.font);
    std::size_t at = 0;
    for (std::size_t bar = text.find('_'); bar != std::string_view::npos;
         bar = text.find('_', at)) {
        PrintHere(s, text.substr(at, bar - at));
        const int x = RoundPx(s.pen.curX);
        const int y = RoundPx(s.pen.curY + drop);
        s.canvas.Line(Point{x, y}, Point{x + kStroke, y}, s.pen.colour, 1);
        s.pen.curX += kStroke;
        at = bar + 1;
    }
    PrintLine(s, text.substr(at));
}

void CrLf(Surface& s) {
    s.pen.X = kLeftMargin;
    s.pen.Y += kTextLineStep;
}

void Dsp_Bid(Surface& s, std::string_view call) {
    if (call.empty() || !IsLevel(call[0])) {
        if (call == kPassJapanese && !s.interfaceFont.empty()) {
            s.pen.font.face = s.interfaceFont;
            Prnt(s, call);
            s.pen.font.face = kTimes;
        } else {
            Prnt(s, call);
        }
        return;
    }
    Prnt(s, call.substr(0, 1));
    if (EndsWith(call, "NT")) {
        s.pen.X += RoundPx(0.2 * s.canvas.TextWidth("T", s.pen.font));
        Prnt(s, "NT");
        return;
    }
    const int suit = SuitIndex(call.substr(call.size() - 1));
    dspSuitMarkH(s.canvas, s.cards, s.pen.X, suit <= ToInt(Suit::Diamonds) ? s.pen.Y - 1 : s.pen.Y,
                 suit);
}

void DspContract(Surface& s, std::string_view contract, int mode) {
    if (contract.empty()) return;
    Prnt(s, contract.substr(0, 1));
    const std::string_view rest = contract.substr(1);
    const int suit = SuitIndex(rest);
    if (suit == kNoTrump) {
        s.pen.X += 2;
        Prnt(s, rest);
        return;
    }
    const int y = s.pen.Y - (suit == ToInt(Suit::Clubs) ? 4 : 3) + (mode == 1 ? 2 : 0);
    dspSuitMarkH(s.canvas, s.cards, s.pen.X, y, suit);
    if (rest.size() > 1) {
        s.pen.X += 2;
        Prnt(s, rest.substr(1));
    }
}

}  // namespace tallowen
