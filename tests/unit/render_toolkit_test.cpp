// Colour names, text styles and sprite placement of the drawing toolkit.
#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/sprites.h"
#include "render/text.h"

#include <gtest/gtest.h>

namespace {

// Draws without OpenGL and records, as the replay tool's --no-gl does.
struct RecordingToolkit : ::testing::Test {
    void SetUp() override
    {
        renderState = RenderState{};
        renderState.useGL = false;
        drawLog.enabled = true;
        BeginDrawLog();
    }
    void TearDown() override { drawLog.enabled = false; }
};

void expectColour(const float* rgba, float r, float g, float b)
{
    EXPECT_FLOAT_EQ(rgba[0], r);
    EXPECT_FLOAT_EQ(rgba[1], g);
    EXPECT_FLOAT_EQ(rgba[2], b);
}

}  // namespace

TEST(ColourNames, NamedColoursAndGreys)
{
    float rgb[3];
    ASSERT_TRUE(ColourFromName("Magenta", rgb));
    expectColour(rgb, 1, 0, 1);
    ASSERT_TRUE(ColourFromName("Purple", rgb));
    expectColour(rgb, 1, 0, 1);
    ASSERT_TRUE(ColourFromName("Cyan", rgb));
    expectColour(rgb, 0, 1, 1);
    ASSERT_TRUE(ColourFromName("Gray85", rgb));
    expectColour(rgb, 0.85f, 0.85f, 0.85f);
    ASSERT_TRUE(ColourFromName("Gray 50", rgb));  // leading blanks are skipped
    expectColour(rgb, 0.5f, 0.5f, 0.5f);
    ASSERT_TRUE(ColourFromName("Gray7x", rgb));  // reading stops at the first non-digit
    expectColour(rgb, 0.07f, 0.07f, 0.07f);
}

TEST(ColourNames, UnreadableGreyIsBlackAndUnknownNamesAreWhite)
{
    float rgb[3];
    ASSERT_TRUE(ColourFromName("Gray", rgb));
    expectColour(rgb, 0, 0, 0);
    ASSERT_TRUE(ColourFromName("Grey85", rgb));  // spelled with e: not a grey name
    expectColour(rgb, 1, 1, 1);
    ASSERT_TRUE(ColourFromName("red", rgb));  // names are compared with their case
    expectColour(rgb, 1, 1, 1);
    EXPECT_FALSE(ColourFromName("", rgb));
    EXPECT_FALSE(ColourFromName(nullptr, rgb));
}

TEST_F(RecordingToolkit, EmptyColourNameKeepsTheCurrentColourAndAlphaIsOne)
{
    SetColourRGBA(1.0f, 1.0f, 1.0f, 0.5f);
    PrintText(0, 0, "Yellow", 1, "a");
    PrintText(10, 20, "", 1, "b");
    ASSERT_EQ(drawLog.records.size(), 2u);
    expectColour(drawLog.records[1].rgba, 1, 1, 0);
    EXPECT_FLOAT_EQ(drawLog.records[1].rgba[3], 1.0f);
}

TEST_F(RecordingToolkit, StylesOutsideTheSixBecomeStyleOne)
{
    PrintFormatted(0, 0, 6, "x");
    PrintFormatted(0, 0, -1, "x");
    PrintFormatted(0, 0, 5, "x");
    PrintFormatted(0, 0, 0, "x");
    ASSERT_EQ(drawLog.records.size(), 4u);
    EXPECT_EQ(drawLog.records[0].style, 1);
    EXPECT_EQ(drawLog.records[1].style, 1);
    EXPECT_EQ(drawLog.records[2].style, 5);
    EXPECT_EQ(drawLog.records[3].style, 0);
}

TEST_F(RecordingToolkit, PrintTextPrintsPercentSignsAsTheyStandAndFormatsAreFormatted)
{
    PrintText(1, 2, "White", 1, "100%d %s");
    PrintFormatted(3, 4, 1, "%.1f%%", 12.25f);
    PrintFormatted(3, 4, 1, nullptr);  // an absent format draws nothing
    ASSERT_EQ(drawLog.records.size(), 2u);
    EXPECT_EQ(drawLog.records[0].text, "100%d %s");
    EXPECT_EQ(drawLog.records[1].text, "12.2%");
}

