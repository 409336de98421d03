// What every frame-cost benchmark shares: start-up with or without OpenGL, and
// timing a run of frame passes with a per-frame set-up.
#pragma once
#include "render/render_state.h"
#include "render/textures.h"
#include "shell/frame_loop.h"
#include "shell/frame_present.h"
#include "shell/platform.h"
#include "shell/start_up.h"

#include <GL/gl.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

struct BenchOptions {
    bool withGL = true;
    int frames = 1000;  // measured frames per case, after 20 to warm up
    const char* file = nullptr;  // a file to play (the played day's script)
    const char* shotFolder = nullptr;  // --shots FOLDER: each case's last frame as a PPM
};

inline void finishBenchFrame()
{
    SwapGameWindow();
    glFinish();  // count the rasterising, not only the submission
}

// Reads [--no-gl] [--whole-frames] [--shots FOLDER] [FILE] [frames] and starts the
// game's renderer as the game does (offscreen). False when start-up failed.
// --whole-frames draws every frame whole, as before frames were compared.
inline bool StartBench(int argc, char** argv, BenchOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-gl") == 0)
            options.withGL = false;
        else if (std::strcmp(argv[i], "--whole-frames") == 0)
            drawFramesWhole = true;
        else if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc)
            options.shotFolder = argv[++i];
        else if (std::isdigit(static_cast<unsigned char>(argv[i][0])))
            options.frames = std::max(10, std::atoi(argv[i]));
        else
            options.file = argv[i];
    }
    if (!StartUp(options.withGL ? StartMode::Offscreen : StartMode::NoGL))
        return false;
    if (options.withGL)
        presentFrame = finishBenchFrame;
    return true;
}

// The back buffer as a binary PPM named after the case, so that changes to the
// renderer can be checked pixel for pixel on exactly the frames measured.
inline void WriteBenchShot(const char* folder, const char* name)
{
    constexpr int width = 800, height = 600;
    std::vector<unsigned char> pixels(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::string file = std::string(folder) + "/";
    for (const char* c = name; *c != '\0'; ++c)
        file += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    file += ".ppm";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (int row = height - 1; row >= 0; --row)  // OpenGL's rows start at the bottom
        std::fwrite(pixels.data() + row * width * 3, 1, width * 3, out);
    std::fclose(out);
}

// Runs frame passes, calling beforeFrame ahead of each, and prints the median,
// 99th percentile and worst wall time, and the processor time of all threads
// (the software renderer's included), which other load inflates less. Under
// callgrind each case's measured frames are dumped on their own (instruction
// counts, which other load does not change at all).
template <typename BeforeFrame>
void MeasureFrames(const char* name, const BenchOptions& options, BeforeFrame beforeFrame)
{
    std::vector<double> ms;
    std::clock_t cpuStart = 0;
    for (int f = 0; f < options.frames + 20; ++f) {
        if (f == 20) {
            cpuStart = std::clock();
            // A dump, not a zeroing: a zeroing leaves the renderer's threads the
            // work they did before it, which the next dump would count.
            CALLGRIND_DUMP_STATS_AT("warm-up");
        }
        beforeFrame();
        const auto start = std::chrono::steady_clock::now();
        FramePass();
        const auto end = std::chrono::steady_clock::now();
        if (f >= 20)  // after the caches are warm
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    CALLGRIND_DUMP_STATS_AT(name);
    const double cpu =
        1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / options.frames;
    if (options.withGL && options.shotFolder != nullptr)
        WriteBenchShot(options.shotFolder, name);
    std::sort(ms.begin(), ms.end());
    // A frame over the loop's 8 ms slows the game down: the ratios say how far
    // the median and the 99th percentile are from it.
    const double median = ms[ms.size() / 2], p99 = ms[ms.size() * 99 / 100];
    std::printf("%-28s %s  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms  cpu %7.3f ms/frame"
                "  of 8 ms: median %.2f p99 %.2f\n",
                name, options.withGL ? "GL   " : "no GL", median, p99, ms.back(), cpu, median / 8.0,
                p99 / 8.0);
}
