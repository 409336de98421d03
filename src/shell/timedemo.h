// A recording played as fast as its frames can be drawn, every frame timed: the
// game's --timedemo, and the played day of the benchmarks.
#pragma once
#include "shell/script.h"

#include <string>
#include <vector>

struct FrameTimes {
    long long passes = 0;     // frame passes run, drawn or not
    std::vector<double> ms;   // each drawn frame's wall time, in order
    double seconds = 0.0;     // wall time of the whole run
    double cpuSeconds = 0.0;  // processor time of every thread over the run
};
// Runs the recording's frame passes back to back, at most frameLimit of them (all
// with a negative limit), calling betweenPasses (when given) before each. Only
// what a recording holds is carried out: keys, frames, minimise and restore,
// close; dumps, shots and checks are the replay tool's and are passed over.
FrameTimes PlayTimed(const std::vector<Command>& commands, long long frameLimit, void (*betweenPasses)());

// The median, or another percentile, of frame times sorted in ascending order.
double Percentile(const std::vector<double>& sorted, int percent);

// `quorvel --timedemo FILE`, returning the exit status: the recording played in
// the game's window with no saved game (none is kept either) and no sound, then
// frames, seconds, frames per second, median and 99th-percentile frame time printed.
int RunTimedemo(const std::string& path);
