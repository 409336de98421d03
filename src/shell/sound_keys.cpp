// The sound keys: the player's sound and volume, remembered in the settings file.
#include "shell/sound_keys.h"

#include "shell/settings.h"
#include "shell/sound_player.h"

#include <SDL.h>

bool SoundKey(int key, bool repeat)
{
    if (key != SDLK_F2 && key != SDLK_F3 && key != SDLK_F4)
        return false;
    if (key == SDLK_F2 && !repeat) {
        ToggleSound();
        settings.soundOn = !SoundMuted();
    } else if (key != SDLK_F2) {
        settings.volume = ChangeVolume(key == SDLK_F3 ? -1 : 1);
    }
    ShowSpeakerSign();
    SaveSettings();
    return true;
}
