// What every frame-cost benchmark shares: start-up with or without OpenGL, and
// timing a run of frame passes with a per-frame set-up.
#pragma once
#include "render/render_state.h"
#include "render/textures.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/start_up.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

struct BenchOptions {
    bool withGL = true;
    int frames = 1000;  // measured frames per case, after 20 to warm up
};

inline void finishBenchFrame()
{
    SwapGameWindow();
    glFinish();  // count the rasterising, not only the submission
}

// Reads [--no-gl] [frames] and starts the game's renderer as the game does
// (offscreen). False when start-up failed.
inline bool StartBench(int argc, char** argv, BenchOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-gl") == 0)
            options.withGL = false;
        else
            options.frames = std::max(10, std::atoi(argv[i]));
    }
    if (!StartUp(options.withGL ? StartMode::Offscreen : StartMode::NoGL))
        return false;
    if (options.withGL)
        presentFrame = finishBenchFrame;
    return true;
}

// Runs frame passes, calling beforeFrame ahead of each, and prints the median,
// 99th percentile and worst wall time, and the processor time of all threads
// (the software renderer's included), which other load inflates less.
template <typename BeforeFrame>
void MeasureFrames(const char* name, const BenchOptions& options, BeforeFrame beforeFrame)
{
    std::vector<double> ms;
    std::clock_t cpuStart = 0;
    for (int f = 0; f < options.frames + 20; ++f) {
        if (f == 20)
            cpuStart = std::clock();
        beforeFrame();
        const auto start = std::chrono::steady_clock::now();
        FramePass();
        const auto end = std::chrono::steady_clock::now();
        if (f >= 20)  // after the caches are warm
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const double cpu =
        1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / options.frames;
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s %s  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms  cpu %7.3f ms/frame\n", name,
                options.withGL ? "GL   " : "no GL", ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(),
                cpu);
}
