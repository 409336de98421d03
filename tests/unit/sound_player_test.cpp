// The sound player never stops the game: without audio it says so once and stays
// silent; with a device it loads every generated sound and plays a busy frame at once.
#include "model/sound_events.h"
#include "shell/sound_player.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::string runPlayer(const char* driver, bool muted, bool toggle)
{
    setenv("SDL_AUDIODRIVER", driver, 1);
    testing::internal::CaptureStderr();
    InitSound(muted);
    if (toggle)
        ToggleSound();
    for (int frame = 0; frame < 3; ++frame) {
        soundQueue.clear();
        for (const SoundInfo& info : soundTable)  // more than there are channels
            QueueSound(info.event);
        PlayQueuedSounds();
        SetAmbience(frame < 2);
    }
    ShutDownSound();
    unsetenv("SDL_AUDIODRIVER");
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(SoundPlayer, WithoutAnAudioDeviceTheGameIsSilentAndSaysSoOnce)
{
    const std::string said = runPlayer("no-such-driver", false, false);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("without sound"), std::string::npos) << said;
}

TEST(SoundPlayer, WithADeviceEverySoundLoadsAndPlays)
{
    // Muted from the start opens nothing; switching sound on opens the device then.
    EXPECT_EQ(runPlayer("dummy", true, false), "");
    EXPECT_EQ(runPlayer("dummy", true, true), "");
    EXPECT_EQ(runPlayer("dummy", false, false), "");
}
