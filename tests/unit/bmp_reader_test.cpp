// Reading BMP pictures: every supported kind, and damaged files that must be
// refused with their message and the check they failed, never read outside the file.
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
    ASSERT_EQ(DecodeDib(makeBmp({40, 2, 2, 8, 2, {255, 0, 0, 0, 0, 0, 255, 0}, {0, 1, 0, 0, 1, 0, 0, 0}}), image).reason, "");
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{0, 0, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{255, 0, 0}));

    // 4 bits, the full 16-entry palette (entry 15 green); high nibble first.
    BmpSpec four{40, 2, 2, 4, 0, Bytes(16 * 4, 0), {0xF0, 0, 0, 0, 0x0F, 0, 0, 0}};
    four.palette[15 * 4 + 1] = 200;
    ASSERT_EQ(DecodeDib(makeBmp(four), image).reason, "");
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{0, 200, 0}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(rgb(image, 1, 1), (Bytes{0, 200, 0}));

    // 1 bit with the 12-byte core header and 3-byte palette entries.
    ASSERT_EQ(DecodeDib(makeBmp({12, 9, 1, 1, 0, {0, 0, 0, 255, 255, 255}, {0x80, 0x80, 0, 0}}), image).reason, "");
    EXPECT_EQ(image.width, 9);
    EXPECT_EQ(rgb(image, 0, 0), (Bytes{255, 255, 255}));
    EXPECT_EQ(rgb(image, 1, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(rgb(image, 8, 0), (Bytes{255, 255, 255}));
}

TEST(BmpReader, DamagedFilesAreRefusedWithTheirMessageAndReason)
{
    ImageRecord image;
    const BmpSpec good{40, 2, 2, 24, 0, {}, Bytes(8, 7)};
    const std::string unknown = "Unknown DIB file format.", conversion = "Image file conversion error.";
    Bytes truncated = makeBmp(good);
    truncated.resize(truncated.size() - 3);
    Bytes offsetPastEnd = makeBmp(good);
    put(offsetPastEnd, 10, 0xFFFFFFF0u);
    struct Case {
        Bytes file;
        std::string message, reason;
    };
    const Case cases[] = {
        {makeBmp({108, 2, 2, 24, 0, {}, Bytes(8, 7)}), unknown, "not a picture: unknown DIB header (108 bytes)"},
        {{'B', 'M', 0}, unknown, "truncated: 3 bytes, shorter than a BMP header"},
        {{'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, unknown, "not a picture: no BMP signature"},
        {truncated, conversion, "truncated: 59 bytes, the pixels need 16 bytes from byte 54"},
        {offsetPastEnd, conversion, "truncated: 62 bytes, the pixels need 16 bytes from byte 4294967280"},
        // more colours than one bit indexes
        {makeBmp({40, 2, 2, 1, 3, Bytes(12, 0), Bytes(8, 7)}), conversion, "bad palette: 3 colours at 1 bits a pixel"},
        {makeBmp({40, 2, 2, 8, 2, Bytes(8, 0), {0, 5, 0, 0, 0, 0, 0, 0}}), conversion,
         "bad pixel: colour 5 of a palette of 2"},
        {makeBmp({40, 0, 2, 24, 0, {}, Bytes(8, 7)}), conversion, "bad size: 0 x 2"},
        {makeBmp({40, -4, 2, 24, 0, {}, Bytes(8, 7)}), conversion, "bad size: -4 x 2"},
        {makeBmp({40, 2, 2, 16, 0, {}, Bytes(8, 7)}), conversion, "bad depth: 16 bits a pixel, not 1, 4, 8, 24 or 32"},
        // neither the 256-entry palette nor pixels are there
        {makeBmp({40, 2, 2, 8, 0, {}, {}}), conversion, "truncated: 54 bytes, the palette ends past it"},
        {makeBmp({40, 2000000000, 2000000000, 24, 0, {}, Bytes(8, 7)}), "Out of memory.",
         "too large: 2000000000 x 2000000000"},
    };
    for (const Case& c : cases) {
        const PictureFailure failure = DecodeDib(c.file, image);
        EXPECT_EQ(failure.message, c.message) << c.reason;
        EXPECT_EQ(failure.reason, c.reason);
    }
    EXPECT_TRUE(image.pixels.empty());  // nothing was ever taken from a refused file
}
