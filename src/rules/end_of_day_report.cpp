// The end-of-day report's lines: the day's and lifetime figures, the records
// and the awards as one scrolling list of collapsible lines.
#include "rules/report.h"

#include "model/catalogue.h"
#include "rules/report_list.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

namespace Slot {
enum {
    DayBiggest, TotalBiggest, DayDrinks, DayBurgers, DaySides, TotalDrinks, TotalBurgers,
    TotalSides, DayWasted, TotalWasted, DayFastest, TotalFastest, MostMoney, FirstAward
};
}

// Closed forms; the open form has "|-|" in place of "|+|".
struct Award {
    const char* line;
    const char* condition;
    float amount;
};

const Award kAwards[] = {
    {"|+| Quick Response      $+ 25.00", "Customer was never put on hold", 25.0f},
    {"|+| Fast Hands          $+ 75.00", "Day: # orders > 20", 75.0f},
    {"|+| Attention to Detail $+150.00", "Average Accuracy > 95%", 150.0f},
    {"|+| Fast Feet           $+ 75.00", "Average Speed < 5.6", 75.0f},
    {"|+| Entrepreneur        $+ 50.00", "Day - W/O Awards > $250.00", 50.0f},
    {"|+| Drink Master        $+ 80.00", "Day: # drinks sold > 40", 80.0f},
    {"|+| Burger Master       $+100.00", "Day: # burgers sold > 30", 100.0f},
    {"|+| Side Master         $+ 70.00", "Day: # sides sold > 35", 70.0f},
};
constexpr int kAwardCount = sizeof kAwards / sizeof kAwards[0];

const char* const kFastestDetails[] = {"Hamburger", "Megaburger", "Fries", "Grape Soda"};

int listedItems(int count)
{
    if (count < 0)
        return 0;
    return count > kReceiptLines ? kReceiptLines : count;
}

void biggestOrderLines(ReportList& list, int slot, int items, const Receipt& order)
{
    if (!list.header(slot, "|+| Biggest: %d", items))
        return;
    for (int i = 0; i < listedItems(items); ++i)
        list.detail("%.*s", static_cast<int>(sizeof order.lines[i].name), order.lines[i].name);
    list.endDetails();
}

// The item lines of one open "sold" line of a record. Items not yet on sale by
// the current day are left out, in the lifetime section too.
template <class Stats>
void soldRows(ReportList& list, const Stats& stats, ItemCategory category, int total, bool ofDay,
              int dayNumber)
{
    for (const MenuItemSpec* item : ItemsInOrder(category, &MenuItemSpec::reportRank)) {
        if (dayNumber < item->firstDay)
            continue;
        if (total == 0) {
            const std::string label(item->soldFormat, std::string(item->soldFormat).find("%s"));
            list.detailText((label + "0  0.00%").c_str());
            continue;
        }
        const int count = soldCounter(stats, *item);
        const float share = static_cast<float>(count) / static_cast<float>(total) * 100.0f;
        const std::string plusShare = std::string(item->reportKey) + "%";
        list.detail(item->soldFormat, alignmentSpaces(item->reportKey, ofDay), count,
                    alignmentSpaces(plusShare.c_str(), ofDay), share);
    }
    list.endDetails();
}

template <class Stats>
void wasteRows(ReportList& list, const Stats& stats, int dayNumber)
{
    for (ItemCategory category : {ItemCategory::Drink, ItemCategory::Burger, ItemCategory::Side})
        for (const MenuItemSpec* item : ItemsInOrder(category, &MenuItemSpec::counter))
            if (dayNumber >= item->firstDay)
                list.detail(item->wasteFormat, wastedCounter(stats, *item));
    list.endDetails();
}

// The collapsible lines of one record's section, and the slots they use.
struct Section {
    bool ofDay;
    int biggest, drinks, burgers, sides, wasted;
    const char* sidesFormat;  // the day's has one blank more before the count
};
constexpr Section kDaySection{true, Slot::DayBiggest, Slot::DayDrinks, Slot::DayBurgers,
                              Slot::DaySides, Slot::DayWasted, "|+| # sides sold:   %d"};
constexpr Section kTotalSection{false, Slot::TotalBiggest, Slot::TotalDrinks, Slot::TotalBurgers,
                                Slot::TotalSides, Slot::TotalWasted, "|+| # sides sold:  %d"};

