// The front-end screens' rules: the title menu's intro, pulse and keys, the
// options' toggles, the credits' light mode, the objective's Enter and the
// closing countdown. Each screen's state is kept here, with its reset.
#include "rules/front_end.h"

#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/options.h"
#include "model/random.h"
#include "model/screen_flags.h"
#include "model/sound_events.h"
#include "render/render_state.h"
#include "rules/day_start.h"
#include "rules/saved_game.h"

namespace {

TitleMenuState menu;
CreditsState credits;
ClosingState closing;

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

// Not latched: each key acts on every frame it is held, and several may act at once.
void readMenuKeys(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag)
{
    if (keys['N']) {
        screenFlags.titleMenuActive = false;
        screenFlags.objectiveActive = true;
    }
    if (keys['L'] && SavedGameExists()) {
        screenFlags.titleMenuActive = false;
        screenFlags.loadGameRequested = true;
    }
    if (keys['O']) {
        screenFlags.titleMenuActive = false;
        optionsFlag = true;
    }
    if (keys['C']) {
        screenFlags.titleMenuActive = false;
        creditsFlag = true;
    }
    if (keys['Q']) {
        screenFlags.titleMenuActive = false;
        quitFlag = true;
    }
    if (!screenFlags.titleMenuActive)
        QueueSound(SoundEvent::MenuChoice);
}

float randomComponent()
{
    return static_cast<float>(rnd(254) + 1) / 255.0f;
}

}  // namespace

const TitleMenuState& titleMenuState() { return menu; }
const CreditsState& creditsState() { return credits; }
const ClosingState& closingState() { return closing; }
void ResetTitleMenu() { menu = TitleMenuState{}; }
void ResetCredits() { credits = CreditsState{}; }
void ResetClosing() { closing = ClosingState{}; }

TitleMenuState UpdateTitleMenu(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag)
{
    day.stats.dayNumber = 1;
    menu.introSpeed = keys[Key::Space] ? 0.022f : 0.006f;
    if (menu.introFrameCount < kIntroFrames)
        ++menu.introFrameCount;
    const TitleMenuState intro = menu;
    advanceIntro(menu);
    if (titleMenuReady(menu)) {
        advancePulse(menu);
        menu.menuOffset = SavedGameExists() ? 0 : 40;
        readMenuKeys(keys, optionsFlag, creditsFlag, quitFlag);
    }
    return intro;
}

void UpdateOptionsScreen(const bool* keys, bool& optionsFlag)
{
    // The rest of the frame still runs; the title menu shows from the next one.
    if (keys[Key::Backspace]) {
        optionsFlag = false;
        screenFlags.titleMenuActive = true;
        QueueSound(SoundEvent::MenuChoice);
    }
    for (const OptionRow& row : kOptionRows)
        if (KeyPressedOnce(keys, row.key, row.latch)) {
            program.gameOptions ^= row.bit;
            QueueSound(SoundEvent::OptionToggled);
        }
}

void UpdateCreditsScreen(const bool* keys, bool& creditsFlag)
{
    // Leaving switches the lighting off, but the light mode is kept for the next visit.
    if (keys[Key::Backspace]) {
        SetLighting(false);
        creditsFlag = false;
        screenFlags.titleMenuActive = true;
        QueueSound(SoundEvent::MenuChoice);
    }
    if (KeyPressedOnce(keys, 'L', Latch::CreditsL)) {
        credits.lightMode = !credits.lightMode;
        QueueSound(SoundEvent::OptionToggled);
        // With Backspace in the same frame the screen is being left: the rest
        // of the game must not be drawn lit.
        SetLighting(credits.lightMode && creditsFlag);
    }
}

void UpdateObjectiveScreen(const bool* keys, bool& objectiveFlag)
{
    // Every frame, so the starting-cash option as it stands now is the one used.
    StartNewGame(program.gameOptions);
    if (keys[Key::Enter]) {
        objectiveFlag = false;
        QueueSound(SoundEvent::MenuChoice);
    }
}

ClosingState UpdateClosingScreen(bool& doneFlag)
{
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
        doneFlag = true;
    }
    return shown;
}
