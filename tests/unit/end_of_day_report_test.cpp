// The end-of-day report: each award needs to pass its threshold and pays its money;
// every line, each item's included, reads as the player sees it.
#include "model/stats.h"
#include "rules/report.h"
#include "support/day_state.h"

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Slots of the award lines.
constexpr int kQuickResponse = 13, kFastHands = 14, kAttention = 15, kFastFeet = 16, kEntrepreneur = 17,
              kDrinkMaster = 18, kBurgerMaster = 19, kSideMaster = 20;

class EndOfDayReport : public FreshGame {
protected:
    void SetUp() override
    {
        Reset();
        game.dayOver = true;
        game.betweenDaysStage = BetweenDaysStage::Report;
        // An ordinary day that earns no award.
        day.stats.customerPutOnHold = true;
        day.stats.averageAccuracy = 50.0f;
        day.stats.averageSpeed = 30.0f;
    }
    static ReportLayout frame() { return BuildReport().layout; }
};

}  // namespace

TEST_F(EndOfDayReport, AwardsNeedToPassTheirThresholdsAndReadAsPrinted)
{
    struct Case {
        int slot;
        void (*atThreshold)();
        void (*pastThreshold)();
        float amount;
        const char* line;  // opened
        const char* condition;
    };
    const Case cases[] = {
        {kQuickResponse, [] {}, [] { day.stats.customerPutOnHold = false; }, 25.0f,
         "|-| Quick Response      $+ 25.00", "Customer was never put on hold"},
        {kFastHands, [] { day.stats.ordersServed = 20; }, [] { day.stats.ordersServed = 21; }, 75.0f,
         "|-| Fast Hands          $+ 75.00", "Day: # orders > 20"},
        {kAttention, [] { day.stats.averageAccuracy = 95.0f; },
         [] { day.stats.averageAccuracy = std::nextafter(95.0f, 100.0f); }, 150.0f,
         "|-| Attention to Detail $+150.00", "Average Accuracy > 95%"},
        {kFastFeet, [] { day.stats.averageSpeed = 5.6f; },
         [] { day.stats.averageSpeed = std::nextafter(5.6f, 0.0f); }, 75.0f,
         "|-| Fast Feet           $+ 75.00", "Average Speed < 5.6"},
        {kEntrepreneur, [] { day.stats.revenue = 250.0f; }, [] { day.stats.revenue = 250.01f; }, 50.0f,
         "|-| Entrepreneur        $+ 50.00", "Day - W/O Awards > $250.00"},
        {kDrinkMaster, [] { day.stats.drinksSold[Drink::Coke] = 40; },
         [] { day.stats.drinksSold[Drink::Coke] = 41; }, 80.0f,
         "|-| Drink Master        $+ 80.00", "Day: # drinks sold > 40"},
        {kBurgerMaster, [] { day.stats.burgersSold[Burger::Hamburger] = 30; },
         [] { day.stats.burgersSold[Burger::Hamburger] = 31; }, 100.0f,
         "|-| Burger Master       $+100.00", "Day: # burgers sold > 30"},
        {kSideMaster, [] { day.stats.sidesSold[Side::Fries] = 35; },
         [] { day.stats.sidesSold[Side::Fries] = 36; }, 70.0f,
         "|-| Side Master         $+ 70.00", "Day: # sides sold > 35"},
    };
    for (const Case& c : cases) {
        SetUp();
        c.atThreshold();
        ReportLayout layout = frame();
        EXPECT_EQ(layout.headerLines[c.slot], -1) << c.slot;
        EXPECT_EQ(layout.awardTotal, 0.0f) << c.slot;
        c.pastThreshold();
        program.report.expanded = 1u << c.slot;
        const Report report = BuildReport();
        EXPECT_EQ(report.layout.headerLines[c.slot], 35) << c.slot;
        EXPECT_EQ(report.layout.awardTotal, c.amount) << c.slot;
        std::vector<std::string> lines;
        for (const ReportEntry& e : report.list)
            if (e.printed)
                lines.push_back(e.text);
        ASSERT_EQ(lines.size(), 37u) << c.slot;
        EXPECT_EQ(lines[35], c.line);
        EXPECT_EQ(lines[36], c.condition);
    }
}

