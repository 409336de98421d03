// Frame cost over played days: a recorded game (the golden three-days script by
// default) played with every frame drawn, none waited for, as the game's
// --timedemo plays one. Prints the mean, median, 99th percentile and worst frame
// and the processor time a frame; under callgrind, the frames' instructions.
//   quorvel-bench-played-day [--no-gl] [--whole-frames] [SCRIPT] [frames]
//   (run from a folder holding Images/)
#include "frame_bench.h"

#include "rules/saved_game_folder.h"
#include "shell/timedemo.h"

#include <filesystem>
#include <numeric>
#include <unistd.h>

namespace {

const std::filesystem::path kGoldenDays =
    std::filesystem::path(__FILE__).parent_path() / "../tests/data/golden/days.txt";

void report(const FrameTimes& times, const BenchOptions& options)
{
    std::vector<double> ms = times.ms;
    std::sort(ms.begin(), ms.end());
    const double frames = static_cast<double>(ms.size());
    const double mean = ms.empty() ? 0.0 : std::accumulate(ms.begin(), ms.end(), 0.0) / frames;
    std::printf("%-28s %s  %zu frames  mean %7.3f ms  median %7.3f ms  p99 %7.3f ms  worst %7.3f ms"
                "  cpu %7.3f ms/frame\n",
                "played day", options.withGL ? "GL   " : "no GL", ms.size(), mean, Percentile(ms, 50),
                Percentile(ms, 99), ms.empty() ? 0.0 : ms.back(),
                frames > 0.0 ? 1000.0 * times.cpuSeconds / frames : 0.0);
}

}  // namespace

int main(int argc, char** argv)
{
    BenchOptions options;
    options.frames = -1;  // every frame of the script
    if (!StartBench(argc, argv, options))
        return 1;
    std::vector<Command> commands;
    const std::string script = options.file != nullptr ? options.file : kGoldenDays.string();
    if (!ReadRecording(script, commands, "quorvel-bench-played-day"))
        return 2;
    // The script starts with no saved game; what it saves goes to a folder of its own.
    namespace fs = std::filesystem;
    const fs::path saves = fs::temp_directory_path() / ("quorvel-bench-" + std::to_string(getpid()));
    SetSavedGameFolder(saves.string() + "/");

    CALLGRIND_DUMP_STATS_AT("warm-up");
    const FrameTimes times = PlayTimed(commands, options.frames, nullptr);
    // bench/instructions.sh divides by the frame count the name ends with.
    const std::string name = "played day: " + std::to_string(times.passes) + " frames";
    CALLGRIND_DUMP_STATS_AT(name.c_str());
    report(times, options);
    if (options.withGL && options.shotFolder != nullptr)
        WriteBenchShot(options.shotFolder, "played day");
    std::error_code ignored;
    fs::remove_all(saves, ignored);
    if (options.withGL)
        DestroyGameWindow();
    return 0;
}
