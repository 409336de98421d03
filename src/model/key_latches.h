// The held-key latches shared by every screen: a key acts when it is down and
// its bit is clear; acting sets the bit; a frame on which the key is up clears it.
#pragma once
#include <cstdint>

extern uint64_t keyLatches;  // program lifetime

// Bits of keyLatches. Options and credits use the values their screens are
// known by; a bit is shared only where screens share the key on purpose.
namespace Latch {
constexpr uint64_t OptionA = 1ull << 0;
constexpr uint64_t OptionB = 1ull << 1;
constexpr uint64_t OptionC = 1ull << 2;
constexpr uint64_t OptionD = 1ull << 3;
constexpr uint64_t Enter = 1ull << 4;  // register, kitchen, window and between-days stages
constexpr uint64_t Left = 1ull << 5;   // view switching and the shop
constexpr uint64_t Right = 1ull << 6;  // view switching and the shop
constexpr uint64_t RegisterShift = 1ull << 7;
constexpr uint64_t RegisterEnd = 1ull << 8;
constexpr uint64_t RegisterDelete = 1ull << 9;
constexpr uint64_t RegisterBackspace = 1ull << 10;
constexpr uint64_t CreditsL = 1ull << 11;  // value 2048
constexpr uint64_t FirstItemKey = 1ull << 12;  // 15 bits, one per menu item, in item-number order
constexpr uint64_t FirstBagKey = 1ull << 27;   // 6 bits: 1, keypad 1, 2, keypad 2, 3, keypad 3
constexpr uint64_t KitchenSpace = 1ull << 33;
constexpr uint64_t Up = 1ull << 34;    // report and shop
constexpr uint64_t Down = 1ull << 35;  // report and shop
constexpr uint64_t PageUp = 1ull << 36;
constexpr uint64_t PageDown = 1ull << 37;
constexpr uint64_t Home = 1ull << 38;
constexpr uint64_t ReportEnd = 1ull << 39;
constexpr uint64_t ReportSpace = 1ull << 40;
constexpr uint64_t ShopS = 1ull << 41;
constexpr uint64_t ShopX = 1ull << 42;
constexpr uint64_t FirstShopDigit = 1ull << 43;  // 6 bits: digits 1 to 6
constexpr uint64_t KeyCard = 1ull << 49;  // F1, on every screen
// Bits 50 to 63 are free.
}  // namespace Latch

// True once per press: when the key is down and the bit clear (the bit is then
// set). A key seen up clears its bit.
bool KeyPressedOnce(const bool* keys, int code, uint64_t bit);
