// The replay tool drawing with OpenGL, headless: its memory stays flat however
// many frames it draws (the renderer's queued work is flushed every frame).
#include "support/replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Peak resident memory of quorvel-replay playing the script with OpenGL, in kilobytes.
long peakKilobytes(const std::string& script)
{
    ReplayFolder folder;
    std::ofstream(folder.path() / "script.txt") << script;
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.path().c_str()) == 0 && freopen("/dev/null", "w", stdout) != nullptr) {
            setenv("SDL_VIDEODRIVER", "offscreen", 1);
            execl(QUORVEL_REPLAY, QUORVEL_REPLAY, "script.txt", static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

}  // namespace

TEST(DrawnFrames, PeakMemoryDoesNotGrowWithTheFrameCount)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer holds freed memory back, so the peak grows with the frames";
#endif
    // The title menu's pulse changes every frame, so every frame is drawn.
    const long few = peakKilobytes("frames 200\n");
    const long many = peakKilobytes("frames 1500\n");
    ASSERT_GT(few, 0);
    ASSERT_GT(many, 0);
    EXPECT_LE(many, few + few / 10) << "200 frames peaked at " << few << " kB, 1500 at " << many << " kB";
}
