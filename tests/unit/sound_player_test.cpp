// The sound player never stops the game: without audio it says so once and stays
// silent; with a device it loads every generated sound and plays a busy frame at once;
// a sound it cannot read stays silent and is named with its own reason.
#include "model/sound_events.h"
#include "shell/sound_player.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

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

TEST(SoundPlayer, EachSoundThatCannotBeReadIsNamedWithItsOwnReason)
{
    namespace fs = std::filesystem;
    const fs::path build = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / ("quorvel-sounds-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::copy(build / "Sounds", folder / "Sounds");
    fs::remove(folder / "Sounds" / "bagReady.wav");
    std::ofstream(folder / "Sounds" / "wrongBag.wav") << "RIFF, but no more";
    fs::current_path(folder);
    const std::string said = runPlayer("dummy", false, false);
    fs::current_path(build);
    fs::remove_all(folder);
    const std::string from = std::string(program_invocation_short_name) + ": Sounds/";
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(said.find(from + "bagReady.wav: missing; it stays silent\n"), std::string::npos) << said;
    EXPECT_NE(said.find(from + "wrongBag.wav: "), std::string::npos) << said;
    EXPECT_EQ(said.find("wrongBag.wav: missing"), std::string::npos) << said;
}
