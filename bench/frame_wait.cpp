// The frame wait's own processor cost: paced 8 ms frames whose drawing is stood in
// for by a busy stretch of the given length, measured as cores used (processor
// time over wall time) and how late frames end. Compared with a pure spin.
// usage: quorvel-bench-frame-wait [SECONDS] [DRAW_MS]
#include "shell/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void spinUntil(float targetMs)
{
    while (FrameTimeNow() < targetMs) {
    }
}

template <typename Wait>
void measure(const char* name, float seconds, float drawMs, Wait wait)
{
    constexpr float kFrameMs = 8.0f;
    const double cpuStart = processSeconds();
    const float wallStart = FrameTimeNow();
    float lateSum = 0.0f, lateMax = 0.0f;
    int frames = 0;
    while (FrameTimeNow() - wallStart < seconds * 1000.0f) {
        const float start = FrameTimeNow();
        spinUntil(start + drawMs);
        wait(start + kFrameMs);
        const float late = FrameTimeNow() - (start + kFrameMs);
        lateSum += late;
        lateMax = std::max(lateMax, late);
        ++frames;
    }
    const double wall = (FrameTimeNow() - wallStart) / 1000.0;
    const double cores = (processSeconds() - cpuStart) / wall;
    std::printf("%-14s %.3f cores (%.3f for drawing, %.3f for waiting), %.1f frames/s, "
                "frames end %.3f ms late on average, %.3f ms at worst\n",
                name, cores, drawMs / kFrameMs, cores - drawMs / kFrameMs, frames / wall,
                lateSum / static_cast<float>(frames), lateMax);
}

}  // namespace

int main(int argc, char** argv)
{
    const float seconds = argc > 1 ? static_cast<float>(std::atof(argv[1])) : 5.0f;
    const float drawMs = argc > 2 ? static_cast<float>(std::atof(argv[2])) : 2.0f;
    InitFrameTimer();
    measure("sleep and spin", seconds, drawMs, WaitUntil);
    measure("spin only", seconds, drawMs, spinUntil);
    return 0;
}
