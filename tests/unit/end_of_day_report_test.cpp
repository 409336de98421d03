// The end-of-day report: its list of lines, the awards, the cursor keys and
// the report's Enter and Space.
#include "dayend/between_days.h"
#include "model/catalogue.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "stats/stats.h"

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
        game = GameState{};
        dayStats = DayStats{};
        totalStats = TotalStats{};
        betweenDays = BetweenDaysState{};
        keyLatches = 0;
        renderState.useGL = false;
        drawLog.enabled = true;
        game.dayOver = true;
        game.betweenDaysStage = 1;
        // An ordinary day that earns no award.
        dayStats.customerPutOnHold = true;
        dayStats.averageAccuracy = 50.0f;
        dayStats.averageSpeed = 30.0f;
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
        ReportLayout layout = DrawEndOfDayReport(keys, betweenDays.satisfactionBonus);
        HandleReportKeys(keys, layout);
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
    dayStats.revenue = 123.456f;
    dayStats.ordersServed = 7;
    dayStats.itemsWasted = 2;
    dayStats.averageAccuracy = 88.6f;
    dayStats.averageSpeed = 12.345f;
    dayStats.fastestOrder = 4.5f;
    dayStats.biggestOrderItems = 3;
    dayStats.drinksSold[Drink::Coke] = 2;
    totalStats.funds = 1000.0f;
    totalStats.ordersServed = 12;
    totalStats.drinksSold[Drink::Coke] = 9;
    totalStats.bestDayRevenue = 301.25f;
    totalStats.fastestOrder = 3.25f;
    betweenDays.satisfactionBonus = 7.0f;
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
    dayStats.customerPutOnHold = false;  // one award, to see it move
    frame();
    const std::vector<ListLine> closed = list();
    ASSERT_EQ(closed.size(), 36u);
    EXPECT_EQ(closed.back().text, "|+| Quick Response      $+ 25.00");

    betweenDays.report.expanded = 1u << kDayDrinks;
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
    dayStats.dayNumber = 3;
    dayStats.drinksSold[Drink::Coke] = 3;
    dayStats.drinksSold[Drink::Pepsi] = 1;
    dayStats.drinksSold[Drink::RootBeer] = 1;
    betweenDays.report.expanded = 1u << kDayDrinks;
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
    dayStats.drinksSold[Drink::Coke] = 100;
    dayStats.drinksSold[Drink::Pepsi] = 0;
    dayStats.drinksSold[Drink::RootBeer] = 0;
    frame();
    EXPECT_EQ(texts()[at + 1], "Coke:        100 100.0%");

    // The lifetime section lists what the day's number allows, whatever was sold.
    dayStats.dayNumber = 2;
    totalStats.drinksSold[Drink::RootBeer] = 4;
    totalStats.drinksSold[Drink::Lemonade] = 4;
    betweenDays.report.expanded = 1u << kTotalDrinks;
    frame();
    const int total = indexOf("|-| # drinks sold:  8");
    ASSERT_GE(total, 0);
    EXPECT_EQ(texts()[total + 5], "|+| # burgers sold: 0");

    dayStats.dayNumber = 8;
    frame();
    EXPECT_EQ(texts()[total + 5], "Root Beer:     4  50.00%");
    EXPECT_EQ(texts()[total + 6], "Lemonade:      4  50.00%");
}

