// The platform's keys become the game's virtual-key codes through one table.
#include "shell/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {
int code(SDL_Keycode key, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN)
{
    return VirtualKeyFromSdl(key, scancode);
}
}  // namespace

TEST(KeyCodes, LettersAndDigitsUseTheirUpperCaseAndCharacterCodes)
{
    EXPECT_EQ(code(SDLK_a), 'A');
    EXPECT_EQ(code(SDLK_m), 77);
    EXPECT_EQ(code(SDLK_z), 'Z');
    EXPECT_EQ(code(SDLK_0), 48);
    EXPECT_EQ(code(SDLK_9), 57);
}

TEST(KeyCodes, KeypadDigitsAndEnterWhateverNumLockSays)
{
    // With Num Lock off the keypad reports navigation keys; the scancode decides.
    EXPECT_EQ(code(SDLK_END, SDL_SCANCODE_KP_1), 97);
    EXPECT_EQ(code(SDLK_KP_1, SDL_SCANCODE_KP_1), 97);
    EXPECT_EQ(code(SDLK_KP_3, SDL_SCANCODE_KP_3), 99);
    EXPECT_EQ(code(SDLK_INSERT, SDL_SCANCODE_KP_0), 96);
    EXPECT_EQ(code(SDLK_KP_9, SDL_SCANCODE_KP_9), 105);
    EXPECT_EQ(code(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), 13);
}

TEST(KeyCodes, TheNamedKeysOfTheGame)
{
    EXPECT_EQ(code(SDLK_BACKSPACE), 8);
    EXPECT_EQ(code(SDLK_TAB), 9);
    EXPECT_EQ(code(SDLK_RETURN), 13);
    EXPECT_EQ(code(SDLK_LSHIFT), 16);
    EXPECT_EQ(code(SDLK_RSHIFT), 16);
    EXPECT_EQ(code(SDLK_ESCAPE), 27);
    EXPECT_EQ(code(SDLK_SPACE), 32);
    EXPECT_EQ(code(SDLK_PAGEUP), 33);
    EXPECT_EQ(code(SDLK_PAGEDOWN), 34);
    EXPECT_EQ(code(SDLK_END, SDL_SCANCODE_END), 35);
    EXPECT_EQ(code(SDLK_HOME), 36);
    EXPECT_EQ(code(SDLK_LEFT), 37);
    EXPECT_EQ(code(SDLK_UP), 38);
    EXPECT_EQ(code(SDLK_RIGHT), 39);
    EXPECT_EQ(code(SDLK_DOWN), 40);
    EXPECT_EQ(code(SDLK_DELETE), 46);
    EXPECT_EQ(code(SDLK_F10), -1);
    EXPECT_EQ(code(SDLK_CAPSLOCK), -1);
}
