#include "reading/LastHand.h"

#include "common/Edition.h"
#include "common/Text.h"
#include "reading/Capture.h"
#include "reading/Glyphs.h"
#include "reading/ReaderGeometry.h"
#include "reading/ReadingContext.h"

namespace tallowen {

namespace {

constexpr int kAttempts = 4;
constexpr int kWideEnough = 580;  // the card words of some editions need this width

char MapRank(char r, int language) {
    if (EditionOf(language) == Edition::French) {  // roi, dame, valet
        if (r == 'R') return 'K';
        if (r == 'D') return 'Q';
        if (r == 'V') return 'J';
    }
    return r;
}

// The suit letter in C, D, H, S; 0 for a letter of the language's list that has no suit.
char MapSuit(char s, int language) {
    std::string_view list;
    switch (EditionOf(language)) {
        case Edition::German:
        case Edition::Argentine:
            list = "TDCP";
            break;
        case Edition::French:
            list = "TKCP";
            break;  // trefle, carreau, coeur, pique
        case Edition::Italian:
            list = "FQCP";
            break;
        case Edition::Mexican:
        case Edition::Espanol:
            return s == 'P' ? 'S' : s;
        default:
            return s;
    }
    std::size_t at = list.find(s);
    return at == std::string_view::npos ? 0 : "CDHS"[at];
}

bool IsCard(const std::string& card) {
    return card.size() == 2 &&
           std::string_view("23456789TJQKA").find(card[0]) != std::string_view::npos &&
           std::string_view("CDHS").find(card[1]) != std::string_view::npos;
}

void WidenWindow(ReadingContext& ctx) {
    const WindowHandle window = ctx.windows.Handle(WindowKind::LastHand);
    // A minimised window only has its small task-bar rectangle, and moving it would not
    // change the size it comes back with.
    ctx.desktop.Restore(window);
    Rect r = ctx.desktop.WindowRect(window);
    if (r.Width() >= kWideEnough) return;
    r.right = r.left + kWideEnough;
    ctx.desktop.MoveWindow(window, r);
    ctx.windows.rect[std::size_t(WindowKind::LastHand)] = r;
}

void Minimize(ReadingContext& ctx, bool minimizeAfter) {
    if (minimizeAfter) ctx.desktop.Minimize(ctx.windows.Handle(WindowKind::LastHand));
}

// Reads line h from band y; false at the first word that is not a card.
bool ReadLine(ReadingContext& ctx, HandReading& hand, int h, int y) {
    const LineCodes line =
        BuildLine(ctx, "CaptHand", 0, ctx.GameGrid.WindowWidth, y, hand_window::kGraySwitch);
    int pos = 1;
    hand.names[std::size_t(h)] = StripMarks(ReadWord(ctx.glyphs, line, pos));
    for (int k = 0; k < kHandCards; ++k) {
        std::string card;
        std::uint8_t mark = 0;
        const bool ok =
            NormaliseCardWord(ReadWord(ctx.glyphs, line, pos), ctx.Language(), card, mark);
        hand.marks[std::size_t(h)][std::size_t(k)] = mark;
        hand.cards[std::size_t(h)][std::size_t(k)] = card;
        if (!ok) return false;
    }
    return true;
}

}  // namespace

bool NormaliseCardWord(std::string w, int language, std::string& card, std::uint8_t& mark) {
    mark = 0;
    if (!w.empty() && (w[0] == '[' || w[0] == '(')) {
        mark = w[0] == '[' ? 1 : 2;
        w.erase(0, 1);
    }
    if (w.size() >= 2) {
        if (w.compare(0, 2, "10") == 0) w.replace(0, 2, "T");
        card.assign(1, MapRank(w[0], language));
        if (w.size() >= 2) {
            const char suit = MapSuit(w[1], language);
            if (suit != 0) card += suit;
        }
    } else {
        card = w;
    }
    return card.find('?') == std::string::npos && IsCard(card);
}

HandReading CaptHand(ReadingContext& ctx, bool minimizeAfter) {
    const int language = ctx.Language();
    if (HasWideCardWords(language) && ctx.glyphs.currentSet != 0) WidenWindow(ctx);
    HandReading hand;
    int y0 = -1;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (CaptureGameWindow(ctx, WindowKind::LastHand) <= 0) return hand;
        y0 = FindGrayRow(ctx.Game(), hand_window::kRuleSearch);
        if (y0 > hand_window::kRuleBelowRow) break;
    }
    if (y0 <= hand_window::kRuleBelowRow) {
        hand.result = CaptureResult::HandUnreadable;
        Minimize(ctx, minimizeAfter);
        return hand;
    }
    int y = BandBelowRule(y0, ctx.glyphs.currentSet);
    for (int h = 0; h < 4; ++h, y += ctx.glyphs.LineStep()) {
        if (!ReadLine(ctx, hand, h, y)) {
            hand.result = CaptureResult::HandUnreadable;
            return hand;
        }
    }
    Minimize(ctx, minimizeAfter);
    return hand;
}

}  // namespace tallowen
