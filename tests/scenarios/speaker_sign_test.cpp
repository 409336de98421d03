// The speaker sign goes into the frame's recorded draws, over the pause too, for
// a second and a half after F2, F3 or F4 (tests/speaker_sign_test.sh watches the
// game's window show it and draw its box again once it goes).
#include "render/draw_log.h"
#include "shell/frame_loop.h"
#include "shell/shell_state.h"
#include "shell/sound_keys.h"
#include "support/program_start.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

bool drawsText(const char* text)
{
    for (const DrawRecord& r : drawLog.records)
        if (r.text == text)
            return true;
    return false;
}

}  // namespace

TEST(SpeakerSign, IsDrawnWithTheFrameForASecondAndAHalf)
{
    ResetToProgramStart();
    shell.paused = true;
    FramePass();
    const size_t pauseDraws = drawLog.records.size();
    EXPECT_FALSE(drawsText("VOLUME 7"));

    ShowSpeakerSign(SDL_GetTicks64(), 7, false);
    FramePass();
    EXPECT_GT(drawLog.records.size(), pauseDraws);
    EXPECT_TRUE(drawsText("VOLUME 7"));
    ShowSpeakerSign(SDL_GetTicks64(), 7, true);
    FramePass();
    EXPECT_TRUE(drawsText("MUTED"));

    ShowSpeakerSign(10000, 3, true);
    const SpeakerSign last = SpeakerSignAt(11499);
    EXPECT_TRUE(last.shown && last.muted && last.level == 3);
    EXPECT_FALSE(SpeakerSignAt(11500).shown);
}
