// The plain-text twin of a page: the same boards in a fixed-width layout for mail and forums,
// with the auction block printed beside the hand diagram.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/Board.h"
#include "report/PageText.h"

namespace tallowen {

class CodePage;

inline constexpr int kTextDiagramWidth = 45;
inline constexpr int kTextCallWidth = 8;
inline constexpr int kTextPageRule = 56;
inline constexpr int kTextAuctionRule = 40;
inline constexpr std::size_t kTextBufferLines = 30;

class TextTwin {
public:
    explicit TextTwin(const CodePage& page) : page_(page) {}

    // In buffering mode the line goes to the side buffer, else straight into the text.
    void TextLine(std::string_view line);
    void TextRule() { TextLine(std::string(kTextAuctionRule, '-')); }
    // A diagram line; in buffering mode padded to the diagram width and followed on the same
    // line by the next buffered line, if one is left.
    void TextOut(std::string_view line);
    void StartBuffering();
    // Ends buffering: the buffered lines not yet printed follow with an empty left part.
    void FlushBuffer();

    const CodePage& CodePageUsed() const { return page_; }
    PageText& Text() { return text_; }
    const PageText& Text() const { return text_; }

private:
    const CodePage& page_;
    PageText text_;
    bool buffering_ = false;
    std::vector<std::string> buffer_;
    std::vector<std::string> overflow_;  // lines beyond the buffer's room
    std::size_t next_ = 0;
};

// The display ranks of a seat's cards of one suit in the hand's order; "-" for a void.
std::string RanksOfSuit(const Deal& deal, int seat, int suit);
// " Contract： North 4S, making 4,  420 pts." (":" where the code page has no full-width colon).
std::string TextContractLine(const Deal& deal, const CodePage& page);
// The text padded with blanks to `width` columns, a double-byte character taking two.
std::string PadBytes(std::string_view text, int width, const CodePage& page);

void WriteBoardTextHeader(TextTwin& twin, const Board& board);
void WriteBoardText(TextTwin& twin, const Board& board);
// The last page of a run ends with the date and the program.
void WriteTextClosing(TextTwin& twin, std::string_view date, std::string_view program,
                      std::string_view version);

}  // namespace tallowen
