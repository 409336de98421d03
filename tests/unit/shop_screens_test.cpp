// What the upgrades shop, the saving screen and the bulletin draw.
#include "rules/between_days.h"
#include "model/game_state.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "model/stats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ShopScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        program = ProgramState{};
        renderState.useGL = false;
        drawLog.enabled = true;
        drawLog.records.clear();
    }
    void TearDown() override
    {
        drawLog.enabled = false;
        drawLog.records.clear();
    }

    static std::vector<DrawRecord> drawn(void (*draw)())
    {
        drawLog.records.clear();
        draw();
        return drawLog.records;
    }
    static const DrawRecord* findText(const std::vector<DrawRecord>& records, const std::string& text)
    {
        for (const DrawRecord& r : records)
            if (r.kind == DrawRecord::Kind::Text && r.text == text)
                return &r;
        return nullptr;
    }
    static std::vector<std::string> texts(const std::vector<DrawRecord>& records)
    {
        std::vector<std::string> out;
        for (const DrawRecord& r : records)
            if (r.kind == DrawRecord::Kind::Text)
                out.push_back(r.text);
        return out;
    }
};

void drawShop() { DrawUpgradesShop(game); }
void drawBulletin() { DrawBulletin(day.stats); }
// One frame of the saving stage's screen.
void savingFrame(bool restart)
{
    UpdateSavingScreen(restart);
    DrawSavingScreen(game);
}

}  // namespace

TEST_F(ShopScreens, ShopLabelsAndInformation)
{
    game.upgradeLevels = UpgradeLevels{5, 5, 5, 2, 5};
    game.headsetBattery = 99.6f;
    game.totals.funds = 1234.5f;
    std::vector<DrawRecord> records = drawn(drawShop);
    const std::vector<std::string> all = texts(records);
    const std::vector<std::string> expected = {
        "These upgrades will help you out in the game.",
        "To buy, press the number(or use arrow keys) then press enter.",
        "Current Funds: $1234.50", "Info:",
        "5 - $410.00", "Advertisements draw customers in and raise revenue.",
        "Current level of upgrade 2/5",
        "1 - MAX LEVEL", "2 - MAX LEVEL", "3 - MAX LEVEL", "4 - $50.00", "5 - $410.00",
        "6 - Save/Exit"};
    EXPECT_EQ(all, expected);
    // The highlighted picture is drawn twice: once alone, then with the others.
    int sprites = 0, highlighted = 0;
    for (const DrawRecord& r : records) {
        if (r.kind != DrawRecord::Kind::Sprite)
            continue;
        ++sprites;
        highlighted += r.index == 64;
    }
    EXPECT_EQ(sprites, 7);
    EXPECT_EQ(highlighted, 2);
    const DrawRecord* label = findText(records, "5 - $410.00");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->rgba[0], 0.0f);  // green when highlighted
    EXPECT_EQ(label->x, 263);
    EXPECT_EQ(label->y, 60);

    game.upgradeLevels.shopCursor = 4;
    records = drawn(drawShop);
    EXPECT_NE(findText(records, "Power of current battery is 100%"), nullptr);
    const DrawRecord* battery = findText(records, "4 - $50.00");
    ASSERT_NE(battery, nullptr);
    EXPECT_EQ(battery->rgba[0], 1.0f);  // yellow when highlighted
    EXPECT_EQ(battery->rgba[1], 1.0f);

    game.headsetBattery = 100.0f;
    game.upgradeLevels.advertisement = 5;
    records = drawn(drawShop);
    EXPECT_NE(findText(records, "4 - SOLD OUT"), nullptr);
    EXPECT_NE(findText(records, "Current battery has MAX power"), nullptr);
    EXPECT_NE(findText(records, "5 - MAX LEVEL"), nullptr);

    game.upgradeLevels = UpgradeLevels{0, 1, 3, 0, 6};
    records = drawn(drawShop);
    EXPECT_NE(findText(records, "1 - $125.00"), nullptr);
    EXPECT_NE(findText(records, "2 - $215.00"), nullptr);
    EXPECT_NE(findText(records, "3 - $435.00"), nullptr);
    EXPECT_NE(findText(records, "Press 'S' to Save current progress"), nullptr);
    EXPECT_NE(findText(records, "Press 'X' to Exit and start a new day"), nullptr);
}

TEST_F(ShopScreens, SavingAnimationThenTheOutcome)
{
    std::vector<std::string> shown;
    for (int frame = 0; frame < 152; ++frame) {
        drawLog.records.clear();
        savingFrame(frame == 0);
        shown.push_back(drawLog.records.empty() ? "" : drawLog.records[0].text);
    }
    EXPECT_EQ(shown[0], "SAVING.");
    EXPECT_EQ(shown[8], "SAVING.");
    EXPECT_EQ(shown[9], "SAVING..");
    EXPECT_EQ(shown[19], "SAVING...");
    EXPECT_EQ(shown[28], "SAVING...");
    EXPECT_EQ(shown[29], "");  // the blank frame that ends a cycle
    EXPECT_EQ(shown[30], "SAVING.");
    EXPECT_EQ(shown[149], "");
    EXPECT_EQ(shown[150], "GAME HAS BEEN SAVED!");
    EXPECT_EQ(drawLog.records.size(), 2u);
    EXPECT_EQ(drawLog.records[1].text, "Press <enter>");

    game.saveFailed = true;
    drawLog.records.clear();
    savingFrame(false);
    EXPECT_EQ(drawLog.records[0].text, "GAME WAS NOT SAVED!");

    savingFrame(true);  // 'S' again restarts the animation
    EXPECT_EQ(game.savingFrames, 1);
    EXPECT_EQ(game.savingDotTimer, 1);
}

TEST_F(ShopScreens, BulletinAnnouncesTheNextItem)
{
    day.stats.dayNumber = 1;
    std::vector<DrawRecord> records = drawn(drawBulletin);
    EXPECT_NE(findText(records, "- Day 2 -"), nullptr);
    const DrawRecord* title = findText(records, "none");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 220);
    EXPECT_NE(findText(records, "N/A"), nullptr);

    day.stats.dayNumber = 7;
    records = drawn(drawBulletin);
    title = findText(records, "Burger- 'Chicken Sandwich'");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 240);
    EXPECT_EQ(title->y, 300);
    for (const char* line : {"Crispy chicken served on warm", "fresh bread with delicious mayo,",
                             "freshly cut lettuce, and vine", "ripened tomatoes!"})
        EXPECT_NE(findText(records, line), nullptr) << line;
    EXPECT_NE(findText(records, "SELL!!  SELL!!  SELL!!"), nullptr);

    day.stats.dayNumber = 4;
    records = drawn(drawBulletin);
    title = findText(records, "Burger - 'Fish Sandwich'");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 240);
    day.stats.dayNumber = 2;
    title = findText(records = drawn(drawBulletin), "Drink - 'Root Beer'");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 220);

    day.stats.dayNumber = 8;
    records = drawn(drawBulletin);
    EXPECT_NE(findText(records, "- Day 9 -"), nullptr);
    EXPECT_NE(findText(records, "none"), nullptr);

    // The memo's frame and its dark blue panel, added on with blending.
    int sprites = 0;
    for (const DrawRecord& r : records) {
        if (r.kind != DrawRecord::Kind::Sprite)
            continue;
        ++sprites;
        EXPECT_TRUE(r.blend);
        if (r.index == 78) {
            EXPECT_EQ(r.rgba[2], 0.3f);
        }
    }
    EXPECT_EQ(sprites, 5);
    EXPECT_FALSE(renderState.blending);
}
