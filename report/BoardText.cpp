#include "report/BoardText.h"

#include <algorithm>
#include <cstdlib>

#include "common/Notation.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "platform/CodePage.h"
#include "report/DdPage.h"

namespace tallowen {

namespace {

constexpr int kNameChars = 15;
constexpr int kNameColumns = 16;
constexpr int kWestColumn = 16;  // " S " and up to 13 ranks
constexpr int kNorthIndent = 18;
constexpr const char* kBoxPieces[4] = {" ----S--- ", "| W      |", "|      E |", " ---N---- "};

std::string CutChars(std::string_view text, std::size_t count) {
    auto chars = SplitChars(text);
    std::string out;
    for (std::size_t i = 0; i < chars.size() && i < count; ++i) out += chars[i];
    return out;
}

std::string SuitLine(const Deal& deal, int seat, int suit) {
    return " " + SuitLetter(suit) + " " + RanksOfSuit(deal, seat, suit);
}

void WriteAuctionBlock(TextTwin& twin, const Board& board) {
    const Deal& d = board.deal;
    const CodePage& page = twin.CodePageUsed();
    twin.TextRule();
    std::string seats = " ";
    for (int seat = 0; seat < 4; ++seat) seats += PadBytes(SeatName(seat), kTextCallWidth, page);
    twin.TextLine(seats);
    auto name = [&](int seat) {
        return PadBytes(CutChars(board.names[seat], kNameChars), kNameColumns, page);
    };
    twin.TextLine(" N " + name(0) + "S " + name(2));
    twin.TextLine(" W " + name(3) + "E " + name(1));
    twin.TextRule();
    for (int round = 1; round <= MinOf(d.Rounds, kMaxRounds); ++round) {
        std::string line = " ";
        for (int seat = 0; seat < 4; ++seat)
            line += PadBytes(Trim(d.Calls[round][seat]), kTextCallWidth, page);
        twin.TextLine(line);
    }
    twin.TextRule();
    twin.TextLine(TextContractLine(d, page));
    twin.TextRule();
}

void WriteDiagram(TextTwin& twin, const Deal& d) {
    const std::string indent(kNorthIndent, ' ');
    for (int suit = 3; suit >= 0; --suit)
        twin.TextOut(indent + SuitLine(d, ToInt(Seat::North), suit).substr(1));
    for (int suit = 3; suit >= 0; --suit) {
        std::string west = SuitLine(d, ToInt(Seat::West), suit);
        west.resize(MaxOf(kWestColumn, static_cast<int>(west.size())), ' ');
        twin.TextOut(west + kBoxPieces[suit] + SuitLine(d, ToInt(Seat::East), suit));
    }
    for (int suit = 3; suit >= 0; --suit)
        twin.TextOut(indent + SuitLine(d, ToInt(Seat::South), suit).substr(1));
}

void WritePlayGrid(TextTwin& twin, const Board& board) {
    const Deal& d = board.deal;
    const DdPlay* dd = board.dd && board.dd->play.analysed ? &board.dd->play : nullptr;
    PageText& text = twin.Text();
    text.Line(std::string(kTextPageRule, '-'));
    std::string numbers = "    ";
    for (int trick = 1; trick <= kTricks; ++trick)
        numbers += " " + std::string(trick < 10 ? " " : "") + NumText(trick) + " ";
    text.Line(numbers);
    text.Line(std::string(kTextPageRule, '-'));
    for (int seat = 0; seat < 4; ++seat) {
        std::string line = " " + SeatLetter(seat) + "  ";
        for (int t = 0; t < kTricks; ++t) {
            // Two characters (not bytes: a rank such as "é" takes two), padded with blanks.
            std::string card = CutChars(d.Cards[seat][t], 2);
            card.append(2 - MinOf(2, static_cast<int>(CharCount(card))), ' ');
            int mark = d.CardMarks[seat][t];
            line += (mark == 1   ? "["
                     : mark == 2 ? "("
                                 : " ") +
                    card +
                    (mark == 1   ? "]"
                     : mark == 2 ? ")"
                                 : " ");
        }
        text.Line(line);
        // The cards that gave tricks away double dummy, marked on a line of their own below.
        if (dd && std::any_of(dd->lost[seat].begin(), dd->lost[seat].end(),
                              [](int lost) { return lost > 0; })) {
            std::string marks = "    ";
            for (int t = 0; t < kTricks; ++t) marks += DdLostText(dd->lost[seat][t]);
            text.Line(marks.substr(0, marks.find_last_not_of(' ') + 1));
        }
    }
    if (board.dd) text.Line(" " + DdPlayText(d, board.dd->play, nullptr));
}

}  // namespace

void TextTwin::TextLine(std::string_view line) {
    if (buffering_ && buffer_.size() < kTextBufferLines)
        buffer_.emplace_back(line);
    else if (buffering_)
        overflow_.emplace_back(line);
    else
        text_.Line(line);
}

void TextTwin::TextOut(std::string_view line) {
    if (buffering_ && next_ < buffer_.size()) {
        std::string padded(line);
        padded.resize(MaxOf(kTextDiagramWidth, static_cast<int>(padded.size())), ' ');
        text_.Line(padded + buffer_[next_++]);
    } else {
        text_.Line(line);
    }
}

void TextTwin::StartBuffering() {
    buffering_ = true;
    buffer_.clear();
    overflow_.clear();
    next_ = 0;
}

void TextTwin::FlushBuffer() {
    buffering_ = false;
    while (next_ < buffer_.size())
        text_.Line(std::string(kTextDiagramWidth, ' ') + buffer_[next_++]);
    // Lines beyond the buffer's room follow the diagram.
    for (const std::string& line : overflow_)
        text_.Line(std::string(kTextDiagramWidth, ' ') + line);
    buffer_.clear();
    overflow_.clear();
    next_ = 0;
}

std::string RanksOfSuit(const Deal& deal, int seat, int suit) {
    std::string ranks;
    for (std::int16_t code : deal.SortedCodes[seat])
        if (code > 0 && CardSuit(code) == suit) ranks += RankText(CardRank(code));
    return ranks.empty() ? "-" : ranks;
}

std::string TextContractLine(const Deal& deal, const CodePage& page) {
    // The full-width colon needs a double-byte code page; elsewhere it would come out as "?".
    std::string colon = page.FromUtf8("：").lossy ? ":" : "：";
    // A passed-out board (or an unfinished auction) has no declarer: naming one (the seat left
    // from an earlier board, or North) would tell the reader somebody played it.
    std::string declarer = HasContract(deal) ? SeatName(deal.Declarer) + " " : "";
    std::string line = " Contract" + colon + " " + declarer + deal.Contract;
    if (deal.Result > 0) {
        line +=
            ", making " + NumText(deal.Result) + ",  " + NumText(std::abs(deal.DupPts)) + " pts.";
    } else if (deal.Result < 0) {
        line +=
            ",  down " + NumText(-deal.Result) + ",  -" + NumText(std::abs(deal.DupPts)) + " pts.";
    }
    return line;
}

std::string PadBytes(std::string_view text, int width, const CodePage& page) {
    std::string out(text);
    int used = ByteWidth(text, page);
    if (used < width) out.append(static_cast<std::size_t>(width - used), ' ');
    return out;
}

void WriteBoardTextHeader(TextTwin& twin, const Board& board) {
    twin.TextLine(std::string(kTextPageRule, '='));
    twin.TextLine(BoardHeaderText(board, false));
    const Deal& d = board.deal;
    if (auto vul = VulText(d.ScoreBefore[0].Vul, d.ScoreBefore[1].Vul)) twin.TextLine(*vul);
}

void WriteBoardText(TextTwin& twin, const Board& board) {
    twin.StartBuffering();
    WriteAuctionBlock(twin, board);
    WriteDiagram(twin, board.deal);
    twin.FlushBuffer();
    if (board.dd)
        for (const std::string& line : DdTextLines(*board.dd)) twin.Text().Line(line);
    WritePlayGrid(twin, board);
}

void WriteTextClosing(TextTwin& twin, std::string_view date, std::string_view program,
                      std::string_view version) {
    twin.Text().Line(std::string(date) + " Generated by " + std::string(program) + " Ver" +
                     std::string(version));
}

}  // namespace tallowen
