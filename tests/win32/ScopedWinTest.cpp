// The handle owners give back what they took, once, and put selections back.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "win32/ScopedWin.h"

namespace tallowen {
namespace {

using namespace win32;

TEST(ScopedWin, SelectionPutsThePreviousObjectBack) {
    ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BITMAP);
    ScopedBitmap bitmap(CreateCompatibleBitmap(dc.Get(), 4, 4));
    {
        ScopedSelect selected(dc.Get(), bitmap.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap.Get());
        ScopedSelect moved(std::move(selected));  // restores once, from its new owner
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
}

TEST(ScopedWin, ObjectsAreDeletedOnceByTheirLastOwner) {
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        ScopedBrush first(raw);
        ScopedBrush second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), raw);
        EXPECT_EQ(GetObjectType(raw), DWORD(OBJ_BRUSH));
        second = ScopedBrush(CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(GetObjectType(raw), 0u);  // replaced: deleted
    }
    ScopedHandle none(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(none);  // and never closed
}

TEST(ScopedWin, DeviceContextMovesToItsNewOwner) {
    HDC raw;
    {
        ScopedDC screen = ScopedDC::Screen();
        raw = screen.Get();
        ASSERT_NE(raw, nullptr);
        ScopedDC other(std::move(screen));
        EXPECT_FALSE(screen);
        EXPECT_EQ(other.Get(), raw);
    }
    ScopedDC empty;
    EXPECT_FALSE(empty);
}

TEST(ScopedWin, PaintCoversTheInvalidPartAndLeavesItValid) {
    testing::TestWindow window(L"Tallowen paint", {100, 100, 300, 250},
                               testing::TestWindow::kPopup);
    RECT part{10, 20, 30, 40};
    InvalidateRect(window.Handle(), &part, FALSE);
    {
        ScopedPaint paint(window.Handle());
        ASSERT_NE(paint.Get(), nullptr);
        EXPECT_TRUE(EqualRect(&paint.Area(), &part));
    }
    EXPECT_FALSE(GetUpdateRect(window.Handle(), nullptr, FALSE));
}

}  // namespace
}  // namespace tallowen
