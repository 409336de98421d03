// The end-of-day report: the day's and lifetime figures, the records and the
// awards as one scrolling list of collapsible lines, with its cursor keys.
#include "dayend/between_days.h"
#include "model/key_latches.h"
#include "model/orders.h"
#include "render/toolkit.h"
#include "stats/stats.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr int kTopY = 443;
constexpr int kLineHeight = 11;
constexpr int kLeft = 21;
constexpr int kDetailLeft = 41;  // detail lines are indented by 20
constexpr int kBottomRow = -38;  // the window shows 39 rows
constexpr int kRepeatDelay = 25;
constexpr int kRepeatInterval = 6;

constexpr int kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36;
constexpr int kKeyUp = 38, kKeyDown = 40;

namespace Slot {
enum {
    DayBiggest, TotalBiggest, DayDrinks, DayBurgers, DaySides, TotalDrinks, TotalBurgers,
    TotalSides, DayWasted, TotalWasted, DayFastest, TotalFastest, MostMoney, FirstAward
};
}

enum class Group { Drinks, Burgers, Sides };

// One item of an open "sold" line. Zero lines are printed as they stand.
struct SoldRow {
    const char* format;
    const char* zeroLine;
    const char* plainKey;
    const char* shareKey;
    int firstDay;
    int counter;  // index in the category's counter group
};

const SoldRow kDrinkRows[] = {
    {"Coke:        %s%d %s%.1f%%", "Coke:        0  0.00%", "coke", "coke%", 1, Drink::Coke},
    {"Pepsi:       %s%d %s%.1f%%", "Pepsi:       0  0.00%", "pepsi", "pepsi%", 1, Drink::Pepsi},
    {"Grape Soda:  %s%d %s%.1f%%", "Grape Soda:  0  0.00%", "grape", "grape%", 1, Drink::GrapeSoda},
    {"Orange Soda: %s%d %s%.1f%%", "Orange Soda: 0  0.00%", "orange", "orange%", 1, Drink::OrangeSoda},
    {"Root Beer:   %s%d %s%.2f%%", "Root Beer:   0  0.00%", "rootbeer", "rootbeer%", 3, Drink::RootBeer},
    {"Lemonade:    %s%d %s%.2f%%", "Lemonade:    0  0.00%", "lemonade", "lemonade%", 6, Drink::Lemonade},
};
const SoldRow kBurgerRows[] = {
    {"Megaburger:    %s%d %s%.1f%%", "Megaburger:    0  0.00%", "megaburger", "megaburger%", 1, Burger::Megaburger},
    {"Cheeseburger:  %s%d %s%.1f%%", "Cheeseburger:  0  0.00%", "cheeseburger", "cheeseburger%", 1, Burger::Cheeseburger},
    {"Hamburger:     %s%d %s%.1f%%", "Hamburger:     0  0.00%", "hamburger", "hamburger%", 1, Burger::Hamburger},
    {"Fish Sandwich: %s%d %s%.2f%%", "Fish Sandwich: 0  0.00%", "fish", "fish%", 5, Burger::FishSandwich},
    {"Chicken Sandwich: %s%d %s%.2f%%", "Chicken Sandwich: 0  0.00%", "chicken", "chicken%", 8, Burger::ChickenSandwich},
};
const SoldRow kSideRows[] = {
    {"Fries:         %s%d %s%.1f%%", "Fries:         0  0.00%", "fries", "fries%", 1, Side::Fries},
    {"Cheese Sticks: %s%d %s%.1f%%", "Cheese Sticks: 0  0.00%", "csticks", "csticks%", 1, Side::CheeseSticks},
    {"Tator Tots:    %s%d %s%.2f%%", "Tator Tots:    0  0.00%", "tatortots", "tatortots%", 4, Side::TatorTots},
    {"Onion Rings:   %s%d %s%.2f%%", "Onion Rings:   0  0.00%", "onionrings", "onionrings%", 7, Side::OnionRings},
};

struct WasteRow {
    const char* format;
    int firstDay;
    Group group;
    int counter;
};

