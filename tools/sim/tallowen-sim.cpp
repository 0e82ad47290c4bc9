// tallowen-sim shot KIND [--lang N] [--seed S] [--stage auction|play|done] [--progress N]
//                     FILE.bmp
//
// Draws one window of the simulated game client for a scripted board and writes it as a
// BMP: the client area for bidding, lasthand, lasttrick and score; the whole table window,
// standing at the screen origin, for tricks and buttons. Prints what the window shows as
// one JSON object in the form tallowen-read prints its readings, so the two can be compared.
// A last-hand window of the editions that need it is shot at the width the reader gives it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/Edition.h"
#include "common/Files.h"
#include "reading/Bmp.h"
#include "sim/SimClient.h"
#include "tools/ReadingJson.h"

using namespace tallowen;

namespace {

std::string Bidding(const SimClient& client) {
    return json::Auction(client.ExpectedAuction());
}

std::string LastHand(const SimClient& client) {
    return json::Hand(client.ExpectedHand());
}

std::string LastTrick(const SimClient& client) {
    return json::Trick(client.ExpectedTrick());
}

std::string Score(const SimClient& client) {
    return json::Score(client.ExpectedScore());
}

std::string Tricks(const SimClient& client) {
    int we = -1, they = -1;
    client.ExpectedTricks(we, they);
    return json::Tricks(true, we, they);
}

std::string Buttons(const SimClient& client) {
    return json::Buttons(client.ExpectedButtons());
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tallowen-sim shot KIND [--lang N] [--seed S] [--stage auction|play|done]\n"
                 "                    [--progress N] FILE.bmp\n"
                 "KIND: bidding, lasthand, lasttrick, score (a window's client area),\n"
                 "      tricks, buttons (the whole table window)\n"
                 "--progress: calls shown (auction) or tricks played (play); by default half\n");
    return 2;
}

struct Options {
    std::string kind, file;
    int language = 1;
    std::uint32_t seed = 1;
    SimStage stage = SimStage::Done;
    int progress = -1;
};

bool Parse(const std::vector<std::string>& args, Options& o) {
    if (args.empty() || args[0] != "shot") return false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool more = i + 1 < args.size();
        if (a == "--lang" && more) {
            o.language = std::atoi(args[++i].c_str());
        } else if (a == "--seed" && more) {
            o.seed = std::uint32_t(std::strtoul(args[++i].c_str(), nullptr, 10));
        } else if (a == "--progress" && more) {
            o.progress = std::atoi(args[++i].c_str());
        } else if (a == "--stage" && more) {
            const std::string s = args[++i];
            if (s == "auction")
                o.stage = SimStage::Auction;
            else if (s == "play")
                o.stage = SimStage::Play;
            else if (s == "done")
                o.stage = SimStage::Done;
            else
                return false;
        } else if (o.kind.empty()) {
            o.kind = a;
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            return false;
        }
    }
    return !o.file.empty() && IsEdition(o.language);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(std::vector<std::string>(argv + 1, argv + argc), o)) return Usage();
    static const std::vector<std::pair<std::string, int>> kinds = {
        {"bidding", 1}, {"lasttrick", 2}, {"lasthand", 3},
        {"score", 4},   {"tricks", 0},    {"buttons", 0}};
    int windowKind = -1;
    for (const auto& [name, k] : kinds)
        if (name == o.kind) windowKind = k;
    if (windowKind < 0) return Usage();

    SimDesktop desktop(Rect{0, 0, 1600, 1000});
    SimBoard board = MakeBoard(o.seed);
    SimClient client(desktop, nullptr, o.language, board);
    int progress = o.progress;
    if (progress < 0)
        progress = o.stage == SimStage::Auction ? int(board.calls.size()) / 2
                                                : std::max(1, board.played / 2);
    client.SetStage(o.stage, progress);
    client.OpenAll();
    const WindowHandle window = client.Handle(windowKind);
    desktop.SetTopmost(window, true);
    if (windowKind == 3 && HasWideCardWords(o.language)) {
        Rect r = desktop.WindowRect(window);
        r.right = r.left + 580;
        desktop.MoveWindow(window, r);
    }
    const Image555 picture = desktop.WindowPicture(window, windowKind != 0);
    if (FileResult r = SaveBmp(PathFromUtf8(o.file), picture); !r.ok) {
        std::fprintf(stderr, "tallowen-sim: %s\n", r.error.c_str());
        return 1;
    }
    const std::string json = o.kind == "bidding"     ? Bidding(client)
                             : o.kind == "lasthand"  ? LastHand(client)
                             : o.kind == "lasttrick" ? LastTrick(client)
                             : o.kind == "score"     ? Score(client)
                             : o.kind == "tricks"    ? Tricks(client)
                                                     : Buttons(client);
    std::printf("%s\n", json.c_str());
    return 0;
}
