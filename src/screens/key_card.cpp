// The key card's drawing: the panel, the page's keys, and on a day's pages the
// menu's letters, the strip's colours, the battery and the keys of every screen.
#include "screens/key_card.h"

#include "model/catalogue.h"
#include "model/pictures.h"
#include "render/toolkit.h"
#include "screens/in_game_views.h"

#include <string>

namespace {

// Text space: the panel spans x 25-615 and y 93-443, between the status bar and the strip.
constexpr int kLeft = 40;
constexpr int kDoesX = 150;
constexpr int kTop = 398;
constexpr int kPitch = 14;
constexpr int kLegendTop = 202;
constexpr int kCommonTop = 112;  // on a day's pages; the others end below their keys

// A picture about one line high, centred at (px, py).
void drawIcon(int picture, int px, int py)
{
    const float height = pictureTable[static_cast<std::size_t>(picture)].sceneHeight;
    DrawSpriteAtPixel("White", picture, px, py, 0.13f / height);
}

// Flat squares side by side from x 25 to 615, from the status bar down to bottom.
void drawPanel(int bottom)
{
    constexpr int kPanelTop = 443, kPanelLeft = 25, kPanelRight = 615;
    const int middle = (kPanelTop + bottom) / 2;
    const float side = static_cast<float>(kPanelTop - bottom) * (PixelToSceneY(1) - PixelToSceneY(0));
    const int width = static_cast<int>(side / (PixelToSceneX(1) - PixelToSceneX(0)));
    SetBlending(false);
    for (int left = kPanelLeft;; left += width) {
        const int x = left + width < kPanelRight ? left + width / 2 : kPanelRight - width / 2;
        DrawSpriteAtPixel("Gray12", Picture::LargeSquare, x, middle, side);
        if (left + width >= kPanelRight)
            break;
    }
    for (int y : {bottom, kPanelTop})
        DrawSpriteAtPixel("Yellow", Picture::HorizontalRuleThin, 320, y, 8.24f);
    for (int x : {kPanelLeft, kPanelRight})
        DrawSpriteAtPixel("Yellow", Picture::VerticalRuleThin, x, middle, side / 0.5f);
}

void drawKey(int x, int y, const char* key, const char* does, int doesX)
{
    PrintText(x, y, "Cyan", 0, key);
    PrintText(doesX, y, "White", 0, does);
}

// The items in three columns by kind; those not yet on sale in grey.
void drawMenuLetters(int dayNumber, int top)
{
    constexpr int kColumnX[] = {kLeft, 245, 445};
    int rows[3] = {};
    for (const MenuItemSpec& item : kMenu) {
        const int column = static_cast<int>(item.category);
        const int y = top - kPitch * rows[column]++;
        const bool onSale = dayNumber >= item.firstDay;
        const char letter[2] = {static_cast<char>(item.registerKey), '\0'};
        PrintText(kColumnX[column], y, onSale ? "Cyan" : "Gray40", 0, letter);
        PrintText(kColumnX[column] + 20, y, onSale ? "White" : "Gray40", 0, item.name);
    }
}

// A small box of the strip's shape in a colour, centred on the text line at y.
void drawSwatch(int column, int y, float red, float green, float blue)
{
    SetColour(red, green, blue);
    DrawSpriteAtPixel("", Picture::Box, kLeft + 10 + 22 * column, y + 5, 0.15f);
}

void drawStripLegend(bool reducedFlashing)
{
    constexpr int x = kLeft + 72;
    PrintText(kLeft, kLegendTop, "Yellow", 0, "THE STRIP, BELOW");
    int y = kLegendTop - kPitch;
    // Half-cooked: white on the way to the kind's colour, as the strip tints it.
    drawSwatch(0, y, 1.0f, 0.5f, 0.5f);
    drawSwatch(1, y, 0.5f, 1.0f, 0.5f);
    drawSwatch(2, y, 0.5f, 0.5f, 1.0f);
    PrintText(x, y, "White", 0, "cooking: white turns to");
    y -= kPitch;
    PrintText(x, y, "White", 0, "red, green or blue");
    y -= kPitch;
    if (reducedFlashing) {
        drawSwatch(0, y, kSteadyDoneRed, kSteadyDoneGreen, kSteadyDoneBlue);
    } else {  // a new colour every few frames
        drawSwatch(0, y, 0.9f, 0.3f, 0.9f);
        drawSwatch(1, y, 0.3f, 0.9f, 0.9f);
        drawSwatch(2, y, 0.9f, 0.9f, 0.3f);
    }
    PrintText(x, y, "White", 0, "done: SPACE packs it");
    y -= kPitch;
    drawSwatch(0, y, 1.0f, 0.0f, 0.0f);
    PrintText(x, y, "White", 0, "SPACE came too soon");
    y -= kPitch;
    drawSwatch(0, y, 0.6f, 0.6f, 0.6f);
    PrintText(x, y, "White", 0, "empty");
}

void drawBatteryLegend()
{
    constexpr int x = 390;
    PrintText(x, kLegendTop, "Yellow", 0, "THE BATTERY, ABOVE");
    constexpr const char* kLines[] = {"It runs down all day;", "under 83% the orders",
                                      "lose words. Buy a new", "one in the shop."};
    int y = kLegendTop - kPitch;
    for (const char* line : kLines) {
        PrintText(x, y, "White", 0, line);
        y -= kPitch;
    }
    // The bar as the status bar draws it: white, yellow at 50% and under, red at 25%.
    const struct { const char* colour; float level; const char* label; } kBars[] = {
        {"White", 0.6f, ""}, {"Yellow", 0.45f, "50%"}, {"Red", 0.25f, "25%"}};
    int left = x;
    for (const auto& bar : kBars) {
        const int length = static_cast<int>(86.0f * bar.level);
        DrawSpriteAtPixel(bar.colour, Picture::BatteryPower, left + length / 2, y - 1, bar.level);
        PrintText(left + length + 4, y - 4, bar.colour, 0, bar.label);
        left += length + (bar.label[0] == '\0' ? 10 : 44);
    }
}

// The keys the shell adds on every screen; the pause is only for a game in progress.
void drawCommonKeys(int y, bool pauseKey)
{
    if (pauseKey)
        drawKey(kLeft, y, "TAB", "pause", 80);
    drawKey(200, y, "ESC", "leave the game", 245);
    drawKey(420, y, "F1", "close this card", 450);
    y -= kPitch;
    drawKey(kLeft, y, "F2", "sound on/off", 70);
    drawKey(200, y, "F3 F4", "volume down/up", 260);
    drawKey(420, y, "F11", "full screen", 460);
}

}  // namespace

