#include <gtest/gtest.h>

#include "shell/DelWorkLayout.h"

namespace tallowen::testing {

TEST(DelWorkLayout, TheDialogShrinksToItsTextAndTheButtonsFollow) {
    const DelWorkLayout few = LayoutDelWork(false, false, "", "Delete ALL Work Files", 4, 18);
    const DelWorkLayout many = LayoutDelWork(false, false, "", "Delete ALL Work Files", 8, 18);
    EXPECT_EQ(many.height - few.height, 4 * 18);
    for (const DelWorkLayout* d : {&few, &many}) {
        const int textBottom = 4 + (d == &few ? 4 : 8) * 18;
        EXPECT_GT(d->remove.place.top, textBottom) << "the buttons stay under the text";
        EXPECT_EQ(d->remove.place.top, d->cancel.place.top);
        EXPECT_LE(d->remove.place.bottom, d->height);
        EXPECT_LE(d->cancel.place.right, d->width);
    }
}

TEST(DelWorkLayout, JapaneseIsWiderFurtherLeftWithItsOwnButtons) {
    const DelWorkLayout en = LayoutDelWork(false, false, "", "x", 5, 18);
    const DelWorkLayout ja =
        LayoutDelWork(true, false, "メイリオ", "作業用フォルダを空にする", 5, 18);
    EXPECT_EQ(ja.width - en.width, 24);
    EXPECT_EQ(en.offset.x - ja.offset.x, 8);
    EXPECT_EQ(ja.cancel.caption, "取り消し");
    EXPECT_EQ(ja.remove.place.left, 150);
    EXPECT_EQ(ja.remove.place.Width(), 210);
    EXPECT_LE(ja.remove.place.right, ja.width);
    EXPECT_EQ(ja.remove.points, 12);
    EXPECT_EQ(LayoutDelWork(true, false, "Tahoma", "x", 5, 18).remove.points, 13);
    const DelWorkLayout restore = LayoutDelWork(false, true, "", "Restore Work Files", 5, 18);
    EXPECT_EQ(restore.remove.place.Width(), en.remove.place.Width() + 10);
}

}  // namespace tallowen::testing
