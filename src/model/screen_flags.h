// The flags that choose the screen of each frame (the in-game screen runs when
// none is set; Escape's flag lives with the shell).
#pragma once

struct ScreenFlags {  // program lifetime
    bool titleMenuActive = true;
    bool optionsActive = false;
    bool creditsActive = false;
    bool quitRequested = false;
    bool objectiveActive = false;
    bool loadGameRequested = false;  // consumed by the in-game screen's next frame
};
extern ScreenFlags screenFlags;

enum class Screen { Title, Options, Credits, Closing, Objective, Game };
// The screen the dispatcher runs next, from the flags' priority.
Screen CurrentScreen(bool escapePressed);
const char* ScreenName(Screen screen);
