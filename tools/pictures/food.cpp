// The menu items (three burgers, fries, cheese sticks, six drinks) and the tray.
#include "pictures.h"
#include "typefaces.h"

#include <cmath>

namespace {

// Each burger is a stack of layers drawn bottom up, centred on x = 200 of a
// 400-unit-wide picture.
constexpr float kMid = 200.0f;

void bottomBun(Canvas& c, float top, float bottom, float half)
{
    c.Fill(Box(kMid - half, top, kMid + half, bottom, (bottom - top) * 0.45f),
           Vertical(top, Hex(0xE9A04A), bottom, Hex(0xA85A1C)));
    c.Fill(Box(kMid - half + 14, top + 4, kMid + half - 14, top + 12, 4), Hex(0xF6C27A), 0.5f);
}

void patty(Canvas& c, float top, float bottom, float half, int seed)
{
    c.Fill(Box(kMid - half, top, kMid + half, bottom, (bottom - top) * 0.42f),
           Vertical(top, Hex(0x7A4324), bottom, Hex(0x3E1E0E)));
    // A seared, uneven surface.
    for (int i = 0; i < 26; ++i) {
        const float x = kMid - half + 18 + Hash(i, 1, seed) * (2 * half - 36);
        const float y = top + 6 + Hash(i, 2, seed) * (bottom - top - 12);
        c.Fill(Circle(x, y, 2.5f + 3.0f * Hash(i, 3, seed)), Hex(0x2C1206), 0.55f);
    }
    c.Fill(Box(kMid - half + 20, top + 3, kMid + half - 20, top + 9, 3), Hex(0xA9663A), 0.45f);
}

void cheese(Canvas& c, float top, float thickness, float half, float drip)
{
    std::vector<Point> slice = {{kMid - half - 6, top}, {kMid + half + 6, top}, {kMid + half + 6, top + thickness}};
    // Corners of the slice hang down over the patty below.
    const float xs[] = {kMid + half - 10, kMid + half * 0.45f, kMid + half * 0.1f, kMid - half * 0.35f,
                        kMid - half * 0.75f};
    const float depth[] = {drip * 0.9f, drip * 0.5f, drip * 1.1f, drip * 0.6f, drip};
    for (int i = 0; i < 5; ++i) {
        slice.push_back({xs[i] + 16, top + thickness});
        slice.push_back({xs[i], top + thickness + depth[i]});
        slice.push_back({xs[i] - 16, top + thickness});
    }
    slice.push_back({kMid - half - 6, top + thickness});
    c.Fill(Polygon(slice), Vertical(top, Hex(0xFFD54A), top + thickness + drip, Hex(0xF29F14)));
}

void lettuce(Canvas& c, float top, float thickness, float half)
{
    std::vector<Point> leaf = {{kMid - half - 10, top}, {kMid + half + 10, top}};
    for (int i = 0; i <= 24; ++i) {
        const float x = kMid + half + 10 - (2 * half + 20) * static_cast<float>(i) / 24.0f;
        leaf.push_back({x, top + thickness * (0.65f + 0.35f * std::sin(static_cast<float>(i) * 1.7f))});
    }
    c.Fill(Polygon(leaf), Vertical(top, Hex(0x8EE04E), top + thickness, Hex(0x3E9A2A)));
}

void tomato(Canvas& c, float top, float bottom, float half)
{
    for (float x : {kMid - half * 0.52f, kMid + half * 0.52f})
        c.Fill(Box(x - half * 0.5f, top, x + half * 0.5f, bottom, (bottom - top) / 2),
               Vertical(top, Hex(0xF2553A), bottom, Hex(0xB5241A)));
}

void topBun(Canvas& c, float top, float bottom, float half, int seed)
{
    const float height = bottom - top;
    const Shape dome = Union(Intersect(Ellipse(kMid, bottom, half, height), Box(kMid - half, top, kMid + half, bottom)),
                             Box(kMid - half, bottom - 14, kMid + half, bottom + 6, 8));
    c.Fill(dome, Radial({kMid - half * 0.3f, top + height * 0.25f}, half * 1.3f, Hex(0xF8B960), Hex(0xB8631E)));
    c.Fill(Ellipse(kMid - half * 0.35f, top + height * 0.3f, half * 0.35f, height * 0.14f), Hex(0xFFE2A8), 0.35f,
           12.0f);
    // Sesame seeds scattered over the upper part of the dome.
    for (int i = 0; i < 22; ++i) {
        const float a = 3.14159265f * (0.12f + 0.76f * Hash(i, 4, seed));
        const float r = 0.25f + 0.62f * Hash(i, 5, seed);
        const float x = kMid - std::cos(a) * half * r;
        const float y = bottom - std::sin(a) * height * r - 4.0f;
        c.Fill(Rotate(Ellipse(x, y, 6.5f, 3.5f), {x, y}, 180.0f * Hash(i, 6, seed)), Hex(0xFFF1CC));
    }
}

void drawMegaburger(Canvas& c)
{
    bottomBun(c, 340, 392, 170);
    patty(c, 292, 342, 178, 1);
    cheese(c, 282, 12, 172, 20);
    patty(c, 232, 284, 176, 2);
    cheese(c, 222, 12, 170, 22);
    tomato(c, 208, 228, 160);
    lettuce(c, 192, 30, 174);
    topBun(c, 60, 200, 172, 3);
    // A pick with a little flag marks the big one.
    c.Fill(Capsule({282, 20}, {268, 110}, 3), Hex(0xE8D3A0));
    c.Fill(Polygon({{281, 18}, {352, 30}, {280, 52}}), Vertical(18, Hex(0xFF4A3A), 52, Hex(0xC2161A)));
    DrawText(c, {Face::SansBold, 17, 0.85f}, "MEGA", 310, 41, Solid(Hex(0xFFF4D8)), Align::Centre);
}

void drawCheeseburger(Canvas& c)
{
    bottomBun(c, 228, 280, 168);
    patty(c, 176, 230, 176, 4);
    cheese(c, 160, 18, 172, 36);
    lettuce(c, 140, 30, 170);
    topBun(c, 22, 150, 170, 5);
}

void drawHamburger(Canvas& c)
{
    bottomBun(c, 186, 232, 168);
    patty(c, 140, 190, 174, 6);
    lettuce(c, 126, 24, 168);
    topBun(c, 18, 136, 170, 7);
}

void drawFries(Canvas& c)
{
    // Golden fries fanned out of a red carton.
    for (int i = 0; i < 13; ++i) {
        const float t = static_cast<float>(i) / 12.0f;
        const float x = 95 + 190 * t + 10 * (Hash(i, 1, 8) - 0.5f);
        const float lean = (t - 0.5f) * 90;
        const float top = 40 + 55 * std::abs(t - 0.5f) + 40 * Hash(i, 2, 8);
        const Point a{x + lean * 0.5f, top}, b{x - lean * 0.2f, 300};
        c.Fill(Capsule(a, b, 13), Linear({a.x - 13, 0}, Hex(0xFFE27A), {a.x + 13, 0}, Hex(0xE7A526)));
        c.Fill(Capsule(a, {a.x + (b.x - a.x) * 0.1f, a.y + 25}, 12), Hex(0xC7861E), 0.6f);
    }
    const Shape carton = Polygon({{58, 200}, {322, 200}, {294, 455}, {86, 455}});
    const Shape front = Subtract(carton, Ellipse(190, 182, 150, 60));
    c.Fill(front, Linear({58, 0}, Hex(0xF0402F), {322, 0}, Hex(0xB3121B)));
    c.Fill(Outline(Subtract(Polygon({{66, 205}, {314, 205}, {288, 447}, {92, 447}}), Ellipse(190, 182, 150, 60)), 5),
           Hex(0xFF8A6E), 0.55f);
    c.Fill(Circle(190, 352, 52), Hex(0xFFD23F));
    DrawText(c, {Face::SerifBold, 72}, "Q", 190, 378, Solid(Hex(0xC2161A)), Align::Centre);
}

void drawCheeseSticks(Canvas& c)
{
    // Breaded sticks in a paper boat, the front one bitten to show the cheese, with a
    // cup of red sauce.
    const Point sticks[][2] = {{{92, 250}, {232, 70}}, {{150, 262}, {318, 104}}, {{60, 268}, {150, 96}},
                               {{120, 282}, {262, 150}}};
    for (int i = 0; i < 4; ++i) {
        const Point a = sticks[i][0], b = sticks[i][1];
        const Shape stick = Capsule(a, b, 30);
        c.Fill(stick, Linear({a.x - 30, a.y}, Hex(0xF7C45C), {a.x + 30, a.y + 30}, Hex(0xB0621A)));
        for (int k = 0; k < 26; ++k) {  // crumbs
            const float t = Hash(i, k, 9);
            const float x = a.x + (b.x - a.x) * t + 44 * (Hash(k, i, 10) - 0.5f);
            const float y = a.y + (b.y - a.y) * t + 44 * (Hash(k, i, 11) - 0.5f);
            c.Fill(Intersect(Circle(x, y, 3.0f + 2.0f * Hash(k, i, 12)), stick),
                   Hash(k, i, 13) < 0.5f ? Hex(0x8A4A12) : Hex(0xFFE3A0), 0.6f);
        }
    }
    // The bitten end of the front stick: a ring of crust round white cheese.
    c.Fill(Rotate(Ellipse(262, 150, 30, 22), {262, 150}, -40), Hex(0xD88E2E));
    c.Fill(Rotate(Ellipse(262, 150, 22, 15), {262, 150}, -40), Vertical(135, Hex(0xFFFBEA), 165, Hex(0xF3DFA0)));
    // The boat.
    const Shape boat = Polygon({{30, 300}, {350, 300}, {318, 430}, {62, 430}});
    c.Fill(boat, Vertical(300, Hex(0xF3EEE2), 430, Hex(0xBDB5A2)));
    for (int i = 0; i < 6; ++i)
        c.Fill(Intersect(boat, Box(44 + 50 * static_cast<float>(i), 300, 68 + 50 * static_cast<float>(i), 430)),
               Hex(0xE23A2E), 0.85f);
    c.Fill(Box(28, 296, 352, 310, 5), Hex(0xFFFFFF));
    // The sauce.
    c.Fill(Ellipse(300, 406, 50, 42), Vertical(364, Hex(0xE5E1D6), 448, Hex(0x9E988A)));
    c.Fill(Ellipse(300, 390, 42, 19), Radial({292, 386}, 42, Hex(0xE0392A), Hex(0x8E140E)));
    c.Fill(Ellipse(288, 386, 11, 5), Hex(0xFF9C8A), 0.7f);
}

struct Drink {
    const char* label[2];  // one or two lines
    Rgb light, dark;
    std::u32string emblem;  // the fruit or sign on the cup, if any
};

// A tall cup in the drink's colour (270 x 670 units), with lid, straw, emblem and name.
void drawDrink(Canvas& c, const Drink& d)
{
    const float top = 150, bottom = 652;
    const Shape cup = Polygon({{24, top}, {246, top}, {216, bottom}, {54, bottom}});
    // The straw first, so the lid covers its foot.
    c.Fill(Polygon({{148, 126}, {168, 126}, {200, 10}, {182, 6}}), Hex(0xF4F4F4));
    for (float y : {20.0f, 62.0f, 104.0f}) {
        const float x = 200 - (y - 10) * 32 / 116;
        c.Fill(Polygon({{x - 14, y}, {x + 2, y}, {x - 4, y + 20}, {x - 20, y + 20}}), d.light);
    }
    c.Fill(cup, Linear({24, 0}, d.light, {246, 0}, d.dark));
    // A white wave across the cup carries the emblem.
    std::vector<Point> wave;
    for (int i = 0; i <= 20; ++i)
        wave.push_back({static_cast<float>(i) * 13.5f, 200 + 18 * std::sin(static_cast<float>(i) * 0.45f)});
    for (int i = 20; i >= 0; --i)
        wave.push_back({static_cast<float>(i) * 13.5f, 332 + 18 * std::sin(static_cast<float>(i) * 0.45f + 1.2f)});
    c.Fill(Intersect(cup, Polygon(wave)), Linear({24, 0}, Hex(0xFFFFFF), {246, 0}, Hex(0xD4D7DE)));
    if (!d.emblem.empty())
        DrawEmoji(c, d.emblem, 135, 268, 104);
    else
        for (int i = 0; i < 7; ++i)  // bubbles rising in a cola
            c.Fill(Outline(Circle(92 + 86 * Hash(i, 1, 12), 230 + 80 * Hash(i, 2, 12), 8 + 10 * Hash(i, 3, 12)), 6),
                   d.light);
    const bool two = d.label[1] != nullptr;
    const TextStyle style{Face::SansBold, two ? 64.0f : 70.0f, 0.82f};
    DrawTextFit(c, style, d.label[0], 135, two ? 440 : 470, 178, Solid(Hex(0xFFFFFF)));
    if (two)
        DrawTextFit(c, style, d.label[1], 135, 512, 166, Solid(Hex(0xFFFFFF)));
    c.Fill(Intersect(cup, Box(38, 360, 64, bottom - 16, 12)), Hex(0xFFFFFF), 0.3f);
    // The lid.
    c.Fill(Box(12, 116, 258, 158, 16), Vertical(116, Hex(0xFFFFFF), 158, Hex(0xB9BDC6)));
    c.Fill(Box(44, 98, 226, 122, 10), Vertical(98, Hex(0xF4F6FA), 122, Hex(0xC4C8D0)));
    // The title menu lays rows of these behind its entries; a little less light
    // keeps the entries readable.
    c.Dim(0.82f);
}

// A fast-food tray with a paper liner.
void drawTray(Canvas& c)
{
    c.Fill(Box(20, 40, 970, 430, 60), Vertical(40, Hex(0xC9482F), 430, Hex(0x7E2116)));
    c.Fill(Box(60, 80, 930, 390, 36), Vertical(80, Hex(0x8E2A1B), 390, Hex(0xA8392A)));
    c.Fill(Box(120, 100, 870, 370, 10), Hex(0xF3E9D2));
    for (int i = 0; i < 8; ++i)
        c.Fill(Box(120, 100 + 34 * static_cast<float>(i), 870, 104 + 34 * static_cast<float>(i)), Hex(0xE0C7A0), 0.6f);
    DrawText(c, {Face::SerifBold, 90, 1.0f, 6}, "QUORVEL", 495, 270, Solid(Hex(0xC2161A)), Align::Centre);
    c.Fill(Box(40, 52, 950, 64, 6), Hex(0xFFFFFF), 0.25f);
}

}  // namespace

