// Frame cost of a busy day: each in-game view and the slides, drawn with
// OpenGL (a software renderer on a machine without a GPU) or as logic alone
// (--no-gl). Prints the median, the 99th percentile and the worst frame, and
// the median and 99th percentile as a share of the 8 ms frame budget.
//   quorvel-bench [--no-gl] [--whole-frames] [--shots FOLDER] [frames per case]   (run from a folder holding Images/)
#include "frame_bench.h"

#include "model/game_state.h"
#include "model/screen.h"
#include "model/stats.h"

namespace {

// Every slot busy, long receipts, a full kitchen strip, a car at the window and
// its spoken order on show: the most a frame of the day ever draws.
void busyDay()
{
    screenState.lower(Screen::Title);
    game.dayStartPending = false;
    game.applySatisfactionHandicap = false;
    game.customerSatisfaction = 100.0f;
    const int orders[5][8] = {{1, 2, 3, 6, 7, 10, 11, 12},
                              {3, 6, 10, 13, 2, 7, 12, 11},
                              {1, 1, 6, 6, 10, 10, 13, 12},
                              {2, 6, 11, 0},
                              {3, 7, 12, 13, 0}};
    for (const auto& order : orders) {
        Customer c;
        c.number = day.orderCounter++;
        c.picture = 1 + c.number % 13;
        for (int item : order)
            if (item != 0)
                c.order[c.count++] = makeOrderItem(item);
        day.customerQueue.push_back(c);
        day.carsInLine += 1;
        day.currentReceipt = nullptr;
        for (int i = 0; i < c.count; ++i)
            addToReceipt(c.order[i]);
    }
    for (int i = 0; i < 3; ++i)
        day.bags[0].receipt->lines[i].bagged = true;
    day.bags[1].selected = true;
    day.bags[2].pickedUp = true;
    day.orderOpen = day.orderPrompt = true;
    for (int item : {1, 6, 10, 2, 7, 11, 3, 12})
        queueCookJob(item);
    day.kitchenQueue[0].progress = 100.0f;
    day.kitchenQueue[1].warning = true;
}

struct Case {
    const char* name;
    int view;
};

void measure(const Case& c, const BenchOptions& options)
{
    MeasureFrames(c.name, options, [&c] {
        day.framesSinceOrder = 0;  // the order text stays on show
        day.kitchenQueue[1].warningTimer = 0;
        const InGameView view = static_cast<InGameView>(c.view);
        if (day.inGameView != view && (!IsSlide(view) || !IsSlide(day.inGameView))) {
            day.inGameView = view;  // a slide starts again from the beginning
            day.slideOffset = 0;
            day.slideReverse = false;
        }
    });
}

}  // namespace

int main(int argc, char** argv)
{
    BenchOptions options;
    if (!StartBench(argc, argv, options))
        return 1;
    busyDay();
    const Case cases[] = {{"register view", 0},          {"kitchen view", 1},
                          {"hand-out view", 2},          {"slide register -> kitchen", 3},
                          {"slide kitchen -> hand-out", 6}, {"slide hand-out -> register", 7}};
    for (const Case& c : cases)
        measure(c, options);
    if (options.withGL)
        DestroyGameWindow();
    return 0;
}