// Biggest order, sold counts by category with their item lines, orders and
// items wasted, for the day or the lifetime record.
template <class Stats>
void recordLines(ReportList& list, const Stats& stats, const Section& section, int dayNumber)
{
    biggestOrderLines(list, section.biggest, stats.biggestOrderItems, stats.biggestOrder);
    const int drinks = stats.drinksSoldCount(), burgers = stats.burgersSoldCount(),
              sides = stats.sidesSoldCount();
    if (list.header(section.drinks, "|+| # drinks sold:  %d", drinks))
        soldRows(list, stats, ItemCategory::Drink, drinks, section.ofDay, dayNumber);
    if (list.header(section.burgers, "|+| # burgers sold: %d", burgers))
        soldRows(list, stats, ItemCategory::Burger, burgers, section.ofDay, dayNumber);
    if (list.header(section.sides, section.sidesFormat, sides))
        soldRows(list, stats, ItemCategory::Side, sides, section.ofDay, dayNumber);
    list.line("# orders: %4d", stats.ordersServed);
    if (list.header(section.wasted, "|+| # items wasted: %3d", stats.itemsWasted))
        wasteRows(list, stats, dayNumber);
}

void fastestOrderLine(ReportList& list, int slot, const char* format, float seconds)
{
    if (!list.header(slot, format, seconds))
        return;
    for (const char* name : kFastestDetails)
        list.detailText(name);
    list.endDetails();
}

// The day's figures: revenue, the day's results with their averages.
void dayLines(ReportList& list, const DayStats& today, const TotalStats& total, float awardMoney)
{
    list.colour("Cyan");
    list.text("REVENUE:");
    list.text("--------");
    list.colour("White");
    list.line("Day - W/O Awards:   $%-5.2f", today.revenue);
    list.line("Day - From Awards:  $%-5.2f", awardMoney);
    list.line("Day - Total Profit: $%-5.2f", today.revenue + awardMoney);
    list.line("Total:  $%.2f", total.funds + awardMoney);
    list.text("");

    list.colour("Cyan");
    list.text("ORDER:");
    list.text("------");
    list.colour("Blue");
    list.text("DAY results");
    list.colour("White");
    recordLines(list, today, kDaySection, today.dayNumber);
    // A day without orders has no averages (0 / 0).
    if (std::isnan(today.averageAccuracy))
        list.text("Average Accuracy: n/a");
    else
        list.line("Average Accuracy: %.0f%%", today.averageAccuracy);
    if (std::isnan(today.averageSpeed))
        list.text("Average Speed: n/a");
    else
        list.line("Average Speed: %.2fs", today.averageSpeed);
    list.text("");
}

void lifetimeLines(ReportList& list, const DayStats& today, const TotalStats& total)
{
    list.colour("Blue");
    list.text("TOTAL results");
    list.colour("White");
    recordLines(list, total, kTotalSection, today.dayNumber);
    list.text("");

    list.colour("Cyan");
    list.text("RECORDS:");
    list.text("--------");
    list.colour("White");
    fastestOrderLine(list, Slot::DayFastest, "|+| Day-Fastest Order:   %.2fs", today.fastestOrder);
    fastestOrderLine(list, Slot::TotalFastest, "|+| Total-Fastest Order: %.2fs", total.fastestOrder);
    if (list.header(Slot::MostMoney, "|+| Most $ Made in A Day: %.2f", total.bestDayRevenue)) {
        list.detail("Day Number: %d", total.bestDayNumber);
        list.endDetails();
    }
    list.text("");
}

// The awards the day earned; returns their total.
float awardLines(ReportList& list, const DayStats& today)
{
    list.colour("Cyan");
    list.text("AWARDS:");
    list.text("-------");
    // Strict comparisons: a day without orders (not-a-number averages) meets
    // neither average's condition.
    const bool given[kAwardCount] = {
        !today.customerPutOnHold,     today.ordersServed > 20,   today.averageAccuracy > 95.0f,
        today.averageSpeed < 5.6f,    today.revenue > 250.0f,    today.drinksSoldCount() > 40,
        today.burgersSoldCount() > 30, today.sidesSoldCount() > 35,
    };
    float awardTotal = 0.0f;
    for (int a = 0; a < kAwardCount; ++a) {
        if (!given[a])
            continue;
        awardTotal += kAwards[a].amount;
        list.colour("White");
        if (list.header(Slot::FirstAward + a, "%s", kAwards[a].line)) {
            list.detailText(kAwards[a].condition);
            list.endDetails();
        }
    }
    return awardTotal;
}

}  // namespace

Report BuildReport()
{
    const DayStats& today = day.stats;
    Report report;
    ReportLayout& layout = report.layout;
    for (int slot = 0; slot < kReportSlots; ++slot)
        layout.headerLines[slot] = slot < Slot::FirstAward ? 0 : -1;

    const ReportView& view = program.report;
    ReportList list(layout, report.list, view.scrollTop, view.expanded);
    dayLines(list, today, game.totals, game.awardMoney);
    lifetimeLines(list, today, game.totals);
    layout.awardTotal = awardLines(list, today);
    layout.lineCount = list.count();
    layout.cursorLine = static_cast<int>(view.cursorLine);
    return report;
}