const WasteRow kWasteRows[] = {
    {"coke:          %3d", 1, Group::Drinks, Drink::Coke},
    {"pepsi:         %3d", 1, Group::Drinks, Drink::Pepsi},
    {"orange soda:   %3d", 1, Group::Drinks, Drink::OrangeSoda},
    {"grape soda:    %3d", 1, Group::Drinks, Drink::GrapeSoda},
    {"rootbeer:      %3d", 3, Group::Drinks, Drink::RootBeer},
    {"lemonade:      %3d", 6, Group::Drinks, Drink::Lemonade},
    {"megaburgers:   %3d", 1, Group::Burgers, Burger::Megaburger},
    {"cheeseburger:  %3d", 1, Group::Burgers, Burger::Cheeseburger},
    {"hamburger:     %3d", 1, Group::Burgers, Burger::Hamburger},
    {"fishsand:      %3d", 5, Group::Burgers, Burger::FishSandwich},
    {"chickensand:   %3d", 8, Group::Burgers, Burger::ChickenSandwich},
    {"fries:         %3d", 1, Group::Sides, Side::Fries},
    {"cheese sticks: %3d", 1, Group::Sides, Side::CheeseSticks},
    {"tator tots:    %3d", 4, Group::Sides, Side::TatorTots},
    {"onion rings:   %3d", 7, Group::Sides, Side::OnionRings},
};

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

// Draws the list top to bottom, one line every 11 text units, and notes where
// each collapsible line went.
class ReportList {
public:
    ReportList(ReportLayout& layout, int scrollTop, uint32_t expanded)
        : layout_(layout), scrollTop_(scrollTop), expanded_(expanded)
    {
    }

    int count() const { return n_; }

    void colour(const char* name) { SetColourByName(name); }

    void text(const char* text) { draw(kLeft, text); }
    void detailText(const char* text) { draw(kDetailLeft, text); }

    __attribute__((format(printf, 2, 3))) void line(const char* format, ...)
    {
        va_list args;
        va_start(args, format);
        drawFormatted(kLeft, format, args);
        va_end(args);
    }

    __attribute__((format(printf, 2, 3))) void detail(const char* format, ...)
    {
        va_list args;
        va_start(args, format);
        drawFormatted(kDetailLeft, format, args);
        va_end(args);
    }

    // A collapsible line, its format written closed ("|+| ..."). Returns true
    // when it is open; the caller then draws its details and calls endDetails.
    __attribute__((format(printf, 3, 4))) bool header(int slot, const char* format, ...)
    {
        layout_.headerLines[slot] = n_;
        char buffer[256];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        const bool open = (expanded_ & (1u << slot)) != 0;
        if (open && buffer[0] == '|' && buffer[1] == '+')
            buffer[1] = '-';
        draw(kLeft, buffer);
        if (open)
            SetColourByName("Gray58");
        return open;
    }

    void endDetails() { SetColourByName("White"); }

private:
    void drawFormatted(int x, const char* format, va_list args)
    {
        char buffer[256];
        std::vsnprintf(buffer, sizeof buffer, format, args);
        draw(x, buffer);
    }

    void draw(int x, const char* text)
    {
        PrintFormatted(x, scrollTop_ - kLineHeight * n_, 0, "%s", text);
        ++n_;
    }

    ReportLayout& layout_;
    int scrollTop_;
    uint32_t expanded_;
    int n_ = 0;
};

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

// The item lines of one open "sold" line of a record.
template <class Rows, class Counts>
void soldRows(ReportList& list, const Rows& rows, const Counts& counters, int total, bool ofDay)
{
    for (const SoldRow& row : rows) {
        if (dayStats.dayNumber < row.firstDay)
            continue;
        if (total == 0) {
            list.detailText(row.zeroLine);
            continue;
        }
        const int count = counters[row.counter];
        const float share = static_cast<float>(count) / static_cast<float>(total) * 100.0f;
        list.detail(row.format, alignmentSpaces(row.plainKey, ofDay), count,
                    alignmentSpaces(row.shareKey, ofDay), share);
    }
    list.endDetails();
}

