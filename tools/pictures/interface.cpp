// The pictures around the play: the objective scroll, bag and receipts, the on-hold
// rail, view arrows, battery bar, speaker alerts and the six upgrade cards.
//
// The game adds these onto black and prints text over several of them, so wherever
// text lands the picture stays dark; the positions below come from where each
// screen draws the picture and its text.
#include "pictures.h"
#include "typefaces.h"

#include <cmath>

namespace {

// The objective screen stretches the scroll far beyond the window's sides; only its
// middle 0.11 to 0.90 is seen, so it hangs with its rolls at top and bottom.
void drawScroll(Canvas& c)
{
    const Shape paper = Box(160, 70, 1090, 630, 6);
    c.Fill(paper, [](float x, float y) {
        const float n = Noise(x, y, 90, 30) * 0.6f + Noise(x, y, 23, 31) * 0.4f;
        return Mix(Hex(0x2A1C0E), Hex(0x47301A), n);
    });
    // Darker, burnt edges.
    for (int i = 0; i < 5; ++i)
        c.Fill(Outline(paper, 12 + 14 * static_cast<float>(i)), Hex(0x120A04), 0.22f, 10);
    c.Fill(Outline(Box(176, 86, 1074, 614, 4), 3), Hex(0x8A6A3E), 0.6f);
    for (float y : {40.0f, 660.0f}) {
        c.Fill(Box(152, y - 34, 1098, y + 34, 34), Vertical(y - 34, Hex(0xC9A46A), y + 34, Hex(0x5A3C1C)));
        c.Fill(Box(170, y - 24, 1080, y - 14, 5), Hex(0xFFF0C8), 0.35f);
        for (float x : {140.0f, 1110.0f}) {
            c.Fill(Box(x - 22, y - 18, x + 22, y + 18, 8), Vertical(y - 18, Hex(0x7A4A22), y + 18, Hex(0x3A200C)));
            c.Fill(Circle(x + (x < 600 ? -22.0f : 22.0f), y, 26), Radial({x - 8, y - 8}, 32, Hex(0xF2D27A), Hex(0x8E6218)));
        }
    }
}

// A kraft paper bag. The bag numbers print over a dark round sticker low on its
// front; the receipt covers its middle.
void drawBag(Canvas& c)
{
    const Shape front = Polygon({{70, 150}, {530, 150}, {548, 985}, {52, 985}});
    c.Fill(front, [](float x, float y) {
        const Rgb base = Mix(Hex(0xD29A5C), Hex(0x9A6434), y / 1000.0f);
        return base * (0.92f + 0.08f * Noise(x, y, 20, 40));
    });
    for (float x : {70.0f, 470.0f})  // the folded sides
        c.Fill(Intersect(front, Box(x - 30, 150, x + 60, 990)), Hex(0x6E4420), 0.35f);
    std::vector<Point> edge;  // the cut top edge
    for (int i = 0; i <= 23; ++i)
        edge.push_back({70 + 20 * static_cast<float>(i), i % 2 == 0 ? 120.0f : 150.0f});
    edge.push_back({530, 190});
    edge.push_back({70, 190});
    c.Fill(Polygon(edge), Vertical(120, Hex(0xE6B57A), 190, Hex(0xB27A44)));
    c.Fill(Box(60, 180, 540, 196, 6), Hex(0x6E4420), 0.6f);
    c.Fill(Box(90, 215, 510, 300, 14), Hex(0xC42A1F));
    DrawTextFit(c, {Face::SerifBold, 66, 1.0f, 4}, "QUORVEL", 300, 281, 390, Solid(Hex(0xFFF4DC)));
    c.Fill(Box(170, 568, 358, 794, 26), Hex(0xF4E3C4));
    DrawText(c, {Face::SansBold, 30, 1.0f, 6}, "BAG", 264, 602, Solid(Hex(0x7A4A22)), Align::Centre);
    c.Fill(Box(186, 614, 342, 780, 18), Hex(0x121212));
    c.Fill(Box(52, 960, 548, 990, 8), Hex(0x5A3418), 0.7f);
}

// The paper receipt that rides on a bag and waits on the rail.
void drawSmallReceipt(Canvas& c)
{
    std::vector<Point> paper;
    for (int i = 0; i <= 12; ++i)
        paper.push_back({60 + 48.33f * static_cast<float>(i), i % 2 == 0 ? 40.0f : 64.0f});
    for (int i = 12; i >= 0; --i)
        paper.push_back({60 + 48.33f * static_cast<float>(i), i % 2 == 0 ? 985.0f : 960.0f});
    c.Fill(Polygon(paper), Vertical(40, Hex(0xFFFFFF), 985, Hex(0xD8D4CA)));
    c.Fill(Box(150, 110, 550, 160, 10), Hex(0x3A3A3A));
    for (int i = 0; i < 9; ++i) {
        const float y = 220 + 62 * static_cast<float>(i);
        c.Fill(Box(110, y, 110 + 250 * (0.55f + 0.45f * Hash(i, 1, 50)), y + 24, 6), Hex(0x7A7A7A));
        c.Fill(Box(490, y, 590, y + 24, 6), Hex(0x7A7A7A));
    }
    c.Fill(Box(110, 800, 590, 806), Hex(0x7A7A7A));
    c.Fill(Box(110, 830, 330, 870, 8), Hex(0x3A3A3A));
    c.Fill(Box(440, 830, 590, 870, 8), Hex(0x3A3A3A));
}

// The big receipt of the kitchen view; the game prints the order's lines on it in
// white (and the packed ones in a dim grey), so the paper is nearly black.
void drawLargeReceipt(Canvas& c)
{
    std::vector<Point> paper;
    for (int i = 0; i <= 20; ++i)
        paper.push_back({222 + 24.9f * static_cast<float>(i), i % 2 == 0 ? 112.0f : 128.0f});
    for (int i = 20; i >= 0; --i)
        paper.push_back({222 + 24.9f * static_cast<float>(i), i % 2 == 0 ? 892.0f : 876.0f});
    const Shape sheet = Polygon(paper);
    c.Fill(sheet, Vertical(112, Hex(0x141821), 892, Hex(0x0B0D12)));
    c.Fill(Outline(sheet, 5), Hex(0x8C96A8));
    const Paint label = Solid(Hex(0x5D6B82));
    const TextStyle small{Face::SansBold, 24, 0.95f, 2};
    DrawText(c, {Face::SerifBold, 34, 1.0f, 6}, "QUORVEL", 470, 168, Solid(Hex(0x6E7C94)), Align::Centre);
    DrawText(c, small, "No.", 340, 220, label, Align::Right);
    DrawText(c, small, "TIME", 340, 278, label, Align::Right);
    for (float x = 250; x < 690; x += 22)
        c.Fill(Box(x, 286, x + 11, 289), label);
    for (float x = 250; x < 690; x += 22)
        c.Fill(Box(x, 688, x + 11, 691), label);
    DrawText(c, small, "TOTAL", 250, 731, label);
    DrawText(c, small, "ITEMS", 250, 759, label);
    DrawText(c, {Face::SansBold, 26, 1.0f, 3}, "THANK YOU!", 470, 812, label, Align::Centre);
    for (int i = 0; i < 40; ++i) {  // a bar code
        const float x = 330 + 7 * static_cast<float>(i);
        if (Hash(i, 1, 51) < 0.6f)
            c.Fill(Box(x, 830, x + (Hash(i, 2, 51) < 0.5f ? 3.0f : 5.0f), 860), label);
    }
}

// The rail where receipts wait for a free bag: two clips over the places the kitchen
// view hangs them, and a sign under them.
void drawOnHoldRail(Canvas& c)
{
    c.Fill(Box(240, 330, 740, 356, 13), Vertical(330, Hex(0xE8ECF2), 356, Hex(0x6E7682)));
    for (float x : {240.0f, 740.0f})
        c.Fill(Circle(x, 343, 20), Radial({x - 6, 337}, 24, Hex(0xFFFFFF), Hex(0x5A616C)));
    for (float x : {381.0f, 593.0f}) {
        c.Fill(Box(x - 34, 340, x + 34, 392, 8), Vertical(340, Hex(0x4A505C), 392, Hex(0x22262E)));
        c.Fill(Circle(x, 360, 10), Hex(0xC9CED6));
    }
    c.Fill(Box(340, 560, 640, 630, 14), Hex(0x2A1E08));
    c.Fill(Outline(Box(340, 560, 640, 630, 14), 5), Hex(0xF2A51C));
    DrawText(c, {Face::SansBold, 44, 1.0f, 5}, "ON HOLD", 490, 612, Solid(Hex(0xFFC845)), Align::Centre);
}

// A chunky arrow; the game tints it yellow or red.
void drawArrow(Canvas& c, bool pointsRight)
{
    std::vector<Point> arrow = {{40, 90}, {220, 90}, {220, 30}, {370, 125}, {220, 220}, {220, 160}, {40, 160}};
    if (!pointsRight)
        for (Point& p : arrow)
            p.x = 400 - p.x;
    const Shape shape = Polygon(arrow);
    c.Fill(shape, Vertical(30, Hex(0xFFFFFF), 220, Hex(0x8C8C8C)), 1.0f, 3);
    c.Fill(Intersect(shape, Box(0, 30, 400, 112)), Hex(0xFFFFFF), 0.5f);
}

// The battery and satisfaction bars. The game shortens it by its level and prints
// the percentage over its middle in the same colour, so its inside stays dim.
void drawPowerBar(Canvas& c)
{
    const Shape body = Box(6, 14, 594, 96, 30);
    c.Fill(body, Vertical(14, Hex(0x6A6A6A), 96, Hex(0x3A3A3A)));
    for (int i = 0; i < 12; ++i) {
        const float x = 24 + 47.5f * static_cast<float>(i);
        c.Fill(Intersect(body, Box(x, 24, x + 40, 86, 6)), Vertical(24, Hex(0x5E5E5E), 86, Hex(0x454545)));
    }
    c.Fill(Outline(body, 8), Hex(0xE6E6E6));
    c.Fill(Box(36, 22, 564, 28, 3), Hex(0xFFFFFF), 0.45f);
}

enum class Alert { On, Off, Hold };

// The speaker icon of the status bar: bright with sound when a car waits, dim when
// nobody is there, amber with a pause sign while a car is on hold.
void drawAlert(Canvas& c, Alert alert)
{
    const Rgb ring = alert == Alert::On ? Hex(0x3CF07A) : alert == Alert::Hold ? Hex(0xFFA726) : Hex(0x4A4F58);
    if (alert == Alert::On)
        c.Glow({300, 300}, 300, ring, 0.55f);
    c.Fill(Circle(300, 300, 250), Radial({300, 300}, 250, ring * 0.28f, ring * 0.08f));
    c.Fill(Outline(Circle(300, 300, 250), 30), ring);
    switch (alert) {
    case Alert::On:
        DrawEmoji(c, U"\U0001F50A", 300, 300, 330);
        break;
    case Alert::Off:
        DrawEmoji(c, U"\U0001F508", 300, 300, 300, 0.45f);
        break;
    case Alert::Hold:
        DrawEmoji(c, U"\U0001F508", 270, 250, 230, 0.8f);
        for (float x : {250.0f, 350.0f})
            c.Fill(Box(x - 28, 330, x + 28, 470, 12), Hex(0xFFB74D));
        break;
    }
}

struct Upgrade {
    const char* title[2];
    Rgb colour;
    std::u32string main, badge;
};

// An upgrade card. The shop draws the highlighted one a second time over itself,
// so the card is kept a little dim.
void drawUpgrade(Canvas& c, const Upgrade& u)
{
    const Shape card = Box(40, 40, 960, 960, 70);
    c.Fill(card, Vertical(40, u.colour * 0.35f, 960, u.colour * 0.08f));
    c.Fill(Outline(card, 22), u.colour);
    c.Glow({500, 560}, 360, u.colour, 0.35f);
    DrawEmoji(c, u.main, 500, 560, 430);
    if (!u.badge.empty())
        DrawEmoji(c, u.badge, 770, 760, 230);
    DrawTextFit(c, {Face::SansBold, 96, 0.9f, 4}, u.title[0], 500, 190, 820, Solid(Hex(0xFFFFFF)));
    if (u.title[1] != nullptr)
        DrawTextFit(c, {Face::SansBold, 80, 0.9f, 4}, u.title[1], 500, 290, 820, Solid(u.colour * 0.5f + Rgb{0.5f, 0.5f, 0.5f}));
    c.Dim(0.8f);
}

}  // namespace

