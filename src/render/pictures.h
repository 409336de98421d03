// The picture numbers: texture indices 0-65 (one file each) and the plain shapes 66-78.
#pragma once

namespace Picture {
enum : int {
    Tray = 0,
    Megaburger = 1,  // item pictures 1-15 are the item numbers
    Coke = 10,
    GrapeSoda = 11,
    OrangeSoda = 12,
    Pepsi = 13,
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
