// The end-of-day report: its list of lines, the awards, the cursor keys and
// the report's Enter and Space.
#include "rules/between_days.h"
#include "model/catalogue.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "model/stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kSpace = 32, kEnter = 13, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36,
              kUp = 38, kDown = 40;

// Slots of the collapsible lines.
constexpr int kDayBiggest = 0, kDayDrinks = 2, kDayBurgers = 3, kTotalDrinks = 5,
              kDayWasted = 8, kMostMoney = 12, kQuickResponse = 13,
              kFastHands = 14, kAttention = 15, kFastFeet = 16, kEntrepreneur = 17,
              kDrinkMaster = 18, kBurgerMaster = 19, kSideMaster = 20;

struct ListLine {
    int x, y;
    std::string text;
};

class EndOfDayReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        program = ProgramState{};
        keyLatches = 0;
        renderState.useGL = false;
        drawLog.enabled = true;
        game.dayOver = true;
        game.betweenDaysStage = BetweenDaysStage{1};
        // An ordinary day that earns no award.
        day.stats.customerPutOnHold = true;
        day.stats.averageAccuracy = 50.0f;
        day.stats.averageSpeed = 30.0f;
    }
    void TearDown() override
    {
        drawLog.enabled = false;
        drawLog.records.clear();
        keyLatches = 0;
    }

    // One report frame (drawing and cursor keys, then Enter and Space).
    ReportLayout frame()
    {
        drawLog.records.clear();
        ReportLayout layout = DrawEndOfDayReport(program, game, day.stats);
        ReportStep(keys, layout);
        layout.cursorLine = static_cast<int>(program.report.cursorLine);
        return layout;
    }

    void press(int code)
    {
        keys[code] = true;
        frame();
        keys[code] = false;
        frame();
    }

    // The list's lines as drawn on the last frame, top to bottom.
    static std::vector<ListLine> list()
    {
        std::vector<ListLine> lines;
        for (const DrawRecord& r : drawLog.records)
            if (r.kind == DrawRecord::Kind::Text && (r.x == 21 || r.x == 41) && r.style == 0)
                lines.push_back({r.x, r.y, r.text});
        return lines;
    }
    static std::vector<std::string> texts()
    {
        std::vector<std::string> out;
        for (const ListLine& l : list())
            out.push_back(l.text);
        return out;
    }
    static int indexOf(const std::string& text)
    {
        const std::vector<std::string> all = texts();
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i] == text)
                return static_cast<int>(i);
        return -1;
    }

    static void fillBiggestOrder(Receipt& receipt, int items)
    {
        for (int i = 0; i < items; ++i)
            receipt.lines[i] = makeOrderItem(1 + i % kMenuItemCount);
        receipt.count = items;
    }

    bool keys[256] = {};
};

}  // namespace

TEST_F(EndOfDayReport, ClosedReportListsEveryLineInOrder)
{
    day.stats.revenue = 123.456f;
    day.stats.ordersServed = 7;
    day.stats.itemsWasted = 2;
    day.stats.averageAccuracy = 88.6f;
    day.stats.averageSpeed = 12.345f;
    day.stats.fastestOrder = 4.5f;
    day.stats.biggestOrderItems = 3;
    day.stats.drinksSold[Drink::Coke] = 2;
    game.totals.funds = 1000.0f;
    game.totals.ordersServed = 12;
    game.totals.drinksSold[Drink::Coke] = 9;
    game.totals.bestDayRevenue = 301.25f;
    game.totals.fastestOrder = 3.25f;
    game.satisfactionBonus = 7.0f;
    frame();
    const std::vector<std::string> expected = {
        "REVENUE:", "--------", "Day - W/O Awards:   $123.46", "Day - From Awards:  $0.00 ",
        "Day - Total Profit: $123.46", "Total:  $1000.00", "",
        "ORDER:", "------", "DAY results", "|+| Biggest: 3", "|+| # drinks sold:  2",
        "|+| # burgers sold: 0", "|+| # sides sold:   0", "# orders:    7", "|+| # items wasted:   2",
        "Average Accuracy: 89%", "Average Speed: 12.35s", "",
        "TOTAL results", "|+| Biggest: 0", "|+| # drinks sold:  9", "|+| # burgers sold: 0",
        "|+| # sides sold:  0", "# orders:   12", "|+| # items wasted:   0", "",
        "RECORDS:", "--------", "|+| Day-Fastest Order:   4.50s", "|+| Total-Fastest Order: 3.25s",
        "|+| Most $ Made in A Day: 301.25", "", "AWARDS:", "-------"};
    EXPECT_EQ(texts(), expected);

    // One line every 11 units down from the top of the window.
    const std::vector<ListLine> lines = list();
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].y, 443 - 11 * static_cast<int>(i)) << i;

    bool headingFound = false;
    for (const DrawRecord& r : drawLog.records)
        if (r.kind == DrawRecord::Kind::Text && r.text == "7.0% added to customer")
            headingFound = r.x == 405 && r.y == 200 && r.style == 1;
    EXPECT_TRUE(headingFound);
}