TEST_F(RecordingToolkit, FormattedTextIsCutAt255Characters)
{
    std::string longText(400, 'a');
    PrintFormatted(0, 0, 1, "%s", longText.c_str());
    ASSERT_EQ(drawLog.records.size(), 1u);
    EXPECT_EQ(drawLog.records[0].text.size(), 255u);
}

TEST_F(RecordingToolkit, TextRecordsTheBlendingInForce)
{
    SetBlending(false);
    PrintFormatted(0, 0, 1, "a");
    SetBlending(true);
    PrintFormatted(0, 0, 1, "b");
    EXPECT_FALSE(drawLog.records[0].blend);
    EXPECT_TRUE(drawLog.records[1].blend);
}

TEST(Sprites, PixelPositionsConvertToSceneUnits)
{
    EXPECT_FLOAT_EQ(PixelToSceneX(0), -2.2f);
    EXPECT_FLOAT_EQ(PixelToSceneY(0), -1.615f);
    EXPECT_NEAR(PixelToSceneX(320), 0.031f, 0.001f);
    EXPECT_NEAR(PixelToSceneY(240), 0.034f, 0.001f);
    EXPECT_NEAR(PixelToSceneX(640), 2.263f, 0.001f);
    EXPECT_NEAR(PixelToSceneY(480), 1.684f, 0.001f);
}

TEST(Sprites, QuadsFollowTheSizeTable)
{
    SpriteQuad q;
    ASSERT_TRUE(SpriteQuadFor(69, 0.0f, 0.0f, 1.0f, q));  // a 1 x 1 plain box in the middle
    EXPECT_FLOAT_EQ(q.left, -0.5f);
    EXPECT_FLOAT_EQ(q.right, 0.5f);
    EXPECT_FLOAT_EQ(q.top, 0.5f);

    ASSERT_TRUE(SpriteQuadFor(56, 0.0f, 0.0f, 0.5f, q));  // the battery bar keeps its height
    EXPECT_FLOAT_EQ(q.right - q.left, 0.3f);
    EXPECT_FLOAT_EQ(q.top - q.bottom, 0.11f);

    ASSERT_TRUE(SpriteQuadFor(46, 1.0f, 0.0f, 2.0f, q));  // window views are 1.2 x 0.94
    EXPECT_FLOAT_EQ(q.right - q.left, 2.4f);
    EXPECT_FLOAT_EQ(q.top - q.bottom, 1.88f);

    ASSERT_TRUE(SpriteQuadFor(17, 0.0f, 0.0f, 1.0f, q));
    EXPECT_FLOAT_EQ(q.right - q.left, 1.7f);
    ASSERT_TRUE(SpriteQuadFor(12, 0.0f, 0.0f, 1.0f, q));  // drinks are tall
    EXPECT_FLOAT_EQ(q.top - q.bottom, 0.67f);
    ASSERT_TRUE(SpriteQuadFor(78, 0.0f, 0.0f, 1.0f, q));
    EXPECT_FLOAT_EQ(q.right - q.left, 0.795f);
}

TEST(Sprites, IndicesWithoutASizeAreNotDrawn)
{
    SpriteQuad q;
    EXPECT_FALSE(SpriteQuadFor(47, 0, 0, 1, q));
    EXPECT_FALSE(SpriteQuadFor(48, 0, 0, 1, q));
    EXPECT_FALSE(SpriteQuadFor(79, 0, 0, 1, q));
    EXPECT_FALSE(SpriteQuadFor(-1, 0, 0, 1, q));
}

TEST_F(RecordingToolkit, SpriteAtPixelIsRecordedAfterItsConversion)
{
    DrawSpriteAtPixel("Gray75", 50, 120, 190, 1.0f);
    ASSERT_EQ(drawLog.records.size(), 1u);
    EXPECT_FLOAT_EQ(drawLog.records[0].sceneX, PixelToSceneX(120));
    EXPECT_FLOAT_EQ(drawLog.records[0].sceneY, PixelToSceneY(190));
    expectColour(drawLog.records[0].rgba, 0.75f, 0.75f, 0.75f);
}
