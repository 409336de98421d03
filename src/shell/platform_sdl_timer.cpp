// The platform layer on SDL2: the frame timer and the wait to a frame's deadline.
#include "shell/platform.h"

#include "shell/frame_pacer.h"

#include <SDL.h>
#include <chrono>
#include <cstdint>
#include <thread>

namespace {

struct FrameTimer {
    bool highResolution = false;
    uint64_t frequency = 0;
    float resolution = 0.0f;
    uint64_t start = 0;
};
FrameTimer frameTimer;
FramePacer framePacer;

}  // namespace

void InitFrameTimer()
{
    frameTimer = FrameTimer{};
    frameTimer.frequency = SDL_GetPerformanceFrequency();
    if (frameTimer.frequency != 0) {
        frameTimer.highResolution = true;
        frameTimer.start = SDL_GetPerformanceCounter();
        frameTimer.resolution = 1.0f / static_cast<float>(frameTimer.frequency);
    } else {
        frameTimer.resolution = 0.001f;
        frameTimer.frequency = 1000;
        frameTimer.start = SDL_GetTicks64();
    }
}

float FrameTimeNow()
{
    uint64_t now = frameTimer.highResolution ? SDL_GetPerformanceCounter() : SDL_GetTicks64();
    // In double before the final rounding, so that long sessions keep their resolution.
    return static_cast<float>(static_cast<double>(now - frameTimer.start) * 1000.0 /
                              static_cast<double>(frameTimer.frequency));
}

void WaitUntil(float targetMs)
{
    // Sleep until the learned margin before the deadline, then spin to it.
    for (;;) {
        const float now = FrameTimeNow();
        const float left = targetMs - now;
        if (left <= 0.0f)
            return;
        const float sleepMs = left - framePacer.SpinMargin();
        if (sleepMs > 0.05f) {
            std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int>(sleepMs * 1000.0f)));
            framePacer.RecordSleep(sleepMs, FrameTimeNow() - now);
        }
    }
}
