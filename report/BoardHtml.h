// The HTML of one board: header, bidding table, hand diagram and play table. Cells are not
// closed (HTML 4.01 lets the end tags of td and tr be left out).
#pragma once

#include <string_view>

#include "report/Board.h"
#include "report/PageText.h"

namespace tallowen {

void WriteBoardHeader(PageText& page, const Board& board);
void WriteBidTable(PageText& page, const PageContext& ctx, const Board& board);
void WriteBidCell(PageText& page, const PageStyle& style, std::string_view call);
void WriteSuitCell(PageText& page, const PageStyle& style, int suit);
void WriteEmptyCells(PageText& page, int n);
void WriteHandTable(PageText& page, const PageContext& ctx, const Board& board);
void prnHTM_HandName(PageText& page, const PageContext& ctx, const Board& board, int seat);
void print_Cards(PageText& page, const Board& board, int seat, int suit);
void write_HtmPlay(PageText& page, const PageStyle& style, const Board& board);
// The rule that ends a page holding boards.
void WritePageEndRule(PageText& page);

// The whole board, in page order.
void WriteBoardHtml(PageText& page, const PageContext& ctx, const Board& board);

}  // namespace tallowen
