// Simulated client windows for the reading benchmarks: the text windows of every edition
// (bidding, score, last hand), each with the words it draws and what the readers should
// take from it, and a reader set up on a copy of the window's picture.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/Edition.h"
#include "reading/Bidding.h"
#include "reading/Buttons.h"
#include "reading/LastHand.h"
#include "reading/ReadingContext.h"
#include "reading/Score.h"
#include "reading/TricksCount.h"
#include "sim/Editions.h"
#include "sim/NullBackends.h"
#include "sim/SimClient.h"

namespace tallowen::bench {

struct SimReader {
    SimReader(const Image555& picture, int language, int kind)
        : desktop(picture, "sim"), ctx(desktop, clock, sound, windows) {
        windows.language = language;
        windows.handle[std::size_t(kind)] = ImageDesktop::kWindow;
        LoadGlyphTable(ctx.glyphs, sound);
        PrepareReading(ctx, box);
    }
    ImageDesktop desktop;
    ManualClock clock;  // waits cost nothing: the figures show the reading
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx;
    InfoBoxState box;
};

struct SimBenchWindow {
    int kind = 1;  // 1 bidding, 3 last hand, 4 score
    int language = 1;
    Image555 picture;
    std::vector<std::string> drawn;     // words as the client draws them (Latin script only)
    std::vector<std::string> expected;  // what the reader should report, field by field
    std::unique_ptr<SimReader> reader;

    // The reader's report, field by field in the order of `expected`.
    std::vector<std::string> Read() {
        std::vector<std::string> out;
        CaptureResult error = CaptureResult::Read;
        if (kind == 1) {
            const AuctionReading a = CaptAuction(reader->ctx);
            AuctionFields(a, out);
            error = a.result;
        } else if (kind == 3) {
            const HandReading h = CaptHand(reader->ctx, false);
            HandFields(h, out);
            error = h.result;
        } else {
            const ScoreReading s = CaptScore(reader->ctx);
            ScoreFields(s.scores, out);
            error = s.result;
        }
        out.push_back(std::to_string(Code(error)));
        return out;
    }

    static void AuctionFields(const AuctionReading& a, std::vector<std::string>& out) {
        out.insert(out.end(), a.headings.begin(), a.headings.end());
        out.push_back(std::to_string(a.rows));
        for (int r = 1; r <= kAuctionReadRows; ++r)
            for (int c = 0; c < 4; ++c) out.push_back(a.calls[std::size_t(c)][std::size_t(r)]);
    }
    static void HandFields(const HandReading& h, std::vector<std::string>& out) {
        for (int line = 0; line < 4; ++line) {
            out.push_back(h.names[std::size_t(line)]);
            for (int k = 0; k < kHandCards; ++k) {
                out.push_back(h.cards[std::size_t(line)][std::size_t(k)]);
                out.push_back(std::to_string(h.marks[std::size_t(line)][std::size_t(k)]));
            }
        }
    }
    static void ScoreFields(const ScorePair& s, std::vector<std::string>& out) {
        for (const ScoreVul& side : s) {
            out.push_back(std::to_string(side.Score));
            out.push_back(std::to_string(side.Vul));
        }
    }
};

inline bool IsLatin(const std::string& word) {
    for (unsigned char c : word)
        if (c >= 0x80) return false;
    return !word.empty();
}

inline void AddDrawn(std::vector<std::string>& drawn, const std::string& text) {
    std::string word;
    for (char c : text + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            if (IsLatin(word)) drawn.push_back(word);
            word.clear();
        }
    }
}

// Bidding, last hand and score windows of all ten editions (boards from fixed seeds).
inline std::vector<SimBenchWindow> MakeSimBenchWindows() {
    std::vector<SimBenchWindow> out;
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int kind : {1, 3, 4}) {
            SimDesktop desktop(Rect{0, 0, 1600, 1000});
            SimClient client(desktop, nullptr, language,
                             MakeBoard(std::uint32_t(40 + 3 * language + kind)));
            client.SetStage(SimStage::Done);
            client.OpenAll();
            const WindowHandle h = client.Handle(kind);
            if (kind == 3 && HasWideCardWords(language)) {  // as the reader widens it
                Rect r = desktop.WindowRect(h);
                r.right = r.left + 580;
                desktop.MoveWindow(h, r);
            }
            SimBenchWindow w;
            w.kind = kind;
            w.language = language;
            w.picture = desktop.WindowPicture(h, true);
            CaptureResult error = CaptureResult::Read;
            if (kind == 1) {
                const BiddingView v = client.Bidding();
                for (const auto& s : v.headings) AddDrawn(w.drawn, s);
                for (const auto& row : v.rows)
                    for (const auto& cell : row) AddDrawn(w.drawn, cell);
                const AuctionReading a = client.ExpectedAuction();
                SimBenchWindow::AuctionFields(a, w.expected);
                error = a.result;
            } else if (kind == 3) {
                const HandView v = client.Hand();
                for (int line = 0; line < 4; ++line) {
                    AddDrawn(w.drawn, v.names[std::size_t(line)]);
                    for (const auto& word : v.words[std::size_t(line)]) AddDrawn(w.drawn, word);
                }
                const HandReading hand = client.ExpectedHand();
                SimBenchWindow::HandFields(hand, w.expected);
                error = hand.result;
            } else {
                const ScoreView v = client.Score();
                for (int i = 0; i < 2; ++i) {
                    AddDrawn(w.drawn, v.sides[std::size_t(i)]);
                    AddDrawn(w.drawn, v.vulnerable[std::size_t(i)]);
                    AddDrawn(w.drawn, v.scores[std::size_t(i)]);
                }
                const ScoreReading s = client.ExpectedScore();
                SimBenchWindow::ScoreFields(s.scores, w.expected);
                error = s.result;
            }
            w.expected.push_back(std::to_string(Code(error)));
            w.reader = std::make_unique<SimReader>(w.picture, language, kind);
            out.push_back(std::move(w));
        }
    }
    return out;
}

}  // namespace tallowen::bench