TEST_F(EndOfDayReport, EveryLineReadsAsPrinted)
{
    day.stats.dayNumber = 8;  // every item on the menu
    program.report.expanded = ~0u;
    DayStats& d = day.stats;
    TotalStats& t = game.totals;
    d.revenue = 12.5f;
    game.awardMoney = 1.5f;
    t.funds = 100.0f;
    d.ordersServed = 7;
    t.ordersServed = 30;
    d.itemsWasted = 120;
    t.itemsWasted = 5;
    d.fastestOrder = 3.25f;
    t.fastestOrder = 2.5f;
    t.bestDayRevenue = 300.75f;
    t.bestDayNumber = 4;
    d.biggestOrderItems = 2;
    d.biggestOrder.lines[0] = makeOrderItem(13);
    d.biggestOrder.lines[1] = makeOrderItem(6);
    // Sold today (every item at 10 or more, or at a share of 10 % or more, so that each
    // item's count and share show in its line); nothing in the lifetime record yet.
    const std::pair<const char*, int> sold[] = {
        {"Coke", 9}, {"Pepsi", 10}, {"Grape Soda", 6}, {"Orange Soda", 5}, {"Root Beer", 10},
        {"Lemonade", 10}, {"Megaburger", 10}, {"Cheeseburger", 20}, {"Hamburger", 30},
        {"Fish Sandwich", 15}, {"Chicken Sandwich", 125}, {"Fries", 100}, {"Cheese Sticks", 50},
        {"Tator Tots", 25}, {"Onion Rings", 25}};
    for (const auto& [name, count] : sold)
        for (int i = 0; i < count; ++i)
            recordItemSold(name);
    for (int item = 1; item <= 15; ++item)  // item n wasted n times
        for (int i = 0; i < item; ++i)
            recordItemWasted(item);
    const std::vector<std::string> atTheMargin = {
        "REVENUE:", "--------", "Day - W/O Awards:   $12.50", "Day - From Awards:  $1.50 ",
        "Day - Total Profit: $14.00", "Total:  $101.50", "", "ORDER:", "------", "DAY results",
        "|-| Biggest: 2", "|-| # drinks sold:  50", "|-| # burgers sold: 200", "|-| # sides sold:   200",
        "# orders:    7", "|-| # items wasted: 120", "Average Accuracy: 50%", "Average Speed: 30.00s", "",
        "TOTAL results", "|-| Biggest: 0", "|-| # drinks sold:  0", "|-| # burgers sold: 0",
        "|-| # sides sold:  0", "# orders:   30", "|-| # items wasted:   5", "", "RECORDS:", "--------",
        "|-| Day-Fastest Order:   3.25s", "|-| Total-Fastest Order: 2.50s",
        "|-| Most $ Made in A Day: 300.75", "", "AWARDS:", "-------",
        "|-| Drink Master        $+ 80.00", "|-| Burger Master       $+100.00",
        "|-| Side Master         $+ 70.00"};
    const std::vector<std::string> indented = {
        "Pepsi", "Fries",
        "Coke:          9  18.0%", "Pepsi:        10  20.0%", "Grape Soda:    6  12.0%",
        "Orange Soda:   5  10.0%", "Root Beer:    10  20.00%", "Lemonade:     10  20.00%",
        "Megaburger:     10   5.0%", "Cheeseburger:   20  10.0%", "Hamburger:      30  15.0%",
        "Fish Sandwich:  15   7.50%", "Chicken Sandwich: 125  62.50%",
        "Fries:         100  50.0%", "Cheese Sticks:  50  25.0%", "Tator Tots:     25  12.50%",
        "Onion Rings:    25  12.50%",
        "coke:           10", "pepsi:          13", "orange soda:    12", "grape soda:     11",
        "rootbeer:       14", "lemonade:       15", "megaburgers:     1", "cheeseburger:    2",
        "hamburger:       3", "fishsand:        4", "chickensand:     5", "fries:           6",
        "cheese sticks:   7", "tator tots:      8", "onion rings:     9",
        "Coke:        0  0.00%", "Pepsi:       0  0.00%", "Grape Soda:  0  0.00%",
        "Orange Soda: 0  0.00%", "Root Beer:   0  0.00%", "Lemonade:    0  0.00%",
        "Megaburger:    0  0.00%", "Cheeseburger:  0  0.00%", "Hamburger:     0  0.00%",
        "Fish Sandwich: 0  0.00%", "Chicken Sandwich: 0  0.00%",
        "Fries:         0  0.00%", "Cheese Sticks: 0  0.00%", "Tator Tots:    0  0.00%",
        "Onion Rings:   0  0.00%",
        "coke:            0", "pepsi:           0", "orange soda:     0", "grape soda:      0",
        "rootbeer:        0", "lemonade:        0", "megaburgers:     0", "cheeseburger:    0",
        "hamburger:       0", "fishsand:        0", "chickensand:     0", "fries:           0",
        "cheese sticks:   0", "tator tots:      0", "onion rings:     0",
        "Hamburger", "Megaburger", "Fries", "Grape Soda", "Hamburger", "Megaburger", "Fries",
        "Grape Soda", "Day Number: 4", "Day: # drinks sold > 40", "Day: # burgers sold > 30",
        "Day: # sides sold > 35"};
    std::vector<std::string> margin, details;
    std::string colour;
    for (const ReportEntry& e : BuildReport().list) {
        if (!e.printed) {
            colour = e.colour;
            continue;
        }
        if (e.x == 41) {
            details.push_back(e.text);
            EXPECT_EQ(colour, "Gray58") << e.text;
        } else {
            margin.push_back(e.text);
            EXPECT_EQ(e.x, 21);
            const std::set<std::string> cyan = {"REVENUE:", "--------", "ORDER:", "------", "RECORDS:",
                                                "AWARDS:", "-------"};
            const char* expected = cyan.contains(e.text)                                   ? "Cyan"
                                   : e.text == "DAY results" || e.text == "TOTAL results" ? "Blue"
                                                                                           : "White";
            if (!e.text.empty()) {
                EXPECT_EQ(colour, expected) << e.text;
            }
        }
    }
    EXPECT_EQ(margin, atTheMargin);
    EXPECT_EQ(details, indented);
}
