// Frame cost of a busy day: each in-game view and the slides, drawn with
// OpenGL (a software renderer on a machine without a GPU) or as logic alone
// (--no-gl). Prints the median, the 99th percentile and the worst frame.
//   quorvel-bench [--no-gl] [frames per case]   (run from a folder holding Images/)
#include "model/game_state.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/screen_flags.h"
#include "shell/shell_state.h"
#include "stats/stats.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <ctime>
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

// Every slot busy, long receipts, a full kitchen strip, a car at the window and
// its spoken order on show: the most a frame of the day ever draws.
void busyDay()
{
    screenFlags.titleMenuActive = false;
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
        c.number = game.orderCounter++;
        c.picture = 1 + c.number % 13;
        for (int item : order)
            if (item != 0)
                c.order[c.count++] = makeOrderItem(item);
        game.customerQueue.push_back(c);
        game.carsInLine += 1;
        game.currentReceipt = nullptr;
        for (int i = 0; i < c.count; ++i)
            addToReceipt(c.order[i]);
    }
    for (int i = 0; i < 3; ++i)
        game.bags[0].receipt->lines[i].bagged = true;
    game.bags[1].selected = true;
    game.bags[2].pickedUp = true;
    game.orderOpen = game.orderPrompt = true;
    for (int item : {1, 6, 10, 2, 7, 11, 3, 12})
        queueCookJob(item);
    game.kitchenQueue[0].progress = 100.0f;
    game.kitchenQueue[1].warning = true;
}

struct Case {
    const char* name;
    int view;
};

void measure(const Case& c, int frames, bool withGL)
{
    std::vector<double> ms;
    std::clock_t cpuStart = 0;
    for (int f = 0; f < frames + 20; ++f) {
        if (f == 20)
            cpuStart = std::clock();
        game.framesSinceOrder = 0;  // the order text stays on show
        game.kitchenQueue[1].warningTimer = 0;
        if (game.inGameView != c.view && (c.view < 3 || game.inGameView < 3)) {
            game.inGameView = c.view;  // a slide starts again from the beginning
            game.slideOffset = 0;
            game.slideReverse = false;
        }
        const auto start = std::chrono::steady_clock::now();
        FramePass();
        const auto end = std::chrono::steady_clock::now();
        if (f >= 20)  // after the caches are warm
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    // Processor time of all threads (the software renderer's included), which
    // other load on the machine does not inflate the way it does the wall clock.
    const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / frames;
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s %s  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms  cpu %7.3f ms/frame\n", c.name,
                withGL ? "GL   " : "no GL", ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), cpu);
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
    busyDay();
    const Case cases[] = {{"register view", 0},          {"kitchen view", 1},
                          {"hand-out view", 2},          {"slide register -> kitchen", 3},
                          {"slide kitchen -> hand-out", 6}, {"slide hand-out -> register", 7}};
    for (const Case& c : cases)
        measure(c, frames, withGL);
    if (withGL)
        DestroyGameWindow();
    return 0;
}
