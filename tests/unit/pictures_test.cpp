// The picture generator: every file of the texture table comes out as a picture the
// game reads, the same bytes on every run; the font keeps each glyph where only its
// own quad reads it; and wherever the game prints over a picture, the picture is dark.
#include "render/bmp.h"
#include "render/sprites.h"
#include "render/textures.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The generator is built next to the replay tool.
fs::path generatorPath()
{
    return fs::path(QUORVEL_REPLAY).parent_path() / "quorvel-pictures";
}

std::vector<uint8_t> readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

bool powerOfTwo(int32_t v)
{
    return v > 0 && (v & (v - 1)) == 0;
}

// Two runs of the generator into fresh folders, shared by the tests below.
class PictureSet : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        first = draw("a");
        second = draw("b");
    }

    static void TearDownTestSuite()
    {
        std::error_code ignored;
        fs::remove_all(first, ignored);
        fs::remove_all(second, ignored);
    }

    static fs::path draw(const std::string& name)
    {
        const fs::path folder =
            fs::temp_directory_path() / ("quorvel-pictures-" + std::to_string(getpid()) + "-" + name);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        const std::string command = "\"" + generatorPath().string() + "\" \"" + folder.string() + "\"";
        exitCodes.push_back(std::system(command.c_str()));
        return folder;
    }

    static ImageRecord load(const char* file)
    {
        ImageRecord image;
        const std::string message = DecodeDib(readBytes(first / file), image);
        EXPECT_EQ(message, "") << file;
        return image;
    }

    static fs::path first, second;
    static std::vector<int> exitCodes;
};

fs::path PictureSet::first, PictureSet::second;
std::vector<int> PictureSet::exitCodes;

// A picture as the game uploads it: rows bottom first, read with linear filtering.
struct Texels {
    const ImageRecord& image;

    float at(int x, int y) const  // the brightest channel, 0 to 1; x, y from the bottom left
    {
        const uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
        return static_cast<float>(std::max({p[0], p[1], p[2]})) / 255.0f;
    }
};

// The brightest texel of a picture under a box of the 640 x 480 text space, the
// picture drawn as a sprite at scene point (x, y) with that scale.
float brightestUnder(const ImageRecord& image, int index, float x, float y, float scale, int left, int bottom,
                     int right, int top)
{
    SpriteQuad quad;
    EXPECT_TRUE(SpriteQuadFor(index, x, y, scale, quad));
    auto column = [&](int px) {
        const float u = (PixelToSceneX(px) - quad.left) / (quad.right - quad.left);
        return std::clamp(static_cast<int>(u * static_cast<float>(image.width)), 0, image.width - 1);
    };
    auto row = [&](int py) {
        const float v = (PixelToSceneY(py) - quad.bottom) / (quad.top - quad.bottom);
        return std::clamp(static_cast<int>(v * static_cast<float>(image.height)), 0, image.height - 1);
    };
    const Texels texels{image};
    float brightest = 0.0f;
    for (int ty = row(bottom); ty <= row(top); ++ty)
        for (int tx = column(left); tx <= column(right); ++tx)
            brightest = std::max(brightest, texels.at(tx, ty));
    return brightest;
}

}  // namespace

TEST_F(PictureSet, EveryFileOfTheTableIsAReadableBottomUpBmpOfPowerOfTwoSize)
{
    for (int code : exitCodes)
        ASSERT_EQ(code, 0) << generatorPath();
    std::set<std::string> expected(std::begin(kTextureFiles), std::end(kTextureFiles));
    EXPECT_EQ(expected.size(), 62u);
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(first))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(written, expected);

    for (const std::string& file : expected) {
        const std::vector<uint8_t> bytes = readBytes(first / file);
        ASSERT_GE(bytes.size(), 54u) << file;
        EXPECT_EQ(bytes[0], 'B') << file;
        EXPECT_EQ(bytes[1], 'M') << file;
        EXPECT_EQ(le32(bytes, 14), 40u) << file;          // information header
        EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << file;  // bits per pixel
        EXPECT_EQ(le32(bytes, 30), 0u) << file;            // not compressed
        EXPECT_GT(static_cast<int32_t>(le32(bytes, 22)), 0) << file << " is stored bottom up";

        ImageRecord image = load(file.c_str());
        EXPECT_TRUE(powerOfTwo(image.width) && image.width <= 512) << file << " width " << image.width;
        EXPECT_TRUE(powerOfTwo(image.height) && image.height <= 512) << file << " height " << image.height;
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height * 3) << file;
    }
}

TEST_F(PictureSet, EveryRunWritesTheSameBytes)
{
    for (const char* file : kTextureFiles) {
        const std::vector<uint8_t> a = readBytes(first / file), b = readBytes(second / file);
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == b) << file << " differs between two runs";
    }
}

