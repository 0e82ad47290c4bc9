// The parts every summary page shares: the document type, the head with its style sheet, the
// suit marks in the chosen style, and the validator badge at the foot.
#pragma once

#include <string>
#include <string_view>

#include "report/PageStyle.h"
#include "report/PageText.h"

namespace tallowen {

inline constexpr std::string_view kStrictDtd = "http://www.w3.org/TR/html4/strict.dtd";
inline constexpr std::string_view kLooseDtd = "http://www.w3.org/TR/html4/loose.dtd";
inline constexpr std::string_view kValidatorCheck = "http://validator.w3.org/check?uri=referer";
inline constexpr std::string_view kValidIcon = "http://www.w3.org/Icons/valid-html401";

// The page's character set as declared: Shift_JIS with Japanese display, UTF-8 otherwise.
std::string_view PageCharset(const PageStyle& style);

// The first text with Japanese display on, else the second, as one line.
void WriteLangChoice(PageText& page, const PageStyle& style, std::string_view japanese,
                     std::string_view english);

// The document type, the head and the start of the body. `date` is today's date in the short
// form of the system; `version` is written as given (" 2.2").
void WritePageHead(PageText& page, const PageStyle& style, std::string_view title,
                   std::string_view program, std::string_view version, std::string_view date);

// The markup of a suit mark (suit 0 clubs .. 3 spades), without a line break.
std::string SuitMarkup(const PageStyle& style, int suit);
void WriteSuitMark(PageText& page, const PageStyle& style, int suit);

// The validator badge and the end of the document.
void WritePageFoot(PageText& page, const PageStyle& style);

}  // namespace tallowen