TEST_F(EndOfDayReport, OpeningTheDaysDrinksOnDayOneAddsFourLines)
{
    day.stats.customerPutOnHold = false;  // one award, to see it move
    frame();
    const std::vector<ListLine> closed = list();
    ASSERT_EQ(closed.size(), 36u);
    EXPECT_EQ(closed.back().text, "|+| Quick Response      $+ 25.00");

    program.report.expanded = 1u << kDayDrinks;
    frame();
    const std::vector<ListLine> open = list();
    ASSERT_EQ(open.size(), 40u);
    EXPECT_EQ(open[11].text, "|-| # drinks sold:  0");
    EXPECT_EQ(open[12].x, 41);
    EXPECT_EQ(open[12].text, "Coke:        0  0.00%");
    EXPECT_EQ(open[13].text, "Pepsi:       0  0.00%");
    EXPECT_EQ(open[14].text, "Grape Soda:  0  0.00%");
    EXPECT_EQ(open[15].text, "Orange Soda: 0  0.00%");
    EXPECT_EQ(open.back().text, closed.back().text);
    EXPECT_EQ(open.back().y, closed.back().y - 44);
}

TEST_F(EndOfDayReport, SharesAreAlignedAndFollowTheDayNumber)
{
    day.stats.dayNumber = 3;
    day.stats.drinksSold[Drink::Coke] = 3;
    day.stats.drinksSold[Drink::Pepsi] = 1;
    day.stats.drinksSold[Drink::RootBeer] = 1;
    program.report.expanded = 1u << kDayDrinks;
    frame();
    const int at = indexOf("|-| # drinks sold:  5");
    ASSERT_GE(at, 0);
    const std::vector<std::string> all = texts();
    EXPECT_EQ(all[at + 1], "Coke:          3  60.0%");
    EXPECT_EQ(all[at + 2], "Pepsi:         1  20.0%");
    EXPECT_EQ(all[at + 3], "Grape Soda:    0   0.0%");
    EXPECT_EQ(all[at + 4], "Orange Soda:   0   0.0%");
    EXPECT_EQ(all[at + 5], "Root Beer:     1  20.00%");
    EXPECT_EQ(all[at + 6], "|+| # burgers sold: 0");

    // Three digits fill the column.
    day.stats.drinksSold[Drink::Coke] = 100;
    day.stats.drinksSold[Drink::Pepsi] = 0;
    day.stats.drinksSold[Drink::RootBeer] = 0;
    frame();
    EXPECT_EQ(texts()[at + 1], "Coke:        100 100.0%");

    // The lifetime section lists what the day's number allows, whatever was sold.
    day.stats.dayNumber = 2;
    game.totals.drinksSold[Drink::RootBeer] = 4;
    game.totals.drinksSold[Drink::Lemonade] = 4;
    program.report.expanded = 1u << kTotalDrinks;
    frame();
    const int total = indexOf("|-| # drinks sold:  8");
    ASSERT_GE(total, 0);
    EXPECT_EQ(texts()[total + 5], "|+| # burgers sold: 0");

    day.stats.dayNumber = 8;
    frame();
    EXPECT_EQ(texts()[total + 5], "Root Beer:     4  50.00%");
    EXPECT_EQ(texts()[total + 6], "Lemonade:      4  50.00%");
}

TEST_F(EndOfDayReport, EmptyCategoryPrintsZeroLines)
{
    day.stats.dayNumber = 5;
    program.report.expanded = 1u << kDayBurgers;
    frame();
    const int at = indexOf("|-| # burgers sold: 0");
    ASSERT_GE(at, 0);
    const std::vector<std::string> all = texts();
    EXPECT_EQ(all[at + 1], "Megaburger:    0  0.00%");
    EXPECT_EQ(all[at + 2], "Cheeseburger:  0  0.00%");
    EXPECT_EQ(all[at + 3], "Hamburger:     0  0.00%");
    EXPECT_EQ(all[at + 4], "Fish Sandwich: 0  0.00%");
    EXPECT_EQ(all[at + 5], "|+| # sides sold:   0");
}

