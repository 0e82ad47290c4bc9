#include "win32/ui/FlatButton.h"

#include "win32/ScopedWin.h"
#include "win32/WideText.h"

namespace tallowen {

void DrawFlatButton(const DRAWITEMSTRUCT& d, const FlatButtonLook& look) {
    RECT r = d.rcItem;
    {
        win32::ScopedBrush brush(CreateSolidBrush(look.back));
        FillRect(d.hDC, &r, brush.Get());
    }
    const bool pressed = d.itemState & ODS_SELECTED;
    DrawEdge(d.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (d.itemState & ODS_FOCUS) {
        RECT f = r;
        InflateRect(&f, -4, -4);
        DrawFocusRect(d.hDC, &f);
    }
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, look.enabled ? look.fore : GetSysColor(COLOR_GRAYTEXT));
    win32::ScopedSelect font(d.hDC, look.font);
    const std::wstring text = win32::Widen(look.caption);
    if (pressed) OffsetRect(&r, 1, 1);
    DrawTextW(d.hDC, text.c_str(), int(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace tallowen
