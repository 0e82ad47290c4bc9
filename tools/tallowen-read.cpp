// tallowen-read KIND [--lang N] FILE.bmp
//
// Runs one of the window readers on a saved screenshot and prints what it read as one JSON
// object. For bidding, lasthand, lasttrick and score the picture is that window's client
// area; for tricks and buttons it is the whole table window, standing at the screen origin.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/Files.h"
#include "common/Notation.h"
#include "reading/Bidding.h"
#include "reading/Bmp.h"
#include "reading/Buttons.h"
#include "reading/CardImages.h"
#include "reading/ImageDesktop.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"

using namespace tallowen;

namespace {

std::string Quote(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

template <typename List, typename Item>
std::string Array(const List& list, Item item) {
    std::string out = "[";
    bool first = true;
    for (const auto& v : list) {
        if (!first) out += ",";
        first = false;
        out += item(v);
    }
    return out + "]";
}

std::string Num(long long n) {
    return std::to_string(n);
}
std::string Text(const std::string& s) {
    return Quote(s);
}

struct Reader {
    ImageDesktop desktop;
    ManualClock clock;
    CountingSound sound;
    GameWindows windows;
    ReadingContext ctx{desktop, clock, sound, windows};
    InfoBoxState box;

    Reader(Image555 image, int language, int kind) : desktop(std::move(image), "tallowen-read") {
        windows.language = language;
        if (kind == 0)
            windows.table = ImageDesktop::kWindow;
        else
            windows.handle[std::size_t(kind)] = ImageDesktop::kWindow;
        LoadGlyphTable(ctx.glyphs, sound);
        PrepareReading(ctx, box);
    }
};

std::string Bidding(Reader& r) {
    AuctionReading record;
    std::int32_t error = 0;
    CaptAuction(r.ctx, record, error);
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row <= std::min(record.rows, kAuctionReadRows); ++row)
        rows.push_back({record.calls[0][std::size_t(row)], record.calls[1][std::size_t(row)],
                        record.calls[2][std::size_t(row)], record.calls[3][std::size_t(row)]});
    return "{\"error\":" + Num(error) + ",\"headings\":" + Array(record.headings, Text) +
           ",\"rows\":" + Num(record.rows) +
           ",\"calls\":" + Array(rows, [](const auto& row) { return Array(row, Text); }) + "}";
}

std::string LastHand(Reader& r) {
    HandReading hand;
    std::int32_t error = 0;
    CaptHand(r.ctx, hand, error, false);
    return "{\"error\":" + Num(error) + ",\"names\":" + Array(hand.names, Text) +
           ",\"cards\":" + Array(hand.cards, [](const auto& line) { return Array(line, Text); }) +
           ",\"marks\":" +
           Array(hand.marks,
                 [](const auto& line) { return Array(line, [](int m) { return Num(m); }); }) +
           "}";
}

std::string LastTrick(Reader& r) {
    CardImageTable images;
    LoadCardImages(images, r.sound);
    TrickState state;
    std::array<int, 4> suits{}, ranks{};
    CaptTrick(r.ctx, images, state, suits, ranks, TrickMode::Store);
    auto num = [](int n) { return Num(n); };
    return "{\"suits\":" + Array(suits, num) + ",\"ranks\":" + Array(ranks, num) + "}";
}

std::string Score(Reader& r) {
    ScorePair scores;
    std::int32_t error = 0;
    CaptScore(r.ctx, scores, error);
    return "{\"error\":" + Num(error) + ",\"scores\":[" + Num(scores[0].Score) + "," +
           Num(scores[1].Score) + "],\"vul\":[" + Num(scores[0].Vul) + "," + Num(scores[1].Vul) +
           "]}";
}

std::string Tricks(Reader& r) {
    int we = -1, they = -1;
    if (r.box.located) CaptureTotalTricks(r.ctx, r.box, we, they);
    return std::string("{\"found\":") + (r.box.located ? "true" : "false") + ",\"we\":" + Num(we) +
           ",\"they\":" + Num(they) + "}";
}

std::string Buttons(Reader& r) {
    ButtonState buttons;
    ScanButtons(r.ctx, buttons);
    static const char* const names[] = {"", "bidding", "trick", "hand", "score"};
    std::string out = "{";
    for (int b = 1; b <= 4; ++b) {
        const Point p = buttons.position[std::size_t(b)];
        if (p.x == 0 && p.y == 0) continue;
        if (out.size() > 1) out += ",";
        out += Quote(names[b]) + ":[" + Num(p.x) + "," + Num(p.y) + "]";
    }
    return out + "}";
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tallowen-read KIND [--lang N] FILE.bmp\n"
                 "KIND: bidding, lasthand, lasttrick, score (a window's client area),\n"
                 "      tricks, buttons (the whole table window)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string kind, file;
    int language = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) {
            language = std::atoi(args[++i].c_str());
        } else if (kind.empty()) {
            kind = args[i];
        } else if (file.empty()) {
            file = args[i];
        } else {
            return Usage();
        }
    }
    static const std::vector<std::pair<std::string, int>> kinds = {
        {"bidding", 1}, {"lasttrick", 2}, {"lasthand", 3},
        {"score", 4},   {"tricks", 0},    {"buttons", 0}};
    int windowKind = -1;
    for (const auto& [name, k] : kinds)
        if (name == kind) windowKind = k;
    if (windowKind < 0 || file.empty() || language < 1 || language > kLanguageCount) return Usage();
    BmpRead bmp = LoadBmp(PathFromUtf8(file));
    if (!bmp.ok) {
        std::fprintf(stderr, "tallowen-read: %s\n", bmp.error.c_str());
        return 1;
    }
    Reader reader(std::move(bmp.image), language, windowKind);
    std::string json = kind == "bidding"     ? Bidding(reader)
                       : kind == "lasthand"  ? LastHand(reader)
                       : kind == "lasttrick" ? LastTrick(reader)
                       : kind == "score"     ? Score(reader)
                       : kind == "tricks"    ? Tricks(reader)
                                             : Buttons(reader);
    std::printf("%s\n", json.c_str());
    return 0;
}
