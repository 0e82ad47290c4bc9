// Text widths for fitting player names into the page's cells, measured as the utility's window
// measures them: 14-point fonts at 96 dots per inch, in pixels.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tallowen {

enum class FontFace {
    TimesNewRoman,  // names in the hand diagram and the play table
    CourierNew,     // names in the bidding table
};

class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    virtual int TextWidth(std::string_view utf8, FontFace face) const = 0;
};

struct FontWidth {
    char32_t ch = 0;
    int advance = 0;  // font units
};
struct FontWidthTable {
    int unitsPerEm = 2048;
    std::span<const FontWidth> widths;  // sorted by character
};
// Generated from the metric-compatible Liberation fonts (tools/font_widths.py).
extern const FontWidthTable kSerifWidths;
extern const FontWidthTable kMonoWidths;

inline constexpr int kReportFontPoints = 14;
inline constexpr int kScreenDpi = 96;

// Widths from the committed tables: each character's advance scaled to the pixel size of the
// font and rounded, as the system adds up whole-pixel advances. A character the table lacks
// (a Japanese one, say) counts one em.
class TableFontMetrics final : public FontMetrics {
public:
    int TextWidth(std::string_view utf8, FontFace face) const override;
    static int PixelsPerEm();  // 14 points at 96 dpi: 19 pixels
};

// Removes characters from the end until the text is narrower than `width` (Times New Roman).
std::string TruncToWidth(const FontMetrics& metrics, std::string_view text, int width);

inline constexpr int kBidNamesWidth = 350;
// While the four names together are `total` wide or wider (Courier New), removes the last
// character of the widest name (the first of equally wide ones in seat order).
void FitNames(const FontMetrics& metrics, std::array<std::string, 4>& names,
              int total = kBidNamesWidth);

}  // namespace tallowen
