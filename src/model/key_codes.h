// Key codes of the keys array: Windows virtual-key codes, the one list every screen uses.
#pragma once

// Letters are their upper-case character ('A'), main-row digits their character ('1').
namespace Key {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int Keypad0 = 96;  // keypad digits are Keypad0 + digit
constexpr int F1 = 112;      // the key card; the other function keys never reach the game
constexpr int Count = 256;
}  // namespace Key
