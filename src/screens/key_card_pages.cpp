// The key card's words: each screen's keys, one table per page.
#include "screens/key_card.h"

#include "model/pictures.h"

#include <iterator>

namespace {

constexpr KeyCardLine kRegister[] = {
    {"ENTER", "answer the car waiting at the speaker", Picture::AlertOn},
    {"SHIFT", "put that car on hold: it costs an award", Picture::AlertHold},
    {"LETTERS", "ring up an item below (grey: not yet)"},
    {"END", "close the order: its time runs from here"},
    {"BACKSPACE", "take back the receipt's last line"},
    {"DELETE", "throw away the receipt; its bag is freed"},
    {"LEFT RIGHT", "to the window / to the kitchen"},
};
constexpr KeyCardLine kKitchen[] = {
    {"1 2 3", "choose a bag (the keypad's too)"},
    {"SPACE", "pack the first finished item in the bag"},
    {"ENTER", "carry the chosen bag to the window once"},
    {"", "it shows Ready!"},
    {"LEFT RIGHT", "to the register / to the window"},
    {"", ""},
    {nullptr, "Items cook one at a time, the front of the strip"},
    {nullptr, "first. Choose the bag that holds the order's receipt"},
    {nullptr, "and pack each item as it comes to the front: one the"},
    {nullptr, "receipt does not hold is wasted. A bag with all of"},
    {nullptr, "its receipt's items in it shows Ready!."},
};
constexpr KeyCardLine kWindow[] = {
    {"ENTER", "hand the bag to the car at the window"},
    {"", "in turn: a bag for another car costs 5"},
    {"", "Cust.Sat. and goes back to the kitchen"},
    {"ENTER", "wave on a car that no receipt is for, or"},
    {"", "throw away a bag for a car already served"},
    {"LEFT RIGHT", "to the kitchen / to the register"},
    {"", ""},
    {nullptr, "Cust.Sat., above, is how happy the customers are."},
    {nullptr, "Slow or wrong orders and cars left waiting at the"},
    {nullptr, "speaker lower it; a good day raises it at night."},
};
constexpr KeyCardLine kDayOver[] = {
    {"ENTER", "see the day's report"},
};
constexpr KeyCardLine kReport[] = {
    {"UP DOWN", "move the cursor (held: keeps moving)"},
    {"PGUP PGDN", "move the cursor a page"},
    {"HOME END", "to the top / to the bottom"},
    {"SPACE", "open or close the line under the cursor"},
    {"ENTER", "take the awards and go to the shop"},
};
constexpr KeyCardLine kShop[] = {
    {"1 - 6", "choose a slot (arrow keys too)"},
    {"ENTER", "buy it; a new battery fills the headset"},
    {"S", "on Save/Exit: save the game"},
    {"X", "on Save/Exit: go on to the next day"},
};
constexpr KeyCardLine kSaving[] = {
    {"ENTER", "back to the shop"},
};
constexpr KeyCardLine kBulletin[] = {
    {"ENTER", "start the next day"},
};
constexpr KeyCardLine kTitle[] = {
    {"N", "new game"},
    {"L", "load the saved game"},
    {"O", "options"},
    {"C", "credits"},
    {"Q", "quit"},
    {"SPACE", "(held) hurry the opening along"},
};
constexpr KeyCardLine kOptions[] = {
    {"A B C D", "switch an option"},
    {"BACKSPACE", "back to the title menu"},
};
constexpr KeyCardLine kCredits[] = {
    {"L", "pure light mode on or off"},
    {"BACKSPACE", "back to the title menu"},
};
constexpr KeyCardLine kObjective[] = {
    {"ENTER", "start the first day"},
};

template <std::size_t N>
constexpr KeyCardPageText page(const char* title, const KeyCardLine (&lines)[N], bool day = false)
{
    return {title, lines, static_cast<int>(N), day};
}

// In KeyCardPage order.
constexpr KeyCardPageText kPages[] = {
    page("THE TITLE MENU", kTitle),
    page("OPTIONS", kOptions),
    page("CREDITS", kCredits),
    page("THE OBJECTIVE", kObjective),
    page("THE REGISTER", kRegister, true),
    page("THE KITCHEN", kKitchen, true),
    page("THE WINDOW", kWindow, true),
    page("DAY OVER", kDayOver),
    page("THE DAY'S REPORT", kReport),
    page("THE SHOP", kShop),
    page("SAVING", kSaving),
    page("THE DISTRICT MANAGER", kBulletin),
};
static_assert(std::size(kPages) == static_cast<std::size_t>(KeyCardPage::Bulletin) + 1);

}  // namespace

const KeyCardPageText& KeyCardPageTextOf(KeyCardPage page)
{
    return kPages[static_cast<int>(page)];
}
