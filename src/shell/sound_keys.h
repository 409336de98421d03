// F2, F3 and F4: the shell's own keys for the sound, which the game never sees, and
// the speaker sign they bring up over the picture.
#pragma once
#include <cstdint>

// F2 switches the sound, F3 and F4 turn it down and up; each shows the speaker sign
// and is remembered in the settings. False for any other key.
bool SoundKey(int sdlKeycode, bool repeat);

// The sign shows the level a key left for this long, then goes.
constexpr uint64_t kSpeakerSignMs = 1500;
struct SpeakerSign {
    bool shown = false;
    int level = 10;  // tenths
    bool muted = false;
};
// Times are the shell's milliseconds (SDL's ticks); the game's own clock never sees them.
void ShowSpeakerSign(uint64_t nowMs, int level, bool muted);
SpeakerSign SpeakerSignAt(uint64_t nowMs);
// Draws the sign with the toolkit over what the frame drew, when it is shown.
void DrawSpeakerSign(const SpeakerSign& sign);
// The same at the shell's clock's now, between a frame's draws and its present, so
// that the present compares it like any other draw and redraws its box once it goes.
void DrawSpeakerSignNow();
