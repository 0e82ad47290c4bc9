// The double-dummy table and par of a board as the pages show them: a small table under the
// hand diagram in the HTML page, and plain lines under the diagram in the text twin.
#pragma once

#include <string>
#include <vector>

#include "report/DoubleDummy.h"
#include "report/PageStyle.h"
#include "report/PageText.h"

namespace tallowen {

// The style-sheet rule of the table (written into the head only when the table is asked for).
std::string DdStyleRule(const PageStyle& style);
// "NS +420: 4S NS" in plain text; `marks` writes suit marks and entities for a page instead.
std::string DdParText(const DdPar& par, const PageStyle* marks);
void WriteDdHtml(PageText& page, const PageStyle& style, const DdResult& dd);
std::vector<std::string> DdTextLines(const DdResult& dd);

}  // namespace tallowen