std::vector<PictureJob> InterfacePictures()
{
    std::vector<PictureJob> jobs;
    jobs.push_back(DrawnPicture(Picture::Scroll, drawScroll));
    jobs.push_back(DrawnPicture(Picture::Bag, drawBag));
    jobs.push_back(DrawnPicture(Picture::ReceiptOnBag, drawSmallReceipt));
    jobs.push_back(DrawnPicture(Picture::ReceiptOnView, drawLargeReceipt));
    jobs.push_back(DrawnPicture(Picture::WaitingSpike, drawOnHoldRail));
    jobs.push_back(DrawnPicture(Picture::NextView, [](Canvas& c) { drawArrow(c, true); }));
    jobs.push_back(DrawnPicture(Picture::PrevView, [](Canvas& c) { drawArrow(c, false); }));
    jobs.push_back(DrawnPicture(Picture::BatteryPower, drawPowerBar));
    jobs.push_back(DrawnPicture(Picture::AlertOn, [](Canvas& c) { drawAlert(c, Alert::On); }));
    jobs.push_back(DrawnPicture(Picture::AlertOff, [](Canvas& c) { drawAlert(c, Alert::Off); }));
    jobs.push_back(DrawnPicture(Picture::AlertHold, [](Canvas& c) { drawAlert(c, Alert::Hold); }));
    // The shop's six slots, in order.
    const Upgrade upgrades[] = {
        {{"FASTER", "DRINKS"}, Hex(0x3D8BFF), U"\U0001F964", U"\u26A1"},
        {{"FASTER", "BURGERS"}, Hex(0xFF5A3C), U"\U0001F354", U"\u26A1"},
        {{"FASTER", "SIDES"}, Hex(0x3CC85A), U"\U0001F35F", U"\u26A1"},
        {{"NEW", "BATTERY"}, Hex(0xF2C01E), U"\U0001F50B", U"\U0001F3A7"},
        {{"ADVERTISE", nullptr}, Hex(0xD94FD9), U"\U0001F4E3", U"\U0001F4B0"},
        {{"SAVE / EXIT", nullptr}, Hex(0x8A9BB5), U"\U0001F4BE", U"\U0001F6AA"},
    };
    int picture = Picture::UpgradeDrinks;
    for (const Upgrade& u : upgrades)
        jobs.push_back(DrawnPicture(picture++, [u](Canvas& c) { drawUpgrade(c, u); }));
    return jobs;
}
