// Frame cost of the stages between two days: the report closed and with every
// line open (about 170 lines, formatted and drawn each frame), the shop, the
// saving screen and the bulletin, drawn with OpenGL (a software renderer on a
// machine without a GPU) or as logic alone (--no-gl).
//   quorvel-bench-between-days-frames [--no-gl] [frames per case]   (run from a folder holding Images/)
#include "dayend/between_days.h"
#include "model/catalogue.h"
#include "model/game_state.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/screen_flags.h"
#include "stats/stats.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void finishFrame()
{
    SwapGameWindow();
    glFinish();  // count the rasterising, not only the submission
}

void fillReceipt(Receipt& receipt, int items)
{
    for (int i = 0; i < items; ++i)
        receipt.lines[i] = makeOrderItem(1 + i % kMenuItemCount);
    receipt.count = items;
}

// Day 8 (every item listed), 25-item biggest orders, every award won.
void closedDay()
{
    screenFlags.titleMenuActive = false;
    game.dayStartPending = false;
    game.applySatisfactionHandicap = false;
    game.dayOver = true;
    game.headsetBattery = 64.0f;
    DayStats& day = dayStats;
    day.dayNumber = 8;
    day.revenue = 412.35f;
    day.ordersServed = 27;
    day.customers = 28;
    day.averageAccuracy = 97.5f;
    day.averageSpeed = 4.25f;
    day.fastestOrder = 1.75f;
    day.itemsWasted = 4;
    day.biggestOrderItems = 25;
    fillReceipt(day.biggestOrder, 25);
    day.drinksSold = {12, 9, 8, 7, 6, 5};
    day.burgersSold = {7, 8, 9, 4, 5};
    day.sidesSold = {14, 9, 8, 6};
    day.drinksWasted = {1, 0, 0, 1, 0, 0};
    day.sidesWasted = {0, 2, 0, 0};
    TotalStats& total = totalStats;
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

void measure(const Case& c, int frames, bool withGL)
{
    game.betweenDaysStage = c.stage;
    dayStats.dayNumber = c.dayNumber;
    betweenDays.report = ReportView{};
    betweenDays.report.expanded = c.expanded;
    std::vector<double> ms;
    for (int f = 0; f < frames + 20; ++f) {
        const auto start = std::chrono::steady_clock::now();
        FramePass();
        const auto end = std::chrono::steady_clock::now();
        if (f >= 20)  // after the caches are warm
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s %s  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms\n", c.name,
                withGL ? "GL   " : "no GL", ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
}

}  // namespace

int main(int argc, char** argv)
{
    bool withGL = true;
    int frames = 1000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-gl") == 0)
            withGL = false;
        else
            frames = std::max(10, std::atoi(argv[i]));
    }
    renderState.useGL = withGL;
    if (withGL) {
        UseOffscreenWindow();
        if (!CreateGameWindow("Quorvel (esc to exit, tab to pause)", 800, 600, 32))
            return 1;
        presentFrame = finishFrame;
    } else {
        ResizeScene(800, 600);
        if (!InitRenderer(1) && !InitRenderer(2))
            return 1;
    }
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
        measure(c, frames, withGL);
    if (withGL)
        DestroyGameWindow();
    return 0;
}
