// The suit images and the GIF encoder, checked by decoding with giflib (an independent decoder)
// where it is installed, and the images written beside the pages.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

#include "report/GifWriter.h"
#include "tests/report/TempFolder.h"

#ifdef TALLOWEN_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace tallowen {
namespace {

#ifdef TALLOWEN_HAVE_GIFLIB
struct SuitCase {
    int suit;
    GifColour colour;
};

class SuitGifTest : public ::testing::TestWithParam<SuitCase> {};

struct Decoded {
    int width = 0, height = 0, colours = 0, transparent = -1, disposal = -1, delay = -1;
    bool interlaced = true;
    std::vector<GifColour> palette;
    std::vector<std::uint8_t> pixels;
};

Decoded Decode(const std::string& bytes) {
    struct Source {
        const std::string* data;
        std::size_t at;
    } source{&bytes, 0};
    auto read = [](GifFileType* gif, GifByteType* out, int n) -> int {
        auto* s = static_cast<Source*>(gif->UserData);
        int k = static_cast<int>(std::min<std::size_t>(n, s->data->size() - s->at));
        std::memcpy(out, s->data->data() + s->at, k);
        s->at += k;
        return k;
    };
    Decoded d;
    int error = 0;
    GifFileType* gif = DGifOpen(&source, read, &error);
    if (!gif) return d;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 && gif->SColorMap) {
        d.width = gif->SWidth;
        d.height = gif->SHeight;
        d.colours = gif->SColorMap->ColorCount;
        for (int i = 0; i < d.colours; ++i) {
            const GifColorType& c = gif->SColorMap->Colors[i];
            d.palette.push_back({c.Red, c.Green, c.Blue});
        }
        const SavedImage& image = gif->SavedImages[0];
        d.interlaced = image.ImageDesc.Interlace;
        if (image.ImageDesc.Width == d.width && image.ImageDesc.Height == d.height) {
            d.pixels.assign(image.RasterBits, image.RasterBits + d.width * d.height);
        }
        GraphicsControlBlock gcb;
        if (DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK) {
            d.transparent = gcb.TransparentColor;
            d.disposal = gcb.DisposalMode;
            d.delay = gcb.DelayTime;
        }
    }
    DGifCloseFile(gif, &error);
    return d;
}

TEST_P(SuitGifTest, DecodesToTheMaskAndColours) {
    const SuitCase& c = GetParam();
    Decoded d = Decode(SuitGif(c.suit));
    ASSERT_EQ(d.width, 19);
    ASSERT_EQ(d.height, 15);
    ASSERT_EQ(d.colours, 256);
    EXPECT_FALSE(d.interlaced);
    EXPECT_EQ(d.transparent, 1);
    EXPECT_EQ(d.disposal, DISPOSAL_UNSPECIFIED);
    EXPECT_EQ(std::tuple(d.palette[0].red, d.palette[0].green, d.palette[0].blue),
              std::tuple(c.colour.red, c.colour.green, c.colour.blue));
    ASSERT_EQ(d.pixels.size(), 19u * 15u);
    const auto& mask = SuitMask(c.suit);
    for (int y = 0; y < 15; ++y) {
        std::string row;
        for (int x = 0; x < 19; ++x) row += d.pixels[y * 19 + x] == 0 ? '#' : '.';
        EXPECT_EQ(row, mask[y]) << "row " << y + 1;
    }
}

TEST(GifEncoder, LargeNoisyImageSurvivesCodeGrowthAndTableReset) {
    // Enough distinct strings to pass every code width up to 12 bits and to fill the table.
    GifImage image;
    image.width = 300;
    image.height = 200;
    for (int i = 0; i < 256; ++i) image.palette[i] = {std::uint8_t(i), std::uint8_t(255 - i), 7};
    std::mt19937 random(42);
    for (int i = 0; i < image.width * image.height; ++i)
        image.pixels.push_back(static_cast<std::uint8_t>(random() % (i % 3 == 0 ? 256 : 5)));
    Decoded d = Decode(EncodeGif(image));
    ASSERT_EQ(d.width, 300);
    EXPECT_EQ(d.transparent, -1);
    EXPECT_EQ(d.pixels, image.pixels);
}

TEST(GifEncoder, LongRunsOfOneColourCompressAndDecode) {
    GifImage image;
    image.width = 640;
    image.height = 100;
    image.pixels.assign(640 * 100, 3);
    for (int i = 0; i < 640 * 100; i += 997) image.pixels[i] = 200;
    std::string gif = EncodeGif(image);
    EXPECT_LT(gif.size(), 6000u);
    EXPECT_EQ(Decode(gif).pixels, image.pixels);
}

INSTANTIATE_TEST_SUITE_P(Suits, SuitGifTest,
                         ::testing::Values(SuitCase{0, {0, 150, 0}}, SuitCase{1, {255, 0, 255}},
                                           SuitCase{2, {255, 0, 0}}, SuitCase{3, {0, 0, 30}}));
#endif

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(WriteSuitGifs, ImageStyleWritesAllFourThenLeavesThemAlone) {
    TempFolder folder;
    EXPECT_FALSE(WriteSuitGifs(folder.path(), SuitMarkStyle::Entity).written);
    EXPECT_FALSE(WriteSuitGifs(folder.path(), SuitMarkStyle::Symbol).written);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    auto first = WriteSuitGifs(folder.path(), SuitMarkStyle::Image);
    EXPECT_TRUE(first.ok && first.written);
    const char* names[] = {"C.gif", "D.gif", "H.gif", "S.gif"};
    for (int suit = 0; suit < 4; ++suit)
        EXPECT_EQ(ReadAll(folder.path() / names[suit]), SuitGif(suit));
    std::ofstream(folder.path() / "H.gif", std::ios::binary) << "edited";
    EXPECT_FALSE(WriteSuitGifs(folder.path(), SuitMarkStyle::Image).written);
    EXPECT_EQ(ReadAll(folder.path() / "H.gif"), "edited");
    // One missing image rewrites all four.
    std::filesystem::remove(folder.path() / "D.gif");
    EXPECT_TRUE(WriteSuitGifs(folder.path(), SuitMarkStyle::Image).written);
    EXPECT_EQ(ReadAll(folder.path() / "D.gif"), SuitGif(1));
    EXPECT_EQ(ReadAll(folder.path() / "H.gif"), SuitGif(2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 4);
}

TEST(WriteSuitGifs, UnwritableFolderIsReportedNotThrown) {
    TempFolder folder;
    auto result = WriteSuitGifs(folder.path() / "missing" / "deeper", SuitMarkStyle::Image);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.error.empty());
}

}  // namespace
}  // namespace tallowen