template <class Stats>
void wasteRows(ReportList& list, const Stats& stats)
{
    for (const WasteRow& row : kWasteRows) {
        if (dayStats.dayNumber < row.firstDay)
            continue;
        int count = 0;
        switch (row.group) {
        case Group::Drinks: count = stats.drinksWasted[row.counter]; break;
        case Group::Burgers: count = stats.burgersWasted[row.counter]; break;
        case Group::Sides: count = stats.sidesWasted[row.counter]; break;
        }
        list.detail(row.format, count);
    }
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
void recordLines(ReportList& list, const Stats& stats, const Section& section, int drinks, int burgers,
                 int sides)
{
    biggestOrderLines(list, section.biggest, stats.biggestOrderItems, stats.biggestOrder);
    if (list.header(section.drinks, "|+| # drinks sold:  %d", drinks))
        soldRows(list, kDrinkRows, stats.drinksSold, drinks, section.ofDay);
    if (list.header(section.burgers, "|+| # burgers sold: %d", burgers))
        soldRows(list, kBurgerRows, stats.burgersSold, burgers, section.ofDay);
    if (list.header(section.sides, section.sidesFormat, sides))
        soldRows(list, kSideRows, stats.sidesSold, sides, section.ofDay);
    list.line("# orders: %4d", stats.ordersServed);
    if (list.header(section.wasted, "|+| # items wasted: %3d", stats.itemsWasted))
        wasteRows(list, stats);
}

void fastestOrderLine(ReportList& list, int slot, const char* format, float seconds)
{
    if (!list.header(slot, format, seconds))
        return;
    for (const char* name : kFastestDetails)
        list.detailText(name);
    list.endDetails();
}

void drawFixedTexts(float satisfactionBonus)
{
    PrintText(410, 320, "Red", 5, "E N D  O F  D A Y");
    PrintText(410, 270, "Red", 5, "   R E P O R T");
    PrintFormatted(405, 200, 1, "%.1f%% added to customer", satisfactionBonus);
    PrintText(405, 180, "Red", 1, "satisfaction");
    PrintText(362, 45, "Red", 4, "press <space> to expand |+|");
    PrintText(370, 30, "Red", 4, "press <enter> to continue");
    PrintText(360, 15, "Gray85", 0, "use arrows, home/end, and");
    PrintText(360, 5, "Gray85", 0, "pgup/pgdwn to navigate");
}

void stepUp(ReportView& view)
{
    if (view.cursorRow >= 0.0f) {
        if (view.scrollTop > kTopY) {
            view.scrollTop -= kLineHeight;
            view.cursorLine += 1.0f;
        }
    } else {
        view.cursorRow += 1.0f;
        view.cursorLine += 1.0f;
    }
}

void stepDown(ReportView& view, int lineCount)
{
    if (view.cursorRow <= static_cast<float>(kBottomRow)) {
        if ((view.scrollTop - kTopY) / kLineHeight - kBottomRow < lineCount - 1) {
            view.cursorLine -= 1.0f;
            view.scrollTop += kLineHeight;
        }
    } else {
        view.cursorRow -= 1.0f;
        view.cursorLine -= 1.0f;
    }
}

void steps(ReportView& view, int count, bool up, int lineCount)
{
    for (int i = 0; i < count; ++i) {
        if (up)
            stepUp(view);
        else
            stepDown(view, lineCount);
    }
}

// Counts a held arrow's frames; true on the frames where it repeats.
bool repeats(const bool* keys, int code, int& heldFrames)
{
    heldFrames = keys[code] ? heldFrames + 1 : 0;
    return heldFrames > kRepeatDelay && heldFrames % kRepeatInterval == 0;
}

void cursorKeys(const bool* keys, ReportView& view, int lineCount)
{
    if (KeyPressedOnce(keys, kKeyUp, Latch::Up))
        steps(view, 1, true, lineCount);
    if (KeyPressedOnce(keys, kKeyPageUp, Latch::PageUp))
        steps(view, 39, true, lineCount);
    if (KeyPressedOnce(keys, kKeyHome, Latch::Home))
        steps(view, 250, true, lineCount);
    if (KeyPressedOnce(keys, kKeyDown, Latch::Down))
        steps(view, 1, false, lineCount);
    if (KeyPressedOnce(keys, kKeyPageDown, Latch::PageDown))
        steps(view, 39, false, lineCount);
    if (KeyPressedOnce(keys, kKeyEnd, Latch::ReportEnd))
        steps(view, 250, false, lineCount);
    if (repeats(keys, kKeyUp, view.upHeldFrames))
        stepUp(view);
    if (repeats(keys, kKeyDown, view.downHeldFrames))
        stepDown(view, lineCount);
}

}  // namespace

