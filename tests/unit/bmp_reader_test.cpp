// Reading BMP pictures: every supported kind, and damaged files that must be
// refused with their message, never read outside the file.
#include "render/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct BmpSpec {
    int headerSize = 40;
    int32_t width = 2, height = 2;
    int bitsPerPixel = 24;
    uint32_t coloursUsed = 0;
    Bytes palette;  // blue, green, red (, reserved) per entry
    Bytes rows;     // padded rows as stored
};

void put(Bytes& b, size_t at, uint32_t v, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        b[at + i] = (v >> (8 * i)) & 255;
}

Bytes makeBmp(const BmpSpec& s)
{
    Bytes b(14 + s.headerSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    put(b, 14, s.headerSize);
    const bool core = s.headerSize == 12;
    const int size = core ? 2 : 4;
    put(b, 18, static_cast<uint32_t>(s.width), size);
    put(b, 18 + size, static_cast<uint32_t>(s.height), size);
    put(b, 18 + 2 * size, 1, 2);
    put(b, 20 + 2 * size, s.bitsPerPixel, 2);
    if (!core)
        put(b, 46, s.coloursUsed);
    b.insert(b.end(), s.palette.begin(), s.palette.end());
    put(b, 10, static_cast<uint32_t>(b.size()));
    b.insert(b.end(), s.rows.begin(), s.rows.end());
    put(b, 2, static_cast<uint32_t>(b.size()));
    return b;
}

Bytes rgb(const ImageRecord& image, int x, int y)
{
    const uint8_t* p = image.pixels.data() + (y * image.width + x) * 3;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST(BmpReader, PalettedPicturesOfEveryDepth)
{
    // 8 bits, a palette of 2 entries given by the colours-used value.
    ImageRecord image;
    ASSERT_EQ(DecodeDib(makeBmp({40, 2, 2, 8, 2, {255, 0, 0, 0, 0, 0, 255, 0}, {0, 1, 0, 0, 1, 0, 0, 0}}), image), "");
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{0, 0, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{255, 0, 0}));

    // 4 bits, the full 16-entry palette (entry 15 green); high nibble first.
    BmpSpec four{40, 2, 2, 4, 0, Bytes(16 * 4, 0), {0xF0, 0, 0, 0, 0x0F, 0, 0, 0}};
    four.palette[15 * 4 + 1] = 200;
    ASSERT_EQ(DecodeDib(makeBmp(four), image), "");
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{0, 200, 0}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(rgb(image, 1, 1), (Bytes{0, 200, 0}));

    // 1 bit with the 12-byte core header and 3-byte palette entries.
    ASSERT_EQ(DecodeDib(makeBmp({12, 9, 1, 1, 0, {0, 0, 0, 255, 255, 255}, {0x80, 0x80, 0, 0}}), image), "");
    EXPECT_EQ(image.width, 9);
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{255, 255, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(rgb(image, 8, 0), (Bytes{255, 255, 255}));
}

TEST(BmpReader, DamagedFilesAreRefusedWithTheirMessage)
{
    ImageRecord image;
    const BmpSpec good{40, 2, 2, 24, 0, {}, Bytes(8, 7)};
    const char* unknown = "Unknown DIB file format.";
    const char* conversion = "Image file conversion error.";
    EXPECT_EQ(DecodeDib(makeBmp({108, 2, 2, 24, 0, {}, Bytes(8, 7)}), image), unknown);
    EXPECT_EQ(DecodeDib({'B', 'M', 0}, image), unknown);
    EXPECT_EQ(DecodeDib({'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, image), unknown);

    Bytes truncated = makeBmp(good);
    truncated.resize(truncated.size() - 3);
    EXPECT_EQ(DecodeDib(truncated, image), conversion);
    Bytes offsetPastEnd = makeBmp(good);
    put(offsetPastEnd, 10, 0xFFFFFFF0u);
    EXPECT_EQ(DecodeDib(offsetPastEnd, image), conversion);

    const BmpSpec damaged[] = {
        {40, 2, 2, 1, 3, Bytes(12, 0), Bytes(8, 7)},                // more colours than one bit indexes
        {40, 2, 2, 8, 2, Bytes(8, 0), {0, 5, 0, 0, 0, 0, 0, 0}},   // an index past the palette
        {40, 0, 2, 24, 0, {}, Bytes(8, 7)},                         // no width
        {40, -4, 2, 24, 0, {}, Bytes(8, 7)},                        // a negative width
        {40, 2, 2, 8, 0, {}, {}},  // neither the 256-entry palette nor pixels are there
    };
    for (const BmpSpec& spec : damaged)
        EXPECT_EQ(DecodeDib(makeBmp(spec), image), conversion) << spec.width << " " << spec.bitsPerPixel;
    EXPECT_EQ(DecodeDib(makeBmp({40, 2000000000, 2000000000, 24, 0, {}, Bytes(8, 7)}), image), "Out of memory.");

    EXPECT_TRUE(image.pixels.empty());  // nothing was ever taken from a refused file
}
