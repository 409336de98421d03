// The sound keys: the player's sound and volume, remembered in the settings file,
// and the speaker sign that shows them for a moment.
#include "shell/sound_keys.h"

#include "model/pictures.h"
#include "render/toolkit.h"
#include "shell/settings.h"
#include "shell/sound_player.h"

#include <SDL.h>

namespace {

struct {  // the run
    uint64_t untilMs = 0;
    int level = 10;
    bool muted = false;
} speakerSign;

}  // namespace

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
    ShowSpeakerSign(SDL_GetTicks64(), settings.volume, SoundMuted());
    SaveSettings();
    return true;
}

void ShowSpeakerSign(uint64_t nowMs, int level, bool muted)
{
    speakerSign = {nowMs + kSpeakerSignMs, level, muted};
}

SpeakerSign SpeakerSignAt(uint64_t nowMs)
{
    return {nowMs < speakerSign.untilMs, speakerSign.level, speakerSign.muted};
}

// Text space, top right under the status bar: x 470-610, y 388-432.
void DrawSpeakerSign(const SpeakerSign& sign)
{
    if (!sign.shown)
        return;
    const bool lit = renderState.lighting;
    SetLighting(false);
    SetBlending(false);
    for (int x : {494, 540, 586})
        DrawSpriteAtPixel("Gray12", Picture::LargeSquare, x, 410, 0.33f);
    for (int y : {388, 432})
        DrawSpriteAtPixel("Yellow", Picture::HorizontalRule, 540, y, 1.95f);
    DrawSpriteAtPixel("White", sign.muted ? Picture::AlertOff : Picture::AlertOn, 492, 410, 0.45f);
    SetBlending(true);
    if (sign.muted) {
        PrintText(516, 414, "Red", 0, "MUTED");
    } else {
        SetColourByName("White");
        PrintFormatted(516, 414, 0, "VOLUME %d", sign.level);
    }
    // Ten steps, lit up to the level.
    for (int step = 0; step < 10; ++step)
        DrawSpriteAtPixel(step < sign.level && !sign.muted ? "White" : "Gray35", Picture::SmallSquare,
                          524 + 8 * step, 400, 0.09f);
    SetBlending(false);
    SetLighting(lit);
}

void DrawSpeakerSignNow()
{
    DrawSpeakerSign(SpeakerSignAt(SDL_GetTicks64()));
}
