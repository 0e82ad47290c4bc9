// The double-dummy table and par of a board as the pages show them: a small table under the
// hand diagram in the HTML page, and plain lines under the diagram in the text twin.
#pragma once

#include <string>
#include <vector>

#include "report/DoubleDummy.h"
#include "report/PageStyle.h"
#include "report/PageText.h"

namespace tallowen {

// The style-sheet rules of the table and of the play's marks (written into the head only when
// double dummy is asked for).
std::string DdStyleRule(const PageStyle& style);
// "NS +420: 4S NS" in plain text; `marks` writes suit marks and entities for a page instead.
std::string DdParText(const DdPar& par, const PageStyle* marks);
void WriteDdHtml(PageText& page, const PageStyle& style, const DdResult& dd);
std::vector<std::string> DdTextLines(const DdResult& dd);

// The line under the play: the contract's double-dummy result before the opening lead and the
// tricks each side gave away, or why the play was not analysed.
std::string DdPlayText(const Deal& deal, const DdPlay& play, const PageStyle* marks);
// The mark after a card of the play table that gave `lost` tricks away; empty for none.
std::string DdLostHtml(int lost);
// The same in the text twin, four columns under the card ("^1").
std::string DdLostText(int lost);

}  // namespace tallowen
