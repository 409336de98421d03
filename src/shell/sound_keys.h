// F2, F3 and F4: the shell's own keys for the sound, which the game never sees.
#pragma once

// F2 switches the sound, F3 and F4 turn it down and up; each shows the speaker sign
// and is remembered in the settings. False for any other key.
bool SoundKey(int sdlKeycode, bool repeat);