ReportLayout DrawEndOfDayReport(const bool* keys, float satisfactionBonus)
{
    ReportLayout layout{};
    for (int slot = 0; slot < kReportSlots; ++slot)
        layout.headerLines[slot] = slot < Slot::FirstAward ? 0 : -1;
    layout.awardTotal = 0.0f;

    const DayStats& day = dayStats;
    const TotalStats& total = totalStats;
    const int dayDrinks = day.drinksSoldCount(), dayBurgers = day.burgersSoldCount(),
              daySides = day.sidesSoldCount();
    const int totalDrinks = total.drinksSoldCount(), totalBurgers = total.burgersSoldCount(),
              totalSides = total.sidesSoldCount();
    ReportView& view = betweenDays.report;
    const float awardMoney = betweenDays.awardMoney;

    drawFixedTexts(satisfactionBonus);
    SetBlending(true);

    ReportList list(layout, view.scrollTop, view.expanded);
    list.colour("Cyan");
    list.text("REVENUE:");
    list.text("--------");
    list.colour("White");
    list.line("Day - W/O Awards:   $%-5.2f", day.revenue);
    list.line("Day - From Awards:  $%-5.2f", awardMoney);
    list.line("Day - Total Profit: $%-5.2f", day.revenue + awardMoney);
    list.line("Total:  $%.2f", total.funds + awardMoney);
    list.text("");

    list.colour("Cyan");
    list.text("ORDER:");
    list.text("------");
    list.colour("Blue");
    list.text("DAY results");
    list.colour("White");
    recordLines(list, day, kDaySection, dayDrinks, dayBurgers, daySides);
    // A day without orders has no averages (0 / 0).
    if (std::isnan(day.averageAccuracy))
        list.text("Average Accuracy: n/a");
    else
        list.line("Average Accuracy: %.0f%%", day.averageAccuracy);
    if (std::isnan(day.averageSpeed))
        list.text("Average Speed: n/a");
    else
        list.line("Average Speed: %.2fs", day.averageSpeed);
    list.text("");

    list.colour("Blue");
    list.text("TOTAL results");
    list.colour("White");
    recordLines(list, total, kTotalSection, totalDrinks, totalBurgers, totalSides);
    list.text("");

    list.colour("Cyan");
    list.text("RECORDS:");
    list.text("--------");
    list.colour("White");
    fastestOrderLine(list, Slot::DayFastest, "|+| Day-Fastest Order:   %.2fs", day.fastestOrder);
    fastestOrderLine(list, Slot::TotalFastest, "|+| Total-Fastest Order: %.2fs", total.fastestOrder);
    if (list.header(Slot::MostMoney, "|+| Most $ Made in A Day: %.2f", total.bestDayRevenue)) {
        list.detail("Day Number: %d", total.bestDayNumber);
        list.endDetails();
    }
    list.text("");
    list.colour("Cyan");
    list.text("AWARDS:");
    list.text("-------");

    // Strict comparisons: a day without orders (not-a-number averages) meets
    // neither average's condition.
    const bool given[kAwardCount] = {
        !day.customerPutOnHold,     day.ordersServed > 20,   day.averageAccuracy > 95.0f,
        day.averageSpeed < 5.6f,    day.revenue > 250.0f,    dayDrinks > 40,
        dayBurgers > 30,            daySides > 35,
    };
    for (int a = 0; a < kAwardCount; ++a) {
        if (!given[a])
            continue;
        layout.awardTotal += kAwards[a].amount;
        list.colour("White");
        if (list.header(Slot::FirstAward + a, "%s", kAwards[a].line)) {
            list.detailText(kAwards[a].condition);
            list.endDetails();
        }
    }

    betweenDays.awardMoney = layout.awardTotal;

    DrawSprite("Red", 77, -0.925f, view.cursorRow * 0.076f + 1.438f, 4.55f);
    SetBlending(false);
    DrawSprite("Gray50", 76, -0.927f, 1.57f, 0.6f);
    DrawSprite("Gray50", 76, -0.927f, -1.57f, 0.6f);
    DrawSprite("Gray50", 75, 0.217f, 0.0f, 6.2f);
    DrawSprite("Gray50", 75, -2.065f, 0.0f, 6.2f);

    cursorKeys(keys, view, list.count());
    layout.cursorLine = static_cast<int>(view.cursorLine);
    return layout;
}