void DrawKeyCard(const KeyCardFrame& card, bool reducedFlashing)
{
    const KeyCardPageText& page = KeyCardPageTextOf(card.page);
    const int commonTop = page.day ? kCommonTop : kTop - kPitch * page.lineCount - 10;
    // Whatever the screen under it left switched on, the card is drawn flat.
    const bool lit = renderState.lighting;
    SetLighting(false);
    drawPanel(commonTop - kPitch - 5);
    SetBlending(true);  // the letters' black cells add nothing to the panel
    PrintText(kLeft, 422, "Yellow", 4, (std::string("KEYS: ") + page.title).c_str());
    int y = kTop;
    for (int i = 0; i < page.lineCount; ++i, y -= kPitch) {
        const KeyCardLine& line = page.lines[i];
        if (line.key == nullptr)
            PrintText(kLeft, y, "Gray75", 0, line.does);
        else
            drawKey(kLeft, y, line.key, line.does, kDoesX);
        if (line.picture != 0)
            drawIcon(line.picture, 590, y + 5);
    }
    if (card.page == KeyCardPage::Register)
        drawMenuLetters(card.dayNumber, y - 6);
    if (page.day) {
        drawStripLegend(reducedFlashing);
        drawBatteryLegend();
    }
    drawCommonKeys(commonTop, card.page >= KeyCardPage::Register);
    SetBlending(false);
    SetLighting(lit);
}
