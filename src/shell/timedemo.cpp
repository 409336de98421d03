// Playing a recording as fast as its frames can be drawn, timing every frame.
#include "shell/timedemo.h"

#include "rules/saved_game_folder.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <unistd.h>

namespace {

void setKeys(const std::vector<int>& codes, bool down)
{
    for (int code : codes)
        keys[code] = down;
}

// One frame pass, timed when it drew.
void timedPass(FrameTimes& times)
{
    const auto start = std::chrono::steady_clock::now();
    const bool drew = FramePass();
    const auto end = std::chrono::steady_clock::now();
    if (drew)
        times.ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    ++times.passes;
}

void pollWindow()
{
    while (PollOneEvent()) {
    }
}

int playInWindow(const std::vector<Command>& commands)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path saves = fs::temp_directory_path(error) / ("quorvel-timedemo-" + std::to_string(getpid()));
    if (!StartUp(StartMode::Window))
        return 1;
    SetSavedGameFolder(saves.string() + "/");
    presentFrame = SwapGameWindow;
    playerKeysIgnored = true;
    const FrameTimes times = PlayTimed(commands, -1, pollWindow);
    DestroyGameWindow();
    fs::remove_all(saves, error);

    std::vector<double> sorted = times.ms;
    std::sort(sorted.begin(), sorted.end());
    const double frames = static_cast<double>(sorted.size());
    std::printf("quorvel timedemo: %zu frames in %.2f s, %.1f frames/s, median %.3f ms, "
                "99th percentile %.3f ms a frame\n",
                sorted.size(), times.seconds, times.seconds > 0.0 ? frames / times.seconds : 0.0,
                Percentile(sorted, 50), Percentile(sorted, 99));
    return 0;
}

}  // namespace

FrameTimes PlayTimed(const std::vector<Command>& commands, long long frameLimit, void (*betweenPasses)())
{
    FrameTimes times;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto running = [&] { return !shell.done && (frameLimit < 0 || times.passes < frameLimit); };
    const auto passes = [&](long long count) {
        for (long long i = 0; i < count && running(); ++i) {
            if (betweenPasses != nullptr)
                betweenPasses();
            timedPass(times);
        }
    };
    for (const Command& c : commands) {
        if (!running())
            break;
        switch (c.kind) {
        case Command::Kind::Down: setKeys(c.keys, true); break;
        case Command::Kind::Up: setKeys(c.keys, false); break;
        case Command::Kind::Frames: passes(c.count); break;
        case Command::Kind::Press:
            setKeys(c.keys, true);
            passes(1);
            setKeys(c.keys, false);
            passes(1);
            break;
        case Command::Kind::Minimize: shell.windowActive = false; break;
        case Command::Kind::Restore: shell.windowActive = true; break;
        case Command::Kind::Close: shell.done = true; break;
        default: break;
        }
    }
    times.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    times.cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return times;
}

double Percentile(const std::vector<double>& sorted, int percent)
{
    if (sorted.empty())
        return 0.0;
    return sorted[std::min(sorted.size() - 1, sorted.size() * static_cast<size_t>(percent) / 100)];
}

int RunTimedemo(const std::string& path)
{
    std::vector<Command> commands;
    return ReadRecording(path, commands, "quorvel") ? playInWindow(commands) : 2;
}