TEST_F(EndOfDayReport, OpenLinesShowTheirDetails)
{
    day.stats.dayNumber = 4;
    day.stats.itemsWasted = 3;
    day.stats.drinksWasted[Drink::GrapeSoda] = 2;
    day.stats.sidesWasted[Side::TatorTots] = 1;
    day.stats.biggestOrderItems = 2;
    fillBiggestOrder(day.stats.biggestOrder, 2);
    game.totals.bestDayRevenue = 88.0f;
    game.totals.writeBestDayNumber(4.0f);
    program.report.expanded = (1u << kDayBiggest) | (1u << kDayWasted) | (1u << kMostMoney);
    frame();
    const std::vector<std::string> all = texts();

    const int biggest = indexOf("|-| Biggest: 2");
    ASSERT_GE(biggest, 0);
    EXPECT_EQ(all[biggest + 1], "Megaburger");
    EXPECT_EQ(all[biggest + 2], "Cheeseburger");

    const int wasted = indexOf("|-| # items wasted:   3");
    ASSERT_GE(wasted, 0);
    const std::vector<std::string> waste(all.begin() + wasted + 1, all.begin() + wasted + 12);
    const std::vector<std::string> expected = {
        "coke:            0", "pepsi:           0", "orange soda:     0", "grape soda:      2",
        "rootbeer:        0", "megaburgers:     0", "cheeseburger:    0", "hamburger:       0",
        "fries:           0", "cheese sticks:   0", "tator tots:      1"};
    EXPECT_EQ(waste, expected);
    EXPECT_EQ(all[wasted + 12], "Average Accuracy: 50%");

    const int money = indexOf("|-| Most $ Made in A Day: 88.00");
    ASSERT_GE(money, 0);
    EXPECT_EQ(all[money + 1], "Day Number: 4");

    // Detail lines are indented and grey; the line after them is white again.
    const std::vector<ListLine> lines = list();
    EXPECT_EQ(lines[biggest + 1].x, 41);
    for (const DrawRecord& r : drawLog.records) {
        if (r.kind != DrawRecord::Kind::Text)
            continue;
        if (r.text == "Megaburger") {
            EXPECT_NEAR(r.rgba[0], 0.58f, 0.01f);
        }
        if (r.text == "|+| # drinks sold:  0") {
            EXPECT_EQ(r.rgba[0], 1.0f);
        }
    }
}

TEST_F(EndOfDayReport, ADayWithoutOrdersHasNoAverages)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    day.stats.averageAccuracy = nan;
    day.stats.averageSpeed = nan;
    day.stats.customerPutOnHold = false;
    ReportLayout layout = frame();
    EXPECT_GE(indexOf("Average Accuracy: n/a"), 0);
    EXPECT_GE(indexOf("Average Speed: n/a"), 0);
    EXPECT_EQ(layout.awardTotal, 25.0f);
    EXPECT_NE(layout.headerLines[kQuickResponse], -1);
    EXPECT_EQ(layout.headerLines[kAttention], -1);
    EXPECT_EQ(layout.headerLines[kFastFeet], -1);

    day.stats.customerPutOnHold = true;
    layout = frame();
    EXPECT_EQ(layout.awardTotal, 0.0f);
    EXPECT_EQ(layout.headerLines[kQuickResponse], -1);
}

