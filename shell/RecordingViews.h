// Views that draw nothing and remember what they were told: the watcher's windows in the
// headless simulation and in tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/BiddingBoard.h"
#include "shell/Views.h"

namespace tallowen {

class RecordingMainView : public MainView {
public:
    void Apply(Control control, const ControlState& state) override {
        controls[std::size_t(control)] = state;
    }
    void SetCaption(const std::string& c) override { caption = c; }
    void SetTopmost(bool t) override { topmost = t; }
    void SetRecordList(const std::vector<std::string>& names) override { list = names; }
    std::vector<int> SelectedRecords(int) override { return selected; }
    void ShowAuction(const Deal& deal, int mode, const ClientFacts& c) override {
        auction = deal;
        auctionMode = mode;
        client = c;
        ++auctionsShown;
    }
    void ShowDeal(const Deal& deal, const std::array<int, 4>& rot) override {
        shownDeal = deal;
        rotation = rot;
        ++dealsShown;
    }
    void AlertBorder(bool shown) override { alertBorder = shown; }
    void PrintLine(const std::string& line) override { lines.push_back(line); }
    void PrintMarkLine(const std::string& rest) override { lines.push_back("=>" + rest); }
    void Focus(Control c) override { focus = c; }
    Control focus = Control::Count;

    std::array<ControlState, kControlCount> controls{};
    std::string caption;
    bool topmost = false;
    std::vector<std::string> list;
    std::vector<int> selected;
    Deal auction, shownDeal;
    std::array<int, 4> rotation{};
    int auctionsShown = 0, dealsShown = 0, auctionMode = -1;
    ClientFacts client;
    bool alertBorder = false;
    std::vector<std::string> lines;
};

class RecordingMessageView : public MessageView {
public:
    void Show(const MessageText& m) override {
        shown.push_back(m);
        visible = true;
    }
    void Hide() override { visible = false; }
    void SetTopmost(bool t) override { topmost = t; }
    std::vector<MessageText> shown;
    bool visible = false, topmost = false;
};

class RecordingLogView : public LogView {
public:
    void Load() override { loaded = true; }
    void Unload() override { loaded = false; }
    void Append(const std::string& line) override { lines.push_back(line); }
    void Clear() override { lines.clear(); }
    bool loaded = false;
    std::vector<std::string> lines;
};

class RecordingSideWindows : public SideWindows {
public:
    void ShowBox(Rect place, const Deal&, int t) override {
        boxPlace = place;
        trump = t;
        ++boxShown;
    }
    void TickPlayedCard(int suit, int rank) override { ticked.push_back(MakeCardCode(suit, rank)); }
    void KeepBoxInFront() override {}
    void ShowBidding(const Deal& deal, const ScorePair&, int l, int d,
                     const BoardSetup& s) override {
        board = deal;
        level = l;
        declarer = d;
        boardSetup = s;
        ++boardShown;
    }
    void KeepBoardInFront() override {}
    void CloseBoard() override {}
    Rect boxPlace;
    int trump = -1, boxShown = 0, boardShown = 0, level = 0, declarer = -1;
    std::vector<int> ticked;
    Deal board;
    BoardSetup boardSetup;
};

// Answers every question with `answer` and remembers what it was asked.
class RecordingDelWork : public DelWorkDialog {
public:
    bool Ask(const std::string& c, const std::vector<std::string>& l, bool r) override {
        restore = r;
        caption = c;
        lines = l;
        ++asked;
        return answer;
    }
    bool answer = true, restore = false;
    int asked = 0;
    std::string caption;
    std::vector<std::string> lines;
};

// All of them together, ready to hand to an AppContext.
struct RecordingViews {
    RecordingMainView main;
    RecordingMessageView message;
    RecordingLogView log;
    RecordingSideWindows side;
    RecordingDelWork delWork;
};

}  // namespace tallowen
