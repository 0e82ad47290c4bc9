// BMP files in and out of 5-5-5 pictures, and the buffer form of a capture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "reading/Bmp.h"

namespace tallowen {
namespace {

Image555 Pattern(int w, int h) {
    Image555 image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.Set(x, y, Rgb555(x % 32, y % 32, (x * 7 + y * 3) % 32));
    return image;
}

void Patch32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

// The picture of the golden files: levels red = 6x + y, green = 31 - 5y, blue = 3x.
Image555 GoldenPicture() {
    Image555 image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.Set(x, y, Rgb555((6 * x + y) % 32, (31 - 5 * y) % 32, 3 * x));
    return image;
}

std::string GoldenBytes(const char* name) {
    std::ifstream in(std::filesystem::path(TALLOWEN_TESTDATA) / "reading" / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Written by an independent script: bottom-up and top-down 24-bit, 5-5-5 and 5-6-5 16-bit.
class GoldenBmp : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenBmp, ReadsThePicture) {
    BmpRead r = LoadBmp(std::filesystem::path(TALLOWEN_TESTDATA) / "reading" / GetParam());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.width, 5);
    EXPECT_EQ(r.image.height, 3);
    EXPECT_EQ(r.image.pixels, GoldenPicture().pixels);
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenBmp,
                         ::testing::Values("bmp-24.bmp", "bmp-24-topdown.bmp", "bmp-16.bmp",
                                           "bmp-16-565.bmp"));

TEST(Bmp, WritesTheGoldenFilesByteForByte) {
    EXPECT_EQ(BmpBytes(GoldenPicture(), 24), GoldenBytes("bmp-24.bmp"));
    EXPECT_EQ(BmpBytes(GoldenPicture(), 16), GoldenBytes("bmp-16.bmp"));
}

TEST(Bmp, WrittenFilesAndCaptureBuffersGiveTheSameLevelsBack) {
    for (int bits : {24, 16}) {
        for (auto [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{301, 7}}) {
            Image555 image = Pattern(w, h);
            BmpRead back = ReadBmp(BmpBytes(image, bits));
            ASSERT_TRUE(back.ok) << back.error;
            EXPECT_EQ(back.image.width, w);
            EXPECT_EQ(back.image.pixels, image.pixels) << bits << " bits, width " << w;
        }
    }
    auto dir = std::filesystem::temp_directory_path() / "tallowen-bmp-test";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(SaveBmp(dir / "p.bmp", Pattern(7, 5), 16).ok);
    EXPECT_EQ(LoadBmp(dir / "p.bmp").image.pixels, Pattern(7, 5).pixels);
    EXPECT_FALSE(LoadBmp(dir / "missing.bmp").ok);
    std::filesystem::remove_all(dir);
    // A capture buffer: bottom-up rows of even length.
    const Image555 image = Pattern(301, 3);
    const std::vector<std::uint16_t> buffer = ToBuffer(image);
    ASSERT_EQ(buffer.size(), 302u * 3);
    EXPECT_EQ(buffer[0], image.At(0, 2)) << "row 0 of the buffer is the lowest row";
    EXPECT_EQ(FromGrid(buffer, PixelGrid{0, 0, 301, 3, 302, 3, 301, 3}).pixels, image.pixels);
}

TEST(Bmp, DamagedFilesAreErrorsNotCrashes) {
    const std::string good = BmpBytes(Pattern(5, 4), 24);
    for (std::size_t cut = 0; cut < good.size(); cut += 7)
        EXPECT_FALSE(ReadBmp(good.substr(0, cut)).ok) << cut;
    // Huge, zero-width, compressed, pixels beyond the end.
    const std::pair<std::size_t, std::uint32_t> patches[][2] = {
        {{18, 100000}, {22, 100000}},
        {{18, 0}, {18, 0}},
        {{30, 1}, {30, 1}},
        {{10, 0xFFFFFFF0u}, {10, 0xFFFFFFF0u}}};
    for (const auto& patch : patches) {
        std::string bad = good;
        for (auto [at, v] : patch) Patch32(bad, at, v);
        EXPECT_FALSE(ReadBmp(bad).ok) << patch[0].first;
    }
    EXPECT_FALSE(ReadBmp("not a picture at all, but long enough to have a header........").ok);
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        std::string bytes(std::size_t(random() % 200), '\0');
        for (auto& c : bytes) c = char(random());
        if (i % 2 && bytes.size() > 2) bytes[0] = 'B', bytes[1] = 'M';
        BmpRead r = ReadBmp(bytes);
        if (r.ok) {
            EXPECT_GT(r.image.width, 0);
        }
    }
}

}  // namespace
}  // namespace tallowen