TEST_F(EndOfDayReport, AwardsNeedToPassTheirThresholds)
{
    struct Case {
        int slot;
        void (*atThreshold)();
        void (*pastThreshold)();
        float amount;
    };
    const Case cases[] = {
        {kFastHands, [] { day.stats.ordersServed = 20; }, [] { day.stats.ordersServed = 21; }, 75.0f},
        {kAttention, [] { day.stats.averageAccuracy = 95.0f; },
         [] { day.stats.averageAccuracy = std::nextafter(95.0f, 100.0f); }, 150.0f},
        {kFastFeet, [] { day.stats.averageSpeed = 5.6f; },
         [] { day.stats.averageSpeed = std::nextafter(5.6f, 0.0f); }, 75.0f},
        {kEntrepreneur, [] { day.stats.revenue = 250.0f; }, [] { day.stats.revenue = 250.01f; }, 50.0f},
        {kDrinkMaster, [] { day.stats.drinksSold[Drink::Coke] = 40; },
         [] { day.stats.drinksSold[Drink::Coke] = 41; }, 80.0f},
        {kBurgerMaster, [] { day.stats.burgersSold[Burger::Hamburger] = 30; },
         [] { day.stats.burgersSold[Burger::Hamburger] = 31; }, 100.0f},
        {kSideMaster, [] { day.stats.sidesSold[Side::Fries] = 35; },
         [] { day.stats.sidesSold[Side::Fries] = 36; }, 70.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        c.atThreshold();
        ReportLayout layout = frame();
        EXPECT_EQ(layout.headerLines[c.slot], -1) << c.slot;
        EXPECT_EQ(layout.awardTotal, 0.0f) << c.slot;
        c.pastThreshold();
        layout = frame();
        EXPECT_EQ(layout.headerLines[c.slot], 35) << c.slot;
        EXPECT_EQ(layout.awardTotal, c.amount) << c.slot;
    }
}

TEST_F(EndOfDayReport, AllEightAwardsAndTheirMoney)
{
    day.stats.customerPutOnHold = false;
    day.stats.ordersServed = 21;
    day.stats.averageAccuracy = 99.0f;
    day.stats.averageSpeed = 5.0f;
    day.stats.revenue = 300.0f;
    day.stats.drinksSold[Drink::Pepsi] = 41;
    day.stats.burgersSold[Burger::Megaburger] = 31;
    day.stats.sidesSold[Side::Fries] = 36;
    game.totals.funds = 500.0f;
    program.report.expanded = 1u << kAttention;

    ReportLayout layout = frame();
    EXPECT_EQ(layout.awardTotal, 625.0f);
    EXPECT_EQ(game.awardMoney, 625.0f);
    for (int slot = kQuickResponse; slot <= kSideMaster; ++slot)
        EXPECT_NE(layout.headerLines[slot], -1) << slot;
    std::vector<std::string> all = texts();
    EXPECT_EQ(all[3], "Day - From Awards:  $0.00 ");  // nothing stored before the first frame
    const std::vector<std::string> awards(all.begin() + 35, all.end());
    const std::vector<std::string> expected = {
        "|+| Quick Response      $+ 25.00", "|+| Fast Hands          $+ 75.00",
        "|-| Attention to Detail $+150.00", "Average Accuracy > 95%",
        "|+| Fast Feet           $+ 75.00", "|+| Entrepreneur        $+ 50.00",
        "|+| Drink Master        $+ 80.00", "|+| Burger Master       $+100.00",
        "|+| Side Master         $+ 70.00"};
    EXPECT_EQ(awards, expected);

    frame();
    all = texts();
    EXPECT_EQ(all[3], "Day - From Awards:  $625.00");
    EXPECT_EQ(all[4], "Day - Total Profit: $925.00");
    EXPECT_EQ(all[5], "Total:  $1125.00");
}

TEST_F(EndOfDayReport, EnterPaysTheAwardsIntoFundsOnly)
{
    day.stats.customerPutOnHold = false;
    day.stats.ordersServed = 21;
    day.stats.revenue = 80.0f;
    game.totals.funds = 200.0f;
    frame();
    keys[kEnter] = true;
    frame();
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 2);
    EXPECT_EQ(game.totals.funds, 300.0f);
    EXPECT_EQ(day.stats.revenue, 80.0f);
    EXPECT_EQ(game.awardMoney, 0.0f);

    // Held on, it is the same press: nothing is paid twice.
    game.betweenDaysStage = BetweenDaysStage{1};
    frame();
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 1);
    EXPECT_EQ(game.totals.funds, 300.0f);
}

TEST_F(EndOfDayReport, SpaceOpensAndClosesTheLineUnderTheCursor)
{
    day.stats.customerPutOnHold = false;
    // Line 11 is the day's drinks line.
    for (int i = 0; i < 11; ++i)
        press(kDown);
    EXPECT_EQ(program.report.cursorLine, -11.0f);
    keys[kSpace] = true;
    frame();
    frame();  // held: toggles once
    keys[kSpace] = false;
    frame();
    EXPECT_EQ(program.report.expanded, 1u << kDayDrinks);
    EXPECT_EQ(texts()[11], "|-| # drinks sold:  0");
    press(kSpace);
    EXPECT_EQ(program.report.expanded, 0u);

    // Not a collapsible line: nothing.
    press(kHome);
    press(kSpace);
    EXPECT_EQ(program.report.expanded, 0u);

    // The award line opens; its detail line does not toggle anything.
    for (int i = 0; i < 35; ++i)
        press(kDown);
    press(kSpace);
    EXPECT_EQ(program.report.expanded, 1u << kQuickResponse);
    press(kDown);
    press(kSpace);
    EXPECT_EQ(program.report.expanded, 1u << kQuickResponse);
    press(kUp);
    press(kSpace);
    EXPECT_EQ(program.report.expanded, 0u);
}

