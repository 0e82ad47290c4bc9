#include "sim/SimClient.h"

#include <algorithm>

#include "common/Edition.h"
#include "common/Text.h"
#include "platform/Sound.h"
#include "reading/Score.h"
#include "sim/Editions.h"
#include "sim/NullBackends.h"

namespace tallowen {

namespace {

std::string Marked(const std::string& word, int mark) {
    if (mark == 1) return "[" + word + "]";
    if (mark == 2) return "(" + word + ")";
    return word;
}

}  // namespace

SimClient::SimClient(SimDesktop& desktop, SimClock* clock, int language, SimBoard board)
    : desktop_(desktop), clock_(clock), language_(language), board_(std::move(board)) {
    RecordingSound quiet;
    LoadGlyphTable(glyphs_, quiet);
    LoadCardImages(cards_, quiet);
    font_ = std::make_unique<GlyphPainter>(glyphs_);
}

SimClient::~SimClient() {
    for (WindowHandle h : handles_)
        if (h) desktop_.Close(h);
    for (WindowHandle h : covers_) desktop_.Close(h);
    if (clock_)
        for (int id : pending_) clock_->Cancel(id);
}

Rect SimClient::DefaultRect(int kind, int /*language*/) {
    auto outer = [](int x, int y, int w, int h) {
        return Rect{x, y, x + w + kCaptionFrame.left + kCaptionFrame.right,
                    y + h + kCaptionFrame.top + kCaptionFrame.bottom};
    };
    switch (kind) {
        case 0:
            return {0, 0, 800, 560};
        case 1:
            return outer(810, 0, 300, 320);
        case 2:
            return outer(1130, 0, TrickView::kWidth, TrickView::kHeight);
        case 3:
            return outer(810, 620, 540, 96);
        case 4:
            return outer(810, 360, 240, 110);
        default:
            return outer(1130, 250, 222, 190);
    }
}

void SimClient::SetStage(SimStage stage, int progress) {
    stage_ = stage;
    progress_ = std::max(0, progress);
    RepaintAll();
}

void SimClient::NewBoard(SimBoard board) {
    if (stage_ == SimStage::Done) {
        previous_ = std::move(board_);
        hasPrevious_ = true;
    }
    board_ = std::move(board);
    SetStage(SimStage::Auction, 0);
}

bool SimClient::UserTurn() const {
    const SimBoard& b = board_;
    int next = -1;  // the seat to call or to lead the next trick
    if (stage_ == SimStage::Auction && CallsShown() < int(b.calls.size())) {
        next = (b.dealer + CallsShown()) % 4;
    } else if (stage_ != SimStage::Done && !b.PassedOut()) {
        const int t = TricksShown();
        if (t < b.played) next = t == 0 ? (b.declarer + 1) % 4 : b.winners[std::size_t(t - 1)];
    }
    if (next < 0) return false;
    // In the play the declarer plays dummy's cards; dummy's owner only watches.
    const bool play = stage_ != SimStage::Auction || CallsShown() == int(b.calls.size());
    if (play && next == (b.declarer + 2) % 4) next = b.declarer;
    return next == b.userSeat;
}

bool SimClient::Showing(int kind) const {
    if (kind < 0 || kind > 5) return false;
    const SimWindow* w = desktop_.Find(handles_[std::size_t(kind)]);
    return w && w->visible && !w->minimized;
}

void SimClient::Run(std::uint32_t callMs, std::uint32_t trickMs) {
    if (!clock_) return;
    SetStage(SimStage::Auction, 0);
    const int calls = int(board_.calls.size());
    std::uint32_t at = 0;
    for (int shown = 1; shown <= calls; ++shown) {
        at += callMs;
        pending_.push_back(
            clock_->After(at, [this, shown] { SetStage(SimStage::Auction, shown); }));
    }
    const int tricks = board_.PassedOut() ? 0 : board_.played;
    for (int t = 0; t < tricks; ++t) {
        at += trickMs;
        pending_.push_back(clock_->After(at, [this, t] { SetStage(SimStage::Play, t); }));
    }
    at += trickMs;
    pending_.push_back(clock_->After(at, [this] { SetStage(SimStage::Done); }));
}

void SimClient::SetFaults(const SimFaults& faults) {
    faults_ = faults;
    RepaintAll();
}

void SimClient::RepaintAll() {
    for (WindowHandle h : handles_)
        if (h) desktop_.Repaint(h);
}

void SimClient::OpenTable() {
    Open(0);
}

void SimClient::Open(int kind) {
    if (kind < 0 || kind > 5) return;
    WindowHandle& h = handles_[std::size_t(kind)];
    if (h && desktop_.Find(h)) {
        desktop_.Restore(h);
        desktop_.BringToTop(h);
        return;
    }
    const Rect last = lastPlace_[std::size_t(kind)];
    const Rect place = last.Width() > 0 ? last : DefaultRect(kind, language_);
    h = desktop_.Create(kind == 0 ? TableWindowTitle(language_, tableNumber)
                                  : std::string(TitleTable::Title(kind, language_)),
                        place);
    SimWindow* w = desktop_.Find(h);
    w->paint = [this, kind](SimWindow& window) { Paint(kind, window); };
    if (kind == 0) w->click = [this](SimWindow&, Point at) { Click(at); };
    desktop_.Repaint(h);
}

void SimClient::OpenAll() {
    for (int kind = 0; kind <= 5; ++kind) Open(kind);
}

void SimClient::Close(int kind) {
    if (kind < 0 || kind > 5) return;
    WindowHandle& h = handles_[std::size_t(kind)];
    if (const SimWindow* w = desktop_.Find(h)) {
        if (!w->minimized) lastPlace_[std::size_t(kind)] = w->rect;
        desktop_.Close(h);
    }
    h = 0;
}

void SimClient::Minimize(int kind) {
    if (kind >= 0 && kind <= 5 && handles_[std::size_t(kind)])
        desktop_.Minimize(handles_[std::size_t(kind)]);
}

WindowHandle SimClient::Cover(int kind, Rect area) {
    const SimWindow* w = desktop_.Find(Handle(kind));
    if (!w) return 0;
    const int x = w->rect.left + w->frame.left, y = w->rect.top + w->frame.top;
    const Rect outer{x + area.left, y + area.top, x + area.right, y + area.bottom};
    WindowHandle cover = desktop_.Create("Untitled - Notepad", outer, Insets{}, false);
    SimWindow* c = desktop_.Find(cover);
    c->pinned = true;
    c->paint = [](SimWindow& window) {
        window.client.Fill(0, 0, window.client.width, window.client.height, kSimWhite);
    };
    desktop_.BringToTop(cover);
    desktop_.Repaint(cover);
    covers_.push_back(cover);
    return cover;
}

void SimClient::Click(Point at) {
    for (int i = 0; i < 4; ++i) {
        const Rect b = TableView::Button(i);
        if (at.x < b.left || at.x >= b.right || at.y < b.top || at.y >= b.bottom) continue;
        ++clicksSeen;
        const int kind = i + 1;
        if (clock_ && openDelay > 0)
            pending_.push_back(clock_->After(openDelay, [this, kind] { Open(kind); }));
        else
            Open(kind);
    }
}

void SimClient::Paint(int kind, SimWindow& window) {
    font_->ResetCount();
    font_->SetMisdrawn(faults_.misdrawnKind == kind ? faults_.misdrawnGlyph : -1);
    Image555& image = window.client;
    switch (kind) {
        case 0:
            PaintTable(image, *font_, Table());
            break;
        case 1:
            PaintBidding(image, *font_, Bidding());
            break;
        case 2:
            PaintLastTrick(image, cards_, Trick());
            break;
        case 3:
            PaintLastHand(image, *font_, Hand());
            break;
        case 4:
            PaintScore(image, *font_, Score());
            break;
        default:
            PaintBidBox(image, *font_, BidBoxView{language_, std::string(PassWord(language_))});
            break;
    }
    font_->SetMisdrawn(-1);
}

int SimClient::CallsShown() const {
    const int all = int(board_.calls.size());
    return stage_ == SimStage::Auction ? std::min(progress_, all) : all;
}

int SimClient::TricksShown() const {
    if (stage_ == SimStage::Auction || board_.PassedOut()) return 0;
    return stage_ == SimStage::Play ? std::min(progress_, board_.played) : board_.played;
}

void SimClient::ScoreShown(ScorePair& scores) const {
    const bool after = stage_ == SimStage::Done && !faults_.staleScore;
    scores = after ? board_.after : board_.before;
}

BiddingView SimClient::Bidding() const {
    BiddingView view;
    view.headings = board_.names;
    const int shown = CallsShown();
    for (int i = 0; i < shown; ++i) {
        const int cell = board_.dealer + i;
        const std::size_t row = std::size_t(cell / 4);
        if (view.rows.size() <= row) view.rows.resize(row + 1);
        view.rows[row][std::size_t(cell % 4)] = CallWord(board_.calls[std::size_t(i)], language_);
    }
    return view;
}

ScoreView SimClient::Score() const {
    ScoreView view;
    ScorePair shown;
    ScoreShown(shown);
    for (int i = 0; i < 2; ++i) {
        if (shown[std::size_t(i)].Vul == 1)
            view.vulnerable[std::size_t(i)] = TitleTable::VulnerableWord(language_);
        view.scores[std::size_t(i)] = std::to_string(shown[std::size_t(i)].Score);
    }
    return view;
}

const SimBoard* SimClient::HandShown() const {
    if (stage_ == SimStage::Done) return &board_;
    return PreviousBoard();
}

HandView SimClient::Hand() const {
    HandView view;
    // The Italian and Spanish editions space their cards wider.
    view.cell = HasWideCardWords(language_) ? 36 : 34;
    const SimBoard* shown = HandShown();
    if (!shown) return view;  // no board completed yet
    for (int seat = 0; seat < 4; ++seat) {
        view.names[std::size_t(seat)] = shown->names[std::size_t(seat)];
        for (int k = 0; k < kTrickCount; ++k) {
            int mark = 0;
            const int code = shown->PlayedCard(seat, k, mark);
            view.words[std::size_t(seat)][std::size_t(k)] =
                Marked(CardWord(CardRank(code), CardSuit(code), language_), mark);
        }
    }
    return view;
}

TrickView SimClient::Trick() const {
    TrickView view;
    const int t = TricksShown() - 1;
    view.highlighted = faults_.highlightedCard;
    if (t < 0) return view;
    for (int p = 0; p < 4; ++p) {
        const int code = board_.tricks[std::size_t(t)][std::size_t((board_.userSeat + p) % 4)];
        view.suits[std::size_t(p)] = CardSuit(code);
        view.ranks[std::size_t(p)] = CardRank(code);
    }
    return view;
}

TableView SimClient::Table() const {
    TableView view;
    for (int i = 0; i < 4; ++i) view.captions[std::size_t(i)] = ButtonCaption(i + 1, language_);
    view.label = TitleTable::TricksLabel(language_);
    view.frame = kCaptionFrame;
    view.userTurn = UserTurn();
    const int us = SideOf(board_.userSeat);
    auto position = [&](int seat) { return (seat - board_.userSeat + 4) % 4; };
    if (stage_ == SimStage::Auction) {
        view.turn = position((board_.dealer + CallsShown()) % 4);
        return view;
    }
    if (board_.PassedOut()) return view;
    std::string contract = BidWord(board_.level, board_.strain, language_);
    if (board_.doubled) contract += board_.doubled == 1 ? " X" : " XX";
    view.contract = contract + " " + board_.names[std::size_t(board_.declarer)];
    const int t = TricksShown();
    if (stage_ == SimStage::Play) {
        view.tricks = {board_.TricksWon(us, t), board_.TricksWon(1 - us, t)};
        view.turn =
            position(t == 0 ? (board_.declarer + 1) % 4 : board_.winners[std::size_t(t - 1)]);
    } else {
        const int declaring = board_.declarerTricks;
        const bool ours = SideOf(board_.declarer) == us;
        view.tricks = {ours ? declaring : 13 - declaring, ours ? 13 - declaring : declaring};
    }
    return view;
}

AuctionReading SimClient::ExpectedAuction() const {
    AuctionReading record;
    record.headings = board_.names;
    const int shown = CallsShown();
    // What each cell reads as: bids in the system's letters, the edition's own pass word;
    // a pass in Japanese script is unreadable and reads as nothing.
    auto cell = [&](int row, int column) -> std::string {
        const int i = (row - 1) * 4 + column - board_.dealer;
        if (i < 0 || i >= shown) return {};
        const std::string& call = board_.calls[std::size_t(i)];
        if (IsPass(call))
            return EditionOf(language_) == Edition::Japanese ? std::string()
                                                             : std::string(PassWord(language_));
        return call;
    };
    int passes = -1;
    bool seen = false;
    for (int r = 1; r <= kAuctionReadRows; ++r) {
        record.rows = r;
        int empties = 0;
        for (int c = 0; c < 4; ++c) {
            const std::string w = cell(r, c);
            if (w.empty()) {
                if (++empties == 4 || seen) {
                    record.result = CaptureResult::AuctionIncomplete;
                    return record;
                }
                continue;
            }
            empties = 0;
            seen = true;
            record.calls[std::size_t(c)][std::size_t(r)] = w;
            passes = IsPass(w) ? passes + 1 : 0;
            if (passes == 3) return record;
        }
    }
    record.rows = kAuctionReadRows + 1;
    return record;
}

HandReading SimClient::ExpectedHand() const {
    HandReading hand;
    const SimBoard* shown = HandShown();
    if (!shown) {
        hand.result = CaptureResult::HandUnreadable;  // empty lines: the first card is no card
        return hand;
    }
    for (int seat = 0; seat < 4; ++seat) {
        hand.names[std::size_t(seat)] = shown->names[std::size_t(seat)];
        for (int k = 0; k < kTrickCount; ++k) {
            int mark = 0;
            const int code = shown->PlayedCard(seat, k, mark);
            hand.cards[std::size_t(seat)][std::size_t(k)] = CardText(code);
            hand.marks[std::size_t(seat)][std::size_t(k)] = std::uint8_t(mark);
        }
    }
    return hand;
}

TrickReading SimClient::ExpectedTrick() const {
    const TrickView view = Trick();
    if (view.ranks[0] < 2 || view.highlighted >= 0) return {};
    return {TrickOutcome::Read, view.suits, view.ranks};
}

ScoreReading SimClient::ExpectedScore() const {
    ScoreReading reading;
    ScorePair& scores = reading.scores;
    ScoreShown(scores);
    if (EditionOf(language_) == Edition::Japanese && (scores[0].Vul == 1 || scores[1].Vul == 1)) {
        // The word in Japanese script is unreadable on every row tried.
        reading.result = CaptureResult::BadVulnerable;
        scores[0].Vul = scores[1].Vul = -1;
    }
    return reading;
}

void SimClient::ExpectedTricks(int& we, int& they) const {
    const TableView view = Table();
    we = they = -1;
    // A label in Japanese script cannot be found.
    if (EditionOf(language_) == Edition::Japanese) return;
    // A count of 0 cannot be told from no count.
    if (view.tricks[0] > 0) we = view.tricks[0];
    if (view.tricks[1] > 0) they = view.tricks[1];
}

std::array<Point, 5> SimClient::ExpectedButtons() const {
    std::array<Point, 5> out{};
    const SimWindow* w = desktop_.Find(Handle(0));
    const Rect place = w ? w->rect : DefaultRect(0, language_);
    for (int kind = 1; kind <= 4; ++kind) {
        const std::string caption(ButtonCaption(kind, language_));
        const std::string keyword(TitleTable::ButtonKeyword(kind, language_));
        std::string joined;
        for (char ch : caption)
            if (ch != ' ') joined += ch;
        const std::size_t at = joined.find(keyword);
        if (EditionOf(language_) == Edition::Japanese || at == std::string::npos) continue;
        const Rect b = TableView::Button(kind - 1);
        const int x = place.left + kCaptionFrame.left + b.left + TableView::kCaptionX;
        const int y = place.top + kCaptionFrame.top + b.top + TableView::kCaptionDown;
        Image555 none;
        std::vector<PlacedGlyph> placed;
        font_->Draw(none, x, y, caption, kSimBlack, placed);
        const PlacedGlyph& last = placed[at + keyword.size() - 1];
        out[std::size_t(kind)] = {last.x + last.width, y};
    }
    return out;
}

}  // namespace tallowen
