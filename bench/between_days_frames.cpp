// Frame cost of the stages between two days: the report closed and with every
// line open (about 170 lines, formatted and drawn each frame), the shop, the
// saving screen and the bulletin, drawn with OpenGL (a software renderer on a
// machine without a GPU) or as logic alone (--no-gl).
//   quorvel-bench-between-days-frames [--no-gl] [--whole-frames] [--shots FOLDER] [frames per case]   (run from a folder holding Images/)
#include "frame_bench.h"

#include "rules/between_days.h"
#include "rules/report.h"
#include "model/catalogue.h"
#include "model/game_state.h"
#include "model/screen.h"
#include "model/stats.h"

namespace {

void fillReceipt(Receipt& receipt, int items)
{
    for (int i = 0; i < items; ++i)
        receipt.lines[i] = makeOrderItem(1 + i % kMenuItemCount);
    receipt.count = items;
}

// Day 8 (every item listed), 25-item biggest orders, every award won.
void closedDay()
{
    screenState.lower(Screen::Title);
    game.dayStartPending = false;
    game.applySatisfactionHandicap = false;
    game.dayOver = true;
    game.headsetBattery = 64.0f;
    DayStats& today = day.stats;
    today.dayNumber = 8;
    today.revenue = 412.35f;
    today.ordersServed = 27;
    today.customers = 28;
    today.averageAccuracy = 97.5f;
    today.averageSpeed = 4.25f;
    today.fastestOrder = 1.75f;
    today.itemsWasted = 4;
    today.biggestOrderItems = 25;
    fillReceipt(today.biggestOrder, 25);
    today.drinksSold = {12, 9, 8, 7, 6, 5};
    today.burgersSold = {7, 8, 9, 4, 5};
    today.sidesSold = {14, 9, 8, 6};
    today.drinksWasted = {1, 0, 0, 1, 0, 0};
    today.sidesWasted = {0, 2, 0, 0};
    TotalStats& total = game.totals;
    total = TotalStats{};
    total.funds = 2315.8f;
    total.bestDayRevenue = 412.35f;
    total.writeBestDayNumber(9.0f);
    total.fastestOrder = 1.5f;
    total.ordersServed = 160;
    total.biggestOrderItems = 25;
    fillReceipt(total.biggestOrder, 25);
    total.drinksSold = {120, 90, 80, 70, 60, 50};
    total.burgersSold = {70, 80, 90, 40, 50};
    total.sidesSold = {140, 90, 80, 60};
}

struct Case {
    const char* name;
    int stage;
    uint32_t expanded;
    int dayNumber;  // the day just closed
};

void measure(const Case& c, const BenchOptions& options)
{
    game.betweenDaysStage = static_cast<BetweenDaysStage>(c.stage);
    day.stats.dayNumber = c.dayNumber;
    program.report = ReportView{};
    program.report.expanded = c.expanded;
    MeasureFrames(c.name, options, [] {});
}

}  // namespace

int main(int argc, char** argv)
{
    BenchOptions options;
    if (!StartBench(argc, argv, options))
        return 1;
    closedDay();
    const uint32_t everyLine = (1u << kReportSlots) - 1;
    const Case cases[] = {
        {"DAY OVER", 0, 0, 8},
        {"report, lines closed", 1, 0, 8},
        {"report, every line open", 1, everyLine, 8},
        {"upgrades shop", 2, 0, 8},
        {"saving screen", 3, 0, 8},
        {"bulletin after day 7", 4, 0, 7},
    };
    for (const Case& c : cases)
        measure(c, options);
    if (options.withGL)
        DestroyGameWindow();
    return 0;
}
