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

#include "common/Edition.h"
#include "common/Files.h"
#include "common/Notation.h"
#include "reading/Bidding.h"
#include "reading/Bmp.h"
#include "reading/Buttons.h"
#include "reading/CardImages.h"
#include "reading/LastHand.h"
#include "reading/LastTrick.h"
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"
#include "sim/ImageDesktop.h"
#include "sim/NullBackends.h"
#include "tools/ReadingJson.h"

using namespace tallowen;

namespace {

struct Reader {
    ImageDesktop desktop;
    ManualClock clock;
    RecordingSound sound;
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
    return json::Auction(CaptAuction(r.ctx));
}

std::string LastHand(Reader& r) {
    return json::Hand(CaptHand(r.ctx, false));
}

std::string LastTrick(Reader& r) {
    CardImageTable images;
    LoadCardImages(images, r.sound);
    TrickState state;
    return json::Trick(CaptTrick(r.ctx, images, state, TrickMode::Store));
}

std::string Score(Reader& r) {
    return json::Score(CaptScore(r.ctx));
}

std::string Tricks(Reader& r) {
    int we = -1, they = -1;
    if (r.box.located) CaptureTotalTricks(r.ctx, r.box, we, they);
    return json::Tricks(r.box.located, we, they);
}

std::string Buttons(Reader& r) {
    ButtonState buttons;
    ScanButtons(r.ctx, buttons);
    return json::Buttons(buttons.position);
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
    if (windowKind < 0 || file.empty() || !IsEdition(language)) return Usage();
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
