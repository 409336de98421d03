// Two sounds of one frame that would drown each other play one after the other:
// the 10 pm closing bell, then the fanfare of the day's end.
#include "model/sound_events.h"
#include "shell/sound_player.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cstdlib>

namespace {

// The one effect playing; fails unless exactly one is.
Mix_Chunk* onlyEffectPlaying()
{
    Mix_Chunk* found = nullptr;
    int playing = 0;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel)
        if (Mix_Playing(channel)) {
            ++playing;
            found = Mix_GetChunk(channel);
        }
    EXPECT_EQ(playing, 1);
    return found;
}

void playFrame(std::initializer_list<SoundEvent> events)
{
    soundQueue.clear();
    for (SoundEvent event : events)
        QueueSound(event);
    PlayQueuedSounds();
}

}  // namespace

TEST(SoundPlayer, ClosingBellAndDayOverOfOneFramePlayOneAfterTheOther)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    InitSound(false);
    playFrame({SoundEvent::DriveThruClosed, SoundEvent::DayOver});
    Mix_Chunk* bell = onlyEffectPlaying();
    playFrame({});
    EXPECT_EQ(onlyEffectPlaying(), bell);  // the fanfare still waits
    Mix_HaltChannel(-1);                    // as if the bell had rung out
    playFrame({});
    Mix_Chunk* fanfare = onlyEffectPlaying();
    EXPECT_NE(fanfare, bell);
    ASSERT_NE(bell, nullptr);
    ASSERT_NE(fanfare, nullptr);
    EXPECT_GT(bell->alen, fanfare->alen);  // three strokes of the bell outlast the fanfare
    playFrame({});
    EXPECT_EQ(onlyEffectPlaying(), fanfare);  // and it plays once
    ShutDownSound();
    unsetenv("SDL_AUDIODRIVER");
}