// Each glyph quad reads its cell from the left edge to 0.0618 (bottom) .. 0.071 (top)
// of the picture's width and from the top down 0.06 (left) .. 0.0662 (right) of its
// height, with linear filtering. Every texel so read that lies in another cell must
// be black, or a neighbour's letter bleeds into the text.
TEST_F(PictureSet, FontGlyphsAreReadOnlyByTheirOwnQuads)
{
    const ImageRecord font = load("Font.bmp");
    ASSERT_EQ(font.width, font.height);
    ASSERT_EQ(font.width % 16, 0);
    const Texels texels{font};
    const float size = static_cast<float>(font.width);
    const int cell = font.width / 16;

    for (int g = 0; g < 256; ++g) {
        const float cx = static_cast<float>(g % 16) / 16.0f, t = 1.0f - static_cast<float>(g / 16) / 16.0f;
        // The quad's corners in texture coordinates (v up), in the order of the glyph list.
        const float u[4] = {cx, cx + 0.0618f, cx + 0.071f, cx};
        const float v[4] = {t - 0.06f, t - 0.0662f, t, t};
        float ownInk = 0.0f;
        for (float a = 0.0f; a <= 1.0f; a += 1.0f / 64.0f)
            for (float b = 0.0f; b <= 1.0f; b += 1.0f / 64.0f) {
                // The quad is convex: blending its corners covers it.
                const float pu = (u[0] * (1 - a) + u[1] * a) * (1 - b) + (u[3] * (1 - a) + u[2] * a) * b;
                const float pv = (v[0] * (1 - a) + v[1] * a) * (1 - b) + (v[3] * (1 - a) + v[2] * a) * b;
                const int x0 = static_cast<int>(std::floor(pu * size - 0.5f));
                const int y0 = static_cast<int>(std::floor(pv * size - 0.5f));
                for (int y = y0; y <= y0 + 1; ++y)
                    for (int x = x0; x <= x0 + 1; ++x) {
                        if (x < 0 || y < 0 || x >= font.width || y >= font.height)
                            continue;
                        const int owner = (x / cell) + 16 * (15 - y / cell);
                        const float value = texels.at(x, y);
                        if (owner == g)
                            ownInk = std::max(ownInk, value);
                        else
                            ASSERT_EQ(value, 0.0f) << "glyph " << g << " reads glyph " << owner << " at texel " << x
                                                   << ", " << y;
                    }
            }
        const bool printable = (g >= 1 && g <= 94) || (g >= 129 && g <= 222);
        if (printable)
            EXPECT_GT(ownInk, 0.9f) << "glyph " << g << " is missing";
        else
            EXPECT_EQ(ownInk, 0.0f) << "glyph " << g << " should be blank";
    }
}

TEST_F(PictureSet, TheStarFadesToBlackBeforeItsEdges)
{
    const ImageRecord star = load("Star.bmp");
    const Texels texels{star};
    for (int i = 0; i < star.width; ++i) {
        EXPECT_EQ(texels.at(i, 0), 0.0f);
        EXPECT_EQ(texels.at(i, star.height - 1), 0.0f);
        EXPECT_EQ(texels.at(0, i), 0.0f);
        EXPECT_EQ(texels.at(star.width - 1, i), 0.0f);
    }
    EXPECT_GT(texels.at(star.width / 2, star.height / 2), 0.9f);
}

// Where a screen prints text over a picture with additive blending, the picture
// stays dark enough for the text to stand out.
TEST_F(PictureSet, PicturesAreDarkWhereTheGamePrintsOverThem)
{
    constexpr float kDark = 0.3f;
    // The register's total, "$ %.2f" at (132, 393) in the medium text.
    for (int index = 18; index <= 31; ++index) {
        const ImageRecord reg = load(kTextureFiles[index]);
        EXPECT_LE(brightestUnder(reg, index, -1.33f, 0.35f, 1.61f, 132, 393, 222, 407), kDark) << kTextureFiles[index];
    }
    // The kitchen's receipt: order number, time, a dozen lines, total and item count.
    const ImageRecord receipt = load("Receipt - on view.bmp");
    const float rx = PixelToSceneX(536), ry = PixelToSceneY(264);
    EXPECT_LE(brightestUnder(receipt, 52, rx, ry, 2.59f, 499, 361, 529, 372), kDark);
    EXPECT_LE(brightestUnder(receipt, 52, rx, ry, 2.59f, 496, 339, 606, 350), kDark);
    EXPECT_LE(brightestUnder(receipt, 52, rx, ry, 2.59f, 460, 201, 625, 333), kDark);
    EXPECT_LE(brightestUnder(receipt, 52, rx, ry, 2.59f, 575, 153, 625, 177), kDark);
    // The bag numbers, plain over every bag and large over the selected one.
    const ImageRecord bag = load("Bag3.bmp");
    EXPECT_LE(brightestUnder(bag, 50, PixelToSceneX(120), PixelToSceneY(190), 1.0f, 109, 157, 119, 167), kDark);
    EXPECT_LE(brightestUnder(bag, 50, PixelToSceneX(120), PixelToSceneY(190), 1.08f, 108, 154, 122, 168), kDark);
    // The objective text on the scroll.
    const ImageRecord scroll = load("Scroll.bmp");
    EXPECT_LE(brightestUnder(scroll, 49, 0.0f, 0.0f, 4.5f, 50, 80, 590, 375), kDark);
    // The status bar's percentages print over the middle of the full power bars (their
    // bright rim may cross the tops of the figures).
    const ImageRecord bar = load("BatteryPower.bmp");
    EXPECT_LE(brightestUnder(bar, 56, -0.85f, 1.585f, 1.0f, 180, 461, 210, 468), 0.45f);
}
