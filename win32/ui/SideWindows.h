// frmMyBOX, the remaining cards beside the table, and frmBidding, the bidding board. Both
// draw into a picture of their own and paint from it.
#pragma once

#include <windows.h>

#include <memory>

#include "reading/CardSheets.h"
#include "shell/TextPen.h"
#include "shell/Views.h"
#include "win32/GdiCanvas.h"
#include "win32/ui/PaintedWindow.h"

namespace tallowen {

class SideWindowsWin32 final : public SideWindows {
public:
    SideWindowsWin32(HINSTANCE instance, HWND owner, win32::GdiFonts& fonts,
                     win32::GdiSheets& sheets, const CardMetrics& metrics);
    ~SideWindowsWin32() override;
    // From now on the windows report to `events` and look like `look`.
    void Attach(ViewEvents& events, const ViewLook& look) {
        events_ = &events;
        look_ = look;
    }
    void SetLook(const ViewLook& look) { look_ = look; }

    void ShowBox(Rect place, const Deal& deal, int trump) override;
    void TickPlayedCard(int suit, int rank) override;
    void KeepBoxInFront() override;
    void ShowBidding(const Deal& deal, const ScorePair& vulnerability, int level, int declarer,
                     const BoardSetup& setup) override;
    void KeepBoardInFront() override;
    void CloseBoard() override;

private:
    struct Pane {
        std::unique_ptr<PaintedWindow> window;
        std::unique_ptr<win32::BackBuffer> buffer;
    };
    void Make(Pane& pane, bool board);

    HINSTANCE instance_;
    HWND owner_;
    win32::GdiFonts& fonts_;
    win32::GdiSheets& sheets_;
    const CardMetrics& metrics_;
    ViewEvents* events_ = nullptr;
    ViewLook look_;
    Pane box_, board_;
    TextPen pen_;
};

}  // namespace tallowen
