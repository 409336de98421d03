// Reading BMP pictures: every supported kind, and damaged files that must be
// refused with their message, never read outside the file.
#include "render/bmp.h"
#include "shell/message_box.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

struct BmpSpec {
    int headerSize = 40;
    int32_t width = 2;
    int32_t height = 2;
    int bitsPerPixel = 24;
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> palette;  // blue, green, red (, reserved) per entry
    std::vector<uint8_t> rows;     // padded rows as stored
};

void put16(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    b[at] = v & 255;
    b[at + 1] = (v >> 8) & 255;
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
}

std::vector<uint8_t> makeBmp(const BmpSpec& s)
{
    std::vector<uint8_t> b(14 + s.headerSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 14, s.headerSize);
    if (s.headerSize == 12) {
        put16(b, 18, static_cast<uint16_t>(s.width));
        put16(b, 20, static_cast<uint16_t>(s.height));
        put16(b, 22, 1);
        put16(b, 24, s.bitsPerPixel);
    } else {
        put32(b, 18, static_cast<uint32_t>(s.width));
        put32(b, 22, static_cast<uint32_t>(s.height));
        put16(b, 26, 1);
        put16(b, 28, s.bitsPerPixel);
        put32(b, 46, s.coloursUsed);
    }
    b.insert(b.end(), s.palette.begin(), s.palette.end());
    put32(b, 10, static_cast<uint32_t>(b.size()));
    b.insert(b.end(), s.rows.begin(), s.rows.end());
    put32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
}

std::string decode(const std::vector<uint8_t>& file, ImageRecord& image)
{
    return DecodeDib(file, image);
}

std::vector<uint8_t> rgb(const ImageRecord& image, int x, int y)
{
    const uint8_t* p = image.pixels.data() + (y * image.width + x) * 3;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST(BmpReader, PalettedPicturesOfEveryDepth)
{
    // 8 bits, a palette of 2 entries given by the colours-used value.
    BmpSpec eight;
    eight.bitsPerPixel = 8;
    eight.coloursUsed = 2;
    eight.palette = {255, 0, 0, 0, 0, 0, 255, 0};  // blue, red
    eight.rows = {0, 1, 0, 0, 1, 0, 0, 0};
    ImageRecord image;
    ASSERT_EQ(decode(makeBmp(eight), image), "");
    EXPECT_EQ(rgb(image, 0, 0), (std::vector<uint8_t>{0, 0, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (std::vector<uint8_t>{255, 0, 0}));

    // 4 bits, the full 16-entry palette; high nibble first.
    BmpSpec four;
    four.bitsPerPixel = 4;
    four.palette.assign(16 * 4, 0);
    four.palette[15 * 4 + 1] = 200;  // entry 15 is green
    four.rows = {0xF0, 0, 0, 0, 0x0F, 0, 0, 0};
    ASSERT_EQ(decode(makeBmp(four), image), "");
    EXPECT_EQ(rgb(image, 0, 0), (std::vector<uint8_t>{0, 200, 0}));
    EXPECT_EQ(rgb(image, 1, 0), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(rgb(image, 1, 1), (std::vector<uint8_t>{0, 200, 0}));

    // 1 bit with the 12-byte core header and 3-byte palette entries.
    BmpSpec one;
    one.headerSize = 12;
    one.bitsPerPixel = 1;
    one.width = 9;
    one.height = 1;
    one.palette = {0, 0, 0, 255, 255, 255};
    one.rows = {0b10000000, 0b10000000, 0, 0};
    ASSERT_EQ(decode(makeBmp(one), image), "");
    EXPECT_EQ(image.width, 9);
    EXPECT_EQ(rgb(image, 0, 0), (std::vector<uint8_t>{255, 255, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(rgb(image, 8, 0), (std::vector<uint8_t>{255, 255, 255}));
}

TEST(BmpReader, DamagedFilesAreRefusedWithTheirMessage)
{
    ImageRecord image;
    BmpSpec good;
    good.rows.assign(8, 7);

    BmpSpec otherHeader = good;
    otherHeader.headerSize = 108;
    EXPECT_EQ(decode(makeBmp(otherHeader), image), "Unknown DIB file format.");
    EXPECT_EQ(decode({'B', 'M', 0}, image), "Unknown DIB file format.");
    EXPECT_EQ(decode({'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, image),
              "Unknown DIB file format.");

    std::vector<uint8_t> truncated = makeBmp(good);
    truncated.resize(truncated.size() - 3);
    EXPECT_EQ(decode(truncated, image), "Image file conversion error.");

    std::vector<uint8_t> offsetPastEnd = makeBmp(good);
    put32(offsetPastEnd, 10, 0xFFFFFFF0u);
    EXPECT_EQ(decode(offsetPastEnd, image), "Image file conversion error.");

    BmpSpec bigPalette = good;
    bigPalette.bitsPerPixel = 1;
    bigPalette.coloursUsed = 3;  // more than one bit can index
    bigPalette.palette.assign(12, 0);
    EXPECT_EQ(decode(makeBmp(bigPalette), image), "Image file conversion error.");

    BmpSpec indexPastPalette = good;
    indexPastPalette.bitsPerPixel = 8;
    indexPastPalette.coloursUsed = 2;
    indexPastPalette.palette.assign(8, 0);
    indexPastPalette.rows = {0, 5, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decode(makeBmp(indexPastPalette), image), "Image file conversion error.");

    BmpSpec zeroWidth = good;
    zeroWidth.width = 0;
    EXPECT_EQ(decode(makeBmp(zeroWidth), image), "Image file conversion error.");
    BmpSpec negativeWidth = good;
    negativeWidth.width = -4;
    EXPECT_EQ(decode(makeBmp(negativeWidth), image), "Image file conversion error.");

    BmpSpec huge = good;
    huge.width = 2000000000;
    huge.height = 2000000000;
    EXPECT_EQ(decode(makeBmp(huge), image), "Out of memory.");

    BmpSpec paletteCutOff = good;
    paletteCutOff.bitsPerPixel = 8;
    paletteCutOff.rows.clear();  // neither the 256-entry palette nor pixels are there
    EXPECT_EQ(decode(makeBmp(paletteCutOff), image), "Image file conversion error.");

    EXPECT_TRUE(image.pixels.empty());  // nothing was ever taken from a refused file
}
