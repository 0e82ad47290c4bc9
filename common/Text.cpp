#include "common/Text.h"

#include <charconv>
#include <cmath>
#include <numeric>

#include "common/Utf8.h"
#include "platform/CodePage.h"

namespace tallowen {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// ASCII letters and the Latin-1 ones À..Þ (but ×) pair with their small forms 0x20 above
// (but ÷); within each pair both forms have as many bytes, so the text keeps its length.
std::string MapCase(std::string_view text, bool lower) {
    std::string out;
    out.reserve(text.size());
    for (const Utf8Char& ch : Utf8Chars(text)) {
        const char32_t c = ch.code;
        char32_t mapped = c;
        if (lower && ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)))
            mapped = c + 0x20;
        if (!lower && ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)))
            mapped = c - 0x20;
        if (mapped == c)
            out += ch.bytes;
        else
            AppendUtf8(out, mapped);
    }
    return out;
}
}  // namespace

std::string Trim(std::string_view t) {
    std::size_t b = 0, e = t.size();
    while (b < e && IsBlank(t[b])) ++b;
    while (e > b && IsBlank(t[e - 1])) --e;
    return std::string(t.substr(b, e - b));
}

std::string TrimLeft(std::string_view t) {
    std::size_t b = 0;
    while (b < t.size() && IsBlank(t[b])) ++b;
    return std::string(t.substr(b));
}

std::string ToLower(std::string_view text) {
    return MapCase(text, true);
}
std::string ToUpper(std::string_view text) {
    return MapCase(text, false);
}
bool EqualsNoCase(std::string_view a, std::string_view b) {
    return ToLower(a) == ToLower(b);
}
bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && (IsBlank(text[i]) || text[i] == '\n' || text[i] == '\r')) ++i;
    };
    skip();
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0, scale = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (IsBlank(c)) continue;
        if (c == '.' && scale == 0) {
            scale = 1;
        } else if (c >= '0' && c <= '9') {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            break;
        }
    }
    return sign * value;
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    if (value > 9.2e18) value = 9.2e18;
    if (value < -9.2e18) value = -9.2e18;
    return static_cast<std::int64_t>(std::nearbyint(value));  // default mode: halves to even
}

std::int32_t SecondsToMs(float seconds) {
    float ms = seconds * 1000.0f;
    if (!(ms < 2147483647.0f)) return ms > 0 ? 2147483647 : 0;
    if (ms < -2147483648.0f) return -2147483647 - 1;
    return static_cast<std::int32_t>(RoundHalfEven(ms));
}

std::string PopToken(std::string& text) {
    text = Trim(text);
    std::size_t cut = text.find(',');
    if (cut == std::string::npos) cut = text.find(' ');
    if (cut == std::string::npos) cut = text.find('\t');
    std::string item;
    if (cut == std::string::npos) {
        item = text;
        text.clear();
    } else {
        item = text.substr(0, cut);
        text = TrimLeft(std::string_view(text).substr(cut + 1));
    }
    return item;
}

std::int32_t PopNumber(std::string& text) {
    std::int64_t n = RoundHalfEven(LeadingNumber(PopToken(text)));
    if (n > 2147483647) return 2147483647;
    if (n < -2147483647 - 1) return -2147483647 - 1;
    return static_cast<std::int32_t>(n);
}

void ReadLineItems(std::string line, std::vector<std::string>& items) {
    for (auto& item : items) item = PopToken(line);
}

std::string StripQuotes(std::string_view text) {
    std::string t = Trim(text);
    std::size_t q = t.find('"');
    if (q == std::string::npos) return t;
    std::string rest = t.substr(q + 1);
    std::size_t e = rest.find('"');
    return e == std::string::npos ? rest : rest.substr(0, e);
}

std::string StripMarks(std::string_view text) {
    std::string t = Trim(text);
    std::size_t b = 0, e = t.size();
    while (b < e && t[b] == '?') ++b;
    while (e > b && t[e - 1] == '?') --e;
    return t.substr(b, e - b);
}

std::string NumText(std::int64_t n) {
    return std::to_string(n);
}

std::vector<std::string> SortStrings(const std::vector<std::string>& list, int order) {
    std::size_t count = 0;
    while (count < list.size() && !list[count].empty()) ++count;
    std::vector<std::size_t> index(count);
    std::iota(index.begin(), index.end(), 0);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < count; ++j)
            if (list[index[j]] < list[index[best]]) best = j;
        std::swap(index[i], index[best]);
    }
    std::vector<std::string> sorted;
    sorted.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        sorted.push_back(list[index[order == 1 ? k : count - 1 - k]]);
    return sorted;
}

std::string CleanName(std::string_view name) {
    std::string n(name);
    if (!n.empty() && (n[0] == '{' || n[0] == '<')) {
        // The last character may be a Japanese one of several bytes; it goes whole.
        auto chars = SplitChars(n);
        n = chars.size() >= 2 ? n.substr(1, n.size() - 1 - chars.back().size()) : "";
    }
    std::size_t p = n.find('(');
    return p == std::string::npos ? n : n.substr(0, p);
}

bool NamesMatch(std::string_view a, std::string_view b) {
    std::string x = CleanName(a), y = CleanName(b);
    if (x.size() > y.size()) std::swap(x, y);
    return !x.empty() && StartsWith(y, x);
}

std::string DisplayPath(std::string_view path) {
    std::string upper = ToUpper(path), lower = ToLower(path);
    std::string out;
    bool capital = true;
    for (auto ch : SplitChars(upper)) {
        out += capital ? std::string(ch) : ToLower(ch);
        capital = ch == " " || ch == ":" || ch == "/" || ch == "\\" || ch == "_" || ch == ".";
    }
    // "doc" and "hand" are looked for in the text as capitalised so far, so that they get
    // their capital inside a word ("Mydocs" gives "MyDocs") even after a capitalised one.
    if (auto p = out.find("doc"); p != std::string::npos) out[p] = 'D';
    if (auto p = out.find("hand"); p != std::string::npos) out[p] = 'H';
    // The case maps keep byte lengths, so positions in `lower` and `upper` hold in `out`.
    if (auto p = upper.find("IBM"); p != std::string::npos) out.replace(p, 3, "IBM");
    if (auto p = lower.find("tallowens"); p != std::string::npos) out.replace(p, 9, "TallowenS");
    if (auto p = lower.find(".zip"); p != std::string::npos) out.resize(p + 4);
    return out;
}

bool IsWide(std::string_view ch, const CodePage& page) {
    if (ch.empty() || static_cast<unsigned char>(ch[0]) < 0x80) return false;
    return page.FromUtf8(ch).text.size() >= 2;
}

bool HasWide(std::string_view text, const CodePage& page) {
    for (auto ch : SplitChars(text))
        if (IsWide(ch, page)) return true;
    return false;
}

int ByteWidth(std::string_view text, const CodePage& page) {
    int width = 0;
    for (auto ch : SplitChars(text)) width += IsWide(ch, page) ? 2 : 1;
    return width;
}

bool NumberInRange(std::string_view text, long long low, long long high, long long& out) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end || value < low || value > high) return false;
    out = value;
    return true;
}

}  // namespace tallowen
