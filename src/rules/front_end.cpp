// The front-end screens' rules: the title menu's intro, pulse and keys, the
// options' toggles, the credits' light mode, the objective's Enter and the
// closing countdown. Each returns what its screen draws.
#include "rules/front_end.h"

#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/options.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/sound_events.h"
#include "rules/day_start.h"
#include "rules/saved_game.h"

#include <utility>

namespace {

constexpr int kIntroFrames = 66;

// The employees rise and the register lights up; a height that overshoots 0
// is only put back on the following frame.
void advanceIntro(TitleMenuState& menu)
{
    if (menu.introFrameCount >= kIntroFrames) {
        menu.fade = menu.fade + menu.introSpeed + 0.001f;
        if (menu.fade > 1.0f)
            menu.fade = 1.0f;
    }
    if (menu.anselHeight > 0.0f)
        menu.anselHeight = menu.anselHeight - 2.0f * menu.introSpeed;
    else
        menu.anselHeight = 0.0f;
    if (menu.tiborHeight < 0.0f)
        menu.tiborHeight = menu.tiborHeight + 2.0f * menu.introSpeed;
    else
        menu.tiborHeight = 0.0f;
}

void advancePulse(TitleMenuState& menu)
{
    if (menu.pulse < 1.0f && menu.pulseRising)
        menu.pulse += 0.03f;
    else if (menu.pulse >= 1.0f && menu.pulseRising)
        menu.pulseRising = false;
    else if (menu.pulse > 0.0f && !menu.pulseRising)
        menu.pulse -= 0.03f;
    else if (menu.pulse <= 0.0f && !menu.pulseRising)
        menu.pulseRising = true;
}

// Not latched: each key acts on every frame it is held, and several may act at
// once; the screens they raise then take their turns in the dispatcher's order.
void readMenuKeys(const bool* keys)
{
    ScreenState& s = screenState;
    if (keys[int{'N'}]) {
        s.lower(Screen::Title);
        s.raise(Screen::Objective);
    }
    if (keys[int{'L'}] && SavedGameExists()) {
        s.lower(Screen::Title);
        s.loadGameRequested = true;
    }
    for (const auto& [key, screen] : {std::pair{'O', Screen::Options}, std::pair{'C', Screen::Credits},
                                      std::pair{'Q', Screen::Closing}})
        if (keys[static_cast<int>(key)]) {
            s.lower(Screen::Title);
            s.raise(screen);
        }
    if (!s.up(Screen::Title))
        QueueSound(SoundEvent::MenuChoice);
}

float randomComponent()
{
    return static_cast<float>(rnd(254) + 1) / 255.0f;
}

}  // namespace

TitleFrame StepTitleMenu(const bool* keys)
{
    TitleMenuState& menu = frontEnd.menu;
    day.stats.dayNumber = 1;
    menu.introSpeed = keys[Key::Space] ? 0.022f : 0.006f;
    if (menu.introFrameCount < kIntroFrames)
        ++menu.introFrameCount;
    const TitleMenuState intro = menu;
    advanceIntro(menu);
    if (TitleMenuReady(menu)) {
        advancePulse(menu);
        menu.menuOffset = SavedGameExists() ? 0 : 40;
        readMenuKeys(keys);
    }
    return {intro, menu};
}

OptionsFrame StepOptionsScreen(const bool* keys)
{
    // The rest of the frame still runs; the title menu shows from the next one.
    if (keys[Key::Backspace]) {
        screenState.lower(Screen::Options);
        screenState.raise(Screen::Title);
        QueueSound(SoundEvent::MenuChoice);
    }
    for (const OptionRow& row : kOptionRows)
        if (KeyPressedOnce(keys, row.key, row.latch)) {
            program.gameOptions ^= row.bit;
            QueueSound(SoundEvent::OptionToggled);
        }
    return {program.gameOptions};
}

CreditsFrame StepCreditsScreen(const bool* keys)
{
    CreditsFrame frame;
    // Leaving switches the lighting off, but the light mode is kept for the next visit.
    if (keys[Key::Backspace]) {
        frame.lighting = false;
        screenState.lower(Screen::Credits);
        screenState.raise(Screen::Title);
        QueueSound(SoundEvent::MenuChoice);
    }
    if (KeyPressedOnce(keys, 'L', Latch::CreditsL)) {
        CreditsState& credits = frontEnd.credits;
        credits.lightMode = !credits.lightMode;
        QueueSound(SoundEvent::OptionToggled);
        // With Backspace in the same frame the screen is being left: the rest
        // of the game must not be drawn lit.
        frame.lighting = credits.lightMode && screenState.up(Screen::Credits);
    }
    return frame;
}

ObjectiveFrame StepObjectiveScreen(const bool* keys)
{
    // Every frame, so the starting-cash option as it stands now is the one used.
    StartNewGame(program.gameOptions);
    if (keys[Key::Enter]) {
        screenState.lower(Screen::Objective);
        QueueSound(SoundEvent::MenuChoice);
    }
    return {};
}

ClosingFrame StepClosingScreen(bool& done)
{
    ClosingState& closing = frontEnd.closing;
    // A new random colour every frame, drawn red, green, blue.
    closing.tint[0] = randomComponent();
    closing.tint[1] = randomComponent();
    closing.tint[2] = randomComponent();
    const ClosingState shown = closing;
    if (closing.tileX < kClosingRowEnd) {
        closing.tileX = closing.tileX + 0.26875;
        ++closing.closingCount;
    } else if (closing.tileY > -1.0) {
        closing.tileY = closing.tileY - 0.58;
        closing.tileX = -1.9;
        closing.tilePicture = NextDrinkPicture(closing.tilePicture);
        QueueSound(SoundEvent::ClosingTick);  // a row done: the count moves on a sixth
    } else {
        done = true;
    }
    return {shown};
}