TEST_F(EndOfDayReport, EmptyCategoryPrintsZeroLines)
{
    dayStats.dayNumber = 5;
    betweenDays.report.expanded = 1u << kDayBurgers;
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
    dayStats.dayNumber = 4;
    dayStats.itemsWasted = 3;
    dayStats.drinksWasted[Drink::GrapeSoda] = 2;
    dayStats.sidesWasted[Side::TatorTots] = 1;
    dayStats.biggestOrderItems = 2;
    fillBiggestOrder(dayStats.biggestOrder, 2);
    totalStats.bestDayRevenue = 88.0f;
    totalStats.writeBestDayNumber(4.0f);
    betweenDays.report.expanded = (1u << kDayBiggest) | (1u << kDayWasted) | (1u << kMostMoney);
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
    dayStats.averageAccuracy = nan;
    dayStats.averageSpeed = nan;
    dayStats.customerPutOnHold = false;
    ReportLayout layout = frame();
    EXPECT_GE(indexOf("Average Accuracy: n/a"), 0);
    EXPECT_GE(indexOf("Average Speed: n/a"), 0);
    EXPECT_EQ(layout.awardTotal, 25.0f);
    EXPECT_NE(layout.headerLines[kQuickResponse], -1);
    EXPECT_EQ(layout.headerLines[kAttention], -1);
    EXPECT_EQ(layout.headerLines[kFastFeet], -1);

    dayStats.customerPutOnHold = true;
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
        {kFastHands, [] { dayStats.ordersServed = 20; }, [] { dayStats.ordersServed = 21; }, 75.0f},
        {kAttention, [] { dayStats.averageAccuracy = 95.0f; },
         [] { dayStats.averageAccuracy = std::nextafter(95.0f, 100.0f); }, 150.0f},
        {kFastFeet, [] { dayStats.averageSpeed = 5.6f; },
         [] { dayStats.averageSpeed = std::nextafter(5.6f, 0.0f); }, 75.0f},
        {kEntrepreneur, [] { dayStats.revenue = 250.0f; }, [] { dayStats.revenue = 250.01f; }, 50.0f},
        {kDrinkMaster, [] { dayStats.drinksSold[Drink::Coke] = 40; },
         [] { dayStats.drinksSold[Drink::Coke] = 41; }, 80.0f},
        {kBurgerMaster, [] { dayStats.burgersSold[Burger::Hamburger] = 30; },
         [] { dayStats.burgersSold[Burger::Hamburger] = 31; }, 100.0f},
        {kSideMaster, [] { dayStats.sidesSold[Side::Fries] = 35; },
         [] { dayStats.sidesSold[Side::Fries] = 36; }, 70.0f},
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
    dayStats.customerPutOnHold = false;
    dayStats.ordersServed = 21;
    dayStats.averageAccuracy = 99.0f;
    dayStats.averageSpeed = 5.0f;
    dayStats.revenue = 300.0f;
    dayStats.drinksSold[Drink::Pepsi] = 41;
    dayStats.burgersSold[Burger::Megaburger] = 31;
    dayStats.sidesSold[Side::Fries] = 36;
    totalStats.funds = 500.0f;
    betweenDays.report.expanded = 1u << kAttention;

    ReportLayout layout = frame();
    EXPECT_EQ(layout.awardTotal, 625.0f);
    EXPECT_EQ(betweenDays.awardMoney, 625.0f);
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
    dayStats.customerPutOnHold = false;
    dayStats.ordersServed = 21;
    dayStats.revenue = 80.0f;
    totalStats.funds = 200.0f;
    frame();
    keys[kEnter] = true;
    frame();
    EXPECT_EQ(game.betweenDaysStage, 2);
    EXPECT_EQ(totalStats.funds, 300.0f);
    EXPECT_EQ(dayStats.revenue, 80.0f);
    EXPECT_EQ(betweenDays.awardMoney, 0.0f);

    // Held on, it is the same press: nothing is paid twice.
    game.betweenDaysStage = 1;
    frame();
    EXPECT_EQ(game.betweenDaysStage, 1);
    EXPECT_EQ(totalStats.funds, 300.0f);
}

TEST_F(EndOfDayReport, SpaceOpensAndClosesTheLineUnderTheCursor)
{
    dayStats.customerPutOnHold = false;
    // Line 11 is the day's drinks line.
    for (int i = 0; i < 11; ++i)
        press(kDown);
    EXPECT_EQ(betweenDays.report.cursorLine, -11.0f);
    keys[kSpace] = true;
    frame();
    frame();  // held: toggles once
    keys[kSpace] = false;
    frame();
    EXPECT_EQ(betweenDays.report.expanded, 1u << kDayDrinks);
    EXPECT_EQ(texts()[11], "|-| # drinks sold:  0");
    press(kSpace);
    EXPECT_EQ(betweenDays.report.expanded, 0u);

    // Not a collapsible line: nothing.
    press(kHome);
    press(kSpace);
    EXPECT_EQ(betweenDays.report.expanded, 0u);

    // The award line opens; its detail line does not toggle anything.
    for (int i = 0; i < 35; ++i)
        press(kDown);
    press(kSpace);
    EXPECT_EQ(betweenDays.report.expanded, 1u << kQuickResponse);
    press(kDown);
    press(kSpace);
    EXPECT_EQ(betweenDays.report.expanded, 1u << kQuickResponse);
    press(kUp);
    press(kSpace);
    EXPECT_EQ(betweenDays.report.expanded, 0u);
}

TEST_F(EndOfDayReport, CursorKeysOnALongReport)
{
    // Every line open, 25-item biggest orders, all items listed, all awards.
    dayStats.dayNumber = 8;
    dayStats.biggestOrderItems = 25;
    totalStats.biggestOrderItems = 25;
    fillBiggestOrder(dayStats.biggestOrder, 25);
    fillBiggestOrder(totalStats.biggestOrder, 25);
    dayStats.customerPutOnHold = false;
    dayStats.ordersServed = 21;
    dayStats.averageAccuracy = 99.0f;
    dayStats.averageSpeed = 5.0f;
    dayStats.revenue = 300.0f;
    dayStats.drinksSold[Drink::Pepsi] = 41;
    dayStats.burgersSold[Burger::Megaburger] = 31;
    dayStats.sidesSold[Side::Fries] = 36;
    betweenDays.report.expanded = (1u << kReportSlots) - 1;
    frame();
    const int n = static_cast<int>(list().size());
    ASSERT_EQ(n, 170);
    ReportView& view = betweenDays.report;

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
    const ReportView& view = betweenDays.report;
    EXPECT_EQ(view.scrollTop, 443);
    EXPECT_EQ(view.cursorRow, -38.0f);
    EXPECT_EQ(view.cursorLine, -38.0f);
    press(kSpace);  // below the last line: nothing to open
    EXPECT_EQ(betweenDays.report.expanded, 0u);
}

TEST_F(EndOfDayReport, CursorMarkerAndWindowFrame)
{
    betweenDays.report.cursorRow = -2.0f;
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
