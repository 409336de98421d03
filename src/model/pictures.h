// The game's pictures: their numbers, and the one table of what the game and the picture generator know of each.
#pragma once
#include <array>
#include <cstdint>

namespace Picture {
enum : int {
    Tray = 0,
    Megaburger = 1,  // item pictures 1-15 are the item numbers
    Cheeseburger = 2,
    Hamburger = 3,
    FishSandwich = 4,
    ChickenSandwich = 5,
    Fries = 6,
    CheeseSticks = 7,
    TatorTots = 8,
    OnionRings = 9,
    Coke = 10,
    GrapeSoda = 11,
    OrangeSoda = 12,
    Pepsi = 13,
    RootBeer = 14,
    Lemonade = 15,
    Tibor = 16,
    Ansel = 17,
    CashRegister = 18,  // idle and in-use pairs, days 1-2 first, day 8 on last (18-31)
    WindowDoorClosed = 32,
    WindowNoOne = 33,   // customer picture p (1-13) is WindowNoOne + p
    Font = 47,
    Star = 48,
    Scroll = 49,
    Bag = 50,
    ReceiptOnBag = 51,
    ReceiptOnView = 52,
    WaitingSpike = 53,
    NextView = 54,
    PrevView = 55,
    BatteryPower = 56,
    AlertOn = 57,
    AlertOff = 58,
    AlertHold = 59,
    UpgradeDrinks = 60,  // the six shop slots, 60-65
    Box = 66,  // plain shapes from here on
    SmallSquare = 67,
    LargeBox = 68,
    LargeSquare = 69,
    HorizontalRule = 70,
    HorizontalRuleThick = 71,
    HorizontalRuleThin = 72,
    VerticalRule = 73,
    VerticalRuleThick = 74,
    VerticalRuleThin = 75,
    ReportFrameBar = 76,
    CursorBar = 77,
    Memo = 78,
};
}  // namespace Picture

enum class PictureUse : uint8_t {
    Sprite,   // a quad of the row's size times the sprite's scale
    FillBar,  // a sprite whose scale, its fill level, stretches its width alone
    Texture,  // no sprite: the toolkit's own quads read it (the glyph sheet, the star particle)
};

struct PictureInfo {
    int number;
    const char* file;             // in Images/; nullptr for a plain shape, drawn untextured
    int pixelWidth, pixelHeight;  // of the file
    // On screen at scale 1, in scene units. The generator draws the picture in these
    // proportions, so nothing looks squashed once it is stretched over its quad.
    float sceneWidth, sceneHeight;
    PictureUse use = PictureUse::Sprite;
};