std::vector<PictureJob> FoodPictures()
{
    std::vector<PictureJob> jobs;
    jobs.push_back(DrawnPicture(Picture::Tray, drawTray));
    jobs.push_back(DrawnPicture(Picture::Megaburger, drawMegaburger));
    jobs.push_back(DrawnPicture(Picture::Cheeseburger, drawCheeseburger));
    jobs.push_back(DrawnPicture(Picture::Hamburger, drawHamburger));  // the sandwiches' too
    jobs.push_back(DrawnPicture(Picture::Fries, drawFries));
    jobs.push_back(DrawnPicture(Picture::CheeseSticks, drawCheeseSticks));  // the tots' and rings' too
    // The six drinks, in the order of their item numbers.
    const Drink drinks[] = {
        {{"COKE", nullptr}, Hex(0xEE2A33), Hex(0x8E0A12), U""},
        {{"GRAPE", nullptr}, Hex(0x9B4FD8), Hex(0x47177A), U"\U0001F347"},
        {{"ORANGE", nullptr}, Hex(0xFF9424), Hex(0xC04A06), U"\U0001F34A"},
        {{"PEPSI", nullptr}, Hex(0x2E6FE8), Hex(0x0B2A72), U""},
        {{"ROOT", "BEER"}, Hex(0x9A5A2C), Hex(0x43200C), U"\U0001F37A"},
        {{"LEMON", "ADE"}, Hex(0xF5CC1E), Hex(0xB08400), U"\U0001F34B"},
    };
    int picture = Picture::Coke;
    for (const Drink& d : drinks)
        jobs.push_back(DrawnPicture(picture++, [d](Canvas& c) { drawDrink(c, d); }));
    return jobs;
}