TEST_F(EndOfDayReport, CursorKeysOnALongReport)
{
    // Every line open, 25-item biggest orders, all items listed, all awards.
    day.stats.dayNumber = 8;
    day.stats.biggestOrderItems = 25;
    game.totals.biggestOrderItems = 25;
    fillBiggestOrder(day.stats.biggestOrder, 25);
    fillBiggestOrder(game.totals.biggestOrder, 25);
    day.stats.customerPutOnHold = false;
    day.stats.ordersServed = 21;
    day.stats.averageAccuracy = 99.0f;
    day.stats.averageSpeed = 5.0f;
    day.stats.revenue = 300.0f;
    day.stats.drinksSold[Drink::Pepsi] = 41;
    day.stats.burgersSold[Burger::Megaburger] = 31;
    day.stats.sidesSold[Side::Fries] = 36;
    program.report.expanded = (1u << kReportSlots) - 1;
    frame();
    const int n = static_cast<int>(list().size());
    ASSERT_EQ(n, 170);
    ReportView& view = program.report;

    press(kEnd);
    EXPECT_EQ(view.cursorRow, -38.0f);
    EXPECT_EQ(view.cursorLine, -(n - 1.0f));
    EXPECT_EQ(view.scrollTop, 443 + 11 * (n - 1 - 38));
    frame();
    EXPECT_EQ(list().back().y, 443 - 11 * 38);  // the last line on the bottom row

    press(kHome);
    EXPECT_EQ(view.scrollTop, 443);
    EXPECT_EQ(view.cursorRow, 0.0f);
    EXPECT_EQ(view.cursorLine, 0.0f);

    press(kPageDown);
    EXPECT_EQ(view.cursorRow, -38.0f);
    EXPECT_EQ(view.cursorLine, -39.0f);
    EXPECT_EQ(view.scrollTop, 454);
    press(kPageUp);  // 38 rows up, then one line scrolled back
    EXPECT_EQ(view.cursorRow, 0.0f);
    EXPECT_EQ(view.cursorLine, 0.0f);
    EXPECT_EQ(view.scrollTop, 443);

    // Held for 60 frames: the press, then repeats at 30, 36, 42, 48, 54 and 60.
    keys[kDown] = true;
    for (int i = 0; i < 60; ++i)
        frame();
    EXPECT_EQ(view.cursorLine, -7.0f);
    frame();
    EXPECT_EQ(view.cursorLine, -7.0f);
    keys[kDown] = false;
    frame();
    EXPECT_EQ(view.downHeldFrames, 0);
    keys[kUp] = true;
    for (int i = 0; i < 30; ++i)
        frame();
    keys[kUp] = false;
    frame();
    EXPECT_EQ(view.cursorLine, -5.0f);
}

TEST_F(EndOfDayReport, OnAShortReportTheCursorCanPassTheLastLine)
{
    frame();
    ASSERT_EQ(list().size(), 35u);
    press(kEnd);
    const ReportView& view = program.report;
    EXPECT_EQ(view.scrollTop, 443);
    EXPECT_EQ(view.cursorRow, -38.0f);
    EXPECT_EQ(view.cursorLine, -38.0f);
    press(kSpace);  // below the last line: nothing to open
    EXPECT_EQ(program.report.expanded, 0u);
}

TEST_F(EndOfDayReport, CursorMarkerAndWindowFrame)
{
    program.report.cursorRow = -2.0f;
    frame();
    std::vector<DrawRecord> sprites;
    for (const DrawRecord& r : drawLog.records)
        if (r.kind == DrawRecord::Kind::Sprite)
            sprites.push_back(r);
    ASSERT_EQ(sprites.size(), 5u);
    EXPECT_EQ(sprites[0].index, 77);
    EXPECT_FLOAT_EQ(sprites[0].sceneY, -2.0f * 0.076f + 1.438f);
    EXPECT_TRUE(sprites[0].blend);
    EXPECT_EQ(sprites[0].rgba[0], 1.0f);
    EXPECT_EQ(sprites[0].rgba[1], 0.0f);
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(sprites[i].blend);
    EXPECT_EQ(sprites[1].index, 76);
    EXPECT_EQ(sprites[3].index, 75);
}