// One row per picture number, in order. Rows that share a file show the same picture.
inline constexpr std::array<PictureInfo, 79> pictureTable = {{
    {Picture::Tray, "Tray.bmp", 256, 128, 0.99f, 0.45f},
    {Picture::Megaburger, "Megaburger.bmp", 128, 128, 0.4f, 0.42f},
    {Picture::Cheeseburger, "Cheeseburger.bmp", 128, 128, 0.4f, 0.3f},
    {Picture::Hamburger, "Hamburger.bmp", 128, 64, 0.4f, 0.25f},
    {Picture::FishSandwich, "Hamburger.bmp", 128, 64, 0.4f, 0.25f},
    {Picture::ChickenSandwich, "Hamburger.bmp", 128, 64, 0.4f, 0.25f},
    {Picture::Fries, "Fries.bmp", 128, 128, 0.38f, 0.47f},
    {Picture::CheeseSticks, "CheeseSticks.bmp", 128, 128, 0.38f, 0.46f},
    {Picture::TatorTots, "CheeseSticks.bmp", 128, 128, 0.38f, 0.46f},
    {Picture::OnionRings, "CheeseSticks.bmp", 128, 128, 0.38f, 0.46f},
    {Picture::Coke, "CocaCola.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::GrapeSoda, "GrapeSoda.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::OrangeSoda, "OrangeSoda.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::Pepsi, "PepsiCola.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::RootBeer, "RootBeer.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::Lemonade, "Lemonade.bmp", 64, 128, 0.27f, 0.67f},
    {Picture::Tibor, "Tibor.bmp", 256, 512, 1.1f, 2.0f},
    {Picture::Ansel, "Ansel.bmp", 512, 512, 1.7f, 2.0f},
    {Picture::CashRegister, "CashRegister day1,2.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 1, "CashRegister (inuse) day1,2.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 2, "CashRegister day3.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 3, "CashRegister (inuse) day3.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 4, "CashRegister day4.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 5, "CashRegister (inuse) day4.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 6, "CashRegister day5.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 7, "CashRegister (inuse) day5.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 8, "CashRegister day6.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 9, "CashRegister (inuse) day6.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 10, "CashRegister day7.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 11, "CashRegister (inuse) day7.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 12, "CashRegister day8.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::CashRegister + 13, "CashRegister (inuse) day8.bmp", 512, 512, 1.06f, 1.06f},
    {Picture::WindowDoorClosed, "Window View - No one - door closed.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne, "Window View - No one.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 1, "Window View 1.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 2, "Window View 2.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 3, "Window View 3.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 4, "Window View 4.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 5, "Window View 5.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 6, "Window View 6.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 7, "Window View 7.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 8, "Window View 8.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 9, "Window View 9.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 10, "Window View 10.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 11, "Window View 11.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 12, "Window View 12.bmp", 512, 512, 1.2f, 0.94f},
    {Picture::WindowNoOne + 13, "Window View 13.bmp", 512, 512, 1.2f, 0.94f},
    // Both are drawn on square quads of their own: the glyph cells, the star particles.
    {Picture::Font, "Font.bmp", 512, 512, 1.0f, 1.0f, PictureUse::Texture},
    {Picture::Star, "Star.bmp", 128, 128, 1.0f, 1.0f, PictureUse::Texture},
    {Picture::Scroll, "Scroll.bmp", 512, 512, 1.25f, 0.7f},
    {Picture::Bag, "Bag3.bmp", 128, 256, 0.6f, 1.0f},
    {Picture::ReceiptOnBag, "Receipt - on bag.bmp", 128, 128, 0.7f, 1.02f},
    {Picture::ReceiptOnView, "Receipt - on view.bmp", 512, 512, 0.92f, 0.96f},
    {Picture::WaitingSpike, "Onhold Receipts2.bmp", 512, 256, 1.0f, 0.75f},
    {Picture::NextView, "NextView.bmp", 64, 32, 0.4f, 0.25f},
    {Picture::PrevView, "PrevView.bmp", 64, 32, 0.4f, 0.25f},
    {Picture::BatteryPower, "BatteryPower.bmp", 128, 32, 0.6f, 0.11f, PictureUse::FillBar},
    {Picture::AlertOn, "CustomerAlerton.bmp", 128, 128, 0.6f, 0.6f},
    {Picture::AlertOff, "CustomerAlertoff.bmp", 128, 128, 0.6f, 0.6f},
    {Picture::AlertHold, "CustomerAlerthold.bmp", 128, 128, 0.6f, 0.6f},
    {Picture::UpgradeDrinks, "Upgrade - drinks.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::UpgradeDrinks + 1, "Upgrade - burgers.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::UpgradeDrinks + 2, "Upgrade - sides.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::UpgradeDrinks + 3, "Upgrade - new battery.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::UpgradeDrinks + 4, "Upgrade - advertisement.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::UpgradeDrinks + 5, "Upgrade - save-exit.bmp", 256, 256, 1.0f, 1.0f},
    {Picture::Box, nullptr, 0, 0, 0.75f, 0.5f},
    {Picture::SmallSquare, nullptr, 0, 0, 0.5f, 0.5f},
    {Picture::LargeBox, nullptr, 0, 0, 0.75f, 0.75f},
    {Picture::LargeSquare, nullptr, 0, 0, 1.0f, 1.0f},
    {Picture::HorizontalRule, nullptr, 0, 0, 0.5f, 0.005f},
    {Picture::HorizontalRuleThick, nullptr, 0, 0, 0.5f, 0.01f},
    {Picture::HorizontalRuleThin, nullptr, 0, 0, 0.5f, 0.002f},
    {Picture::VerticalRule, nullptr, 0, 0, 0.005f, 0.5f},
    {Picture::VerticalRuleThick, nullptr, 0, 0, 0.01f, 0.5f},
    {Picture::VerticalRuleThin, nullptr, 0, 0, 0.002f, 0.5f},
    {Picture::ReportFrameBar, nullptr, 0, 0, 3.82f, 0.3f},
    {Picture::CursorBar, nullptr, 0, 0, 0.5f, 0.015f},
    {Picture::Memo, nullptr, 0, 0, 0.795f, 1.0f},
}};
