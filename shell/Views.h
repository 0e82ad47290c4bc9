// What the watcher's windows show, as plain state the shell decides, and the small
// interfaces through which real windows (or a test's recording) are told about it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "records/Deal.h"

namespace tallowen {

struct BoardSetup;

// The Windows interface face, the main window's design font outside the Japanese interface.
inline constexpr const char* kDesignFont = "Tahoma";
// The windows' colour where the settings give none.
constexpr std::uint32_t kDesignBack = 0xE0E0E0;

// How the watcher's own windows look, as start-up decides it from the settings and the
// interface language. The windows are handed it; they look nowhere else for it. The defaults
// are the design look, which holds until start-up has read the settings.
struct ViewLook {
    bool japanese = false;                 // the Japanese interface
    std::string designFont = kDesignFont;  // of the main window's controls and start-up lines
    std::string interfaceFont;  // "メイリオ" or the design font; empty before start-up
    std::uint32_t backColor = kDesignBack;  // the windows' colour
    std::uint32_t backColor2 = 0xCDCDCD;    // the play table's
    bool operator==(const ViewLook&) const = default;
};

// What the game client tells the main window's auction area: its language edition and the
// spare height of its windows (0: none).
struct ClientFacts {
    int language = 1;
    int spareHeight = 0;
    bool operator==(const ClientFacts&) const = default;
};

// What the user did to the watcher's own windows, and where the main window stands, as the
// windows report it. The shell keeps these facts; the windows keep none of its state.
class ViewEvents {
public:
    virtual ~ViewEvents() = default;
    virtual void MainWindowPlaced(WindowHandle window, Rect place) = 0;
    virtual void BoardMoved(Rect place) = 0;        // the bidding board stands there now
    virtual void SideWindowClosed(bool board) = 0;  // the bidding board, or else the BOX
    virtual void MessageClosed() = 0;
};

// The controls of the main window whose look the shell decides.
enum class Control : int {
    cmdBid,
    cmdHand,
    fraCapture,
    cmdScore,
    cmdTimer,
    cmdDelFiles,
    cmdDEL,
    cmdUndo,
    cmdEnd,
    filBox0,
    filBox1,
    picBox,
    BoxStat,
    MsgBox,
    WeT,
    ThT,
    sumT,
    WeB,
    ThB,
    sumB,
    WeTheySum0,
    WeTheySum1,
    WeTheySum2,
    Lbl0,
    Lbl1,
    Lbl2,
    Lbl3,
    menuBid,
    menuHand,
    MenuSeat0,
    MenuSeat1,
    MenuSeat2,
    MenuSeat3,
    MenuSeat4,
    menuLink2,
    menuAutoCapture,
    menuMySeat,
    menuRestart,
    menu_Link,
    menuLink0,
    menuLink1,
    Count
};
constexpr int kControlCount = static_cast<int>(Control::Count);

struct ControlState {
    std::string caption;
    std::string tooltip;
    std::optional<std::uint32_t> backColour;  // Windows colour value; none = design colour
    std::optional<std::uint32_t> foreColour;
    std::string font;   // empty = design font
    double points = 0;  // 0 = design size
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    bool checked = false;  // menu items
    // Buttons: pressed by Esc (cancel) or Enter (default) anywhere in the window.
    bool cancelButton = false;
    bool defaultButton = false;
};

// The main window frmZ. The shell keeps every control's state and hands a changed one over.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void Apply(Control control, const ControlState& state) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    // The record list: names top to bottom (newest first).
    virtual void SetRecordList(const std::vector<std::string>& names) = 0;
    // Indexes of the selected entries of record list `list` (filBox(0) or filBox(1)).
    virtual std::vector<int> SelectedRecords(int list) = 0;
    // The drawing of the main window's surface. The auction area's mode: 0 a record shown,
    // 1 right after an auction capture, 2 after a hand capture.
    virtual void ShowAuction(const Deal& deal, int mode, const ClientFacts& client) = 0;
    virtual void ShowDeal(const Deal& deal, const std::array<int, 4>& rotation) = 0;
    virtual void AlertBorder(bool shown) = 0;
    virtual void PrintLine(const std::string& line) = 0;  // start-up messages
    // A start-up line that begins with the pointing mark (drawn in the symbol font).
    virtual void PrintMarkLine(const std::string& rest) = 0;
    virtual void Focus(Control control) = 0;
};

// One text of the message window, with the font it is shown in.
struct MessageText {
    std::string text;
    std::string font;  // "Arial" or the interface font
    double points = 13;
};

// frmErrMsg.
class MessageView {
public:
    virtual ~MessageView() = default;
    virtual void Show(const MessageText& message) = 0;
    virtual void Hide() = 0;
    virtual void SetTopmost(bool topmost) = 0;
};

// frmMsgBox: the diagnostic log.
class LogView {
public:
    virtual ~LogView() = default;
    virtual void Load() = 0;
    virtual void Unload() = 0;
    virtual void Append(const std::string& line) = 0;
    virtual void Clear() = 0;
};

// frmMyBOX: the remaining cards, and frmBidding: the bidding board.
class SideWindows {
public:
    virtual ~SideWindows() = default;
    virtual void ShowBox(Rect place, const Deal& deal, int trump) = 0;
    virtual void TickPlayedCard(int suit, int rank) = 0;
    virtual void KeepBoxInFront() = 0;
    // Shows the board with an auction (contract level 0: none yet), opened and drawn as
    // `setup` says.
    virtual void ShowBidding(const Deal& deal, const ScorePair& vulnerability, int level,
                             int declarer, const BoardSetup& setup) = 0;
    virtual void KeepBoardInFront() = 0;
    virtual void CloseBoard() = 0;
};

// frmDelWork: asks whether to delete (or restore) all work files; true for the delete button.
class DelWorkDialog {
public:
    virtual ~DelWorkDialog() = default;
    virtual bool Ask(const std::string& caption, const std::vector<std::string>& lines,
                     bool restore) = 0;
};

}  // namespace tallowen
