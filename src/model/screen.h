// The screens a frame can run and which of them are up. A menu key raises its
// screen, leaving a screen lowers it; several keys in one frame raise several,
// and the first in the order below is shown while the others wait their turn.
#pragma once
#include <cstdint>

// In the order of precedence; the game runs when no other screen is up.
enum class Screen : uint8_t { Title, Options, Credits, Closing, Objective, Game };

struct ScreenState {  // program lifetime; the title menu first
    uint8_t raised = 1u << static_cast<int>(Screen::Title);
    bool loadGameRequested = false;  // consumed by the in-game screen's next frame

    bool up(Screen s) const { return (raised & bit(s)) != 0; }
    void raise(Screen s) { raised |= bit(s); }
    void lower(Screen s) { raised &= static_cast<uint8_t>(~bit(s)); }

private:
    static constexpr uint8_t bit(Screen s) { return static_cast<uint8_t>(1u << static_cast<int>(s)); }
};
extern ScreenState screenState;

// The screen the frame runs: the first one up, with Escape closing the game as
// soon as neither the title menu, the options nor the credits are up.
Screen CurrentScreen(const ScreenState& screens, bool escapePressed);
const char* ScreenName(Screen screen);
