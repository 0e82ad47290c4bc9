#include "shell/CaptureResults.h"

#include <array>
#include <string>
#include <string_view>

#include "shell/CaptureSupport.h"

namespace tallowen {

namespace {

using R = CaptureResult;

enum class Act {
    Nothing,
    Missing,     // the window is not open (once the table has been up a while)
    Error,       // an error message, in the English or the Japanese interface
    ManualOnly,  // the numbered message of the result, for a manual capture only
};

// One capture's answer to a result. In a text, %Q is the window's title in double quotes and
// %T the bare title, both in the client's current language.
struct Reaction {
    Act act = Act::Nothing;
    std::string_view english, japanese;
};

struct ResultRow {
    R result;
    WindowKind window;  // the window the texts and the missing-window message name
    Reaction auction, hand;
};

constexpr Reaction kMissing{Act::Missing, {}, {}};
constexpr Reaction kManualOnly{Act::ManualOnly, {}, {}};
constexpr Reaction kCantRead{Act::Error, "Can't Read %Q Window.", "Can't Read %Q Window."};
constexpr Reaction kBadVulnerable{Act::Error, "Error in Reading Vulnerability.",
                                  "Error in Reading Vulnerability."};
constexpr Reaction kHandUnreadable{Act::Error, "Failed in Reading %Q.", "Failed in Reading %Q."};

// The two captures tell an unreadable score differently: the auction capture has Japanese
// texts of its own, the hand capture names the window in English words.
constexpr std::array<ResultRow, 15> kResults{{
    {R::ScoreWindowMissing, WindowKind::Score, kMissing, kMissing},
    {R::ScoreUnreadable,
     WindowKind::Score,
     {Act::Error, kCantRead.english, "%T 読み取りのエラー."},
     kCantRead},
    {R::BadVulnerable, WindowKind::Score, kBadVulnerable, kBadVulnerable},
    {R::BadScoreNumber,
     WindowKind::Score,
     {Act::Error, "Error Occurred in Reading Score.", "%T 読み取りのエラー."},
     {Act::Error, "Error in Reading %T", "Error in Reading %T"}},
    {R::ScoreUnchanged, WindowKind::Score, {}, kManualOnly},
    {R::GameNotStarted, WindowKind::Bidding, kManualOnly, {}},
    {R::AuctionUnreadable,
     WindowKind::Bidding,
     {Act::Error, "Failed in Reading %Q Window.", "%Q 読み取りのエラー."},
     {}},
    {R::AuctionIncomplete, WindowKind::Bidding, kManualOnly, {}},
    {R::AuctionUnchanged, WindowKind::Bidding, kManualOnly, {}},
    {R::BiddingWindowMissing, WindowKind::Bidding, kMissing, {}},
    {R::BiddingNotStarted, WindowKind::Bidding, kManualOnly, {}},
    {R::LastHandWindowMissing, WindowKind::LastHand, kMissing, kMissing},
    {R::HandUnreadable, WindowKind::LastHand, {}, kHandUnreadable},
    {R::HandUnreadableToo, WindowKind::LastHand, {}, kHandUnreadable},
    {R::HandUnchanged, WindowKind::LastHand, {}, kManualOnly},
}};

const ResultRow* FindRow(R result) {
    for (const ResultRow& row : kResults)
        if (row.result == result) return &row;
    return nullptr;
}

std::string Expand(const AppContext& app, std::string_view text, WindowKind window) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 'Q' || text[i + 1] == 'T')) {
            out += text[++i] == 'Q' ? QuotedTitle(app, window) : Title(app, window);
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace

void ActOnFailure(AppContext& app, CaptureFlow flow, CaptureResult result, bool manual) {
    const ResultRow* row = FindRow(result);
    if (!row) return;  // our own results (no players, a refused hand) are told where they arise
    const Reaction& r = flow == CaptureFlow::Auction ? row->auction : row->hand;
    switch (r.act) {
        case Act::Nothing:
            break;
        case Act::Missing:
            TellMissing(app, row->window, Code(result));
            break;
        case Act::Error:
            TellError(app, Expand(app, app.jpnInterface ? r.japanese : r.english, row->window));
            break;
        case Act::ManualOnly:
            if (manual) TellMessage(app, Code(result));
            break;
    }
}

CaptureResult MissingResult(WindowKind kind) {
    switch (kind) {
        case WindowKind::Score:
            return R::ScoreWindowMissing;
        case WindowKind::Bidding:
            return R::BiddingWindowMissing;
        case WindowKind::LastHand:
            return R::LastHandWindowMissing;
        default:
            return R::Read;
    }
}

}  // namespace tallowen
