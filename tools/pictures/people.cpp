// The two employees of the title menu, standing full height: Tibor in the red
// uniform and cap, waving; Ansel the cook, presenting the Megaburger.
#include "pictures.h"
#include "typefaces.h"

#include <cmath>

namespace {

struct Look {
    Rgb skin, skinShade, hair;
};

// A limb: two segments of the same thickness, with a round joint.
void limb(Canvas& c, Point a, Point b, Point d, float radius, const Paint& paint)
{
    c.Fill(Union(Capsule(a, b, radius), Capsule(b, d, radius * 0.92f)), paint);
}

// A round hand; the thumb points along the given angle.
void hand(Canvas& c, Point at, float radius, float thumbDegrees, const Look& look)
{
    const float a = thumbDegrees * 3.14159265f / 180.0f;
    const Point thumb{at.x + std::cos(a) * radius * 0.95f, at.y + std::sin(a) * radius * 0.95f};
    c.Fill(Union(Circle(at.x, at.y, radius), Capsule(at, thumb, radius * 0.42f)),
           Radial({at.x - radius * 0.3f, at.y - radius * 0.3f}, radius * 1.6f, look.skin, look.skinShade));
}

// A face looking out with a friendly smile, centred on (x, y).
void face(Canvas& c, float x, float y, float r, const Look& look, bool moustache)
{
    c.Fill(Ellipse(x - r * 0.92f, y + r * 0.08f, r * 0.2f, r * 0.27f), look.skinShade);  // ears
    c.Fill(Ellipse(x + r * 0.92f, y + r * 0.08f, r * 0.2f, r * 0.27f), look.skinShade);
    c.Fill(Ellipse(x, y, r * 0.9f, r), Radial({x - r * 0.3f, y - r * 0.35f}, r * 1.7f, look.skin, look.skinShade));
    for (float side : {-1.0f, 1.0f}) {
        const float ex = x + side * r * 0.36f, ey = y - r * 0.02f;
        c.Fill(Ellipse(ex, ey, r * 0.1f, r * 0.15f), Hex(0x1E1712));
        c.Fill(Circle(ex + r * 0.03f, ey - r * 0.05f, r * 0.035f), Hex(0xFFFFFF));
        c.Fill(Capsule({ex - r * 0.15f, ey - r * 0.27f}, {ex + r * 0.13f, ey - r * 0.3f}, r * 0.045f), look.hair);
        c.Fill(Circle(ex + side * r * 0.12f, y + r * 0.33f, r * 0.15f), Hex(0xFF7A7A), 0.28f, r * 0.08f);  // cheeks
    }
    c.Fill(Ellipse(x, y + r * 0.2f, r * 0.11f, r * 0.09f), look.skinShade);  // nose
    // The smile: an open mouth with teeth.
    const Shape mouth = Intersect(Ellipse(x, y + r * 0.42f, r * 0.32f, r * 0.26f), Box(x - r, y + r * 0.42f, x + r, y + r));
    c.Fill(mouth, Hex(0x7A1E1E));
    c.Fill(Intersect(mouth, Box(x - r, y + r * 0.42f, x + r, y + r * 0.52f)), Hex(0xFFFFFF));
    c.Fill(Intersect(mouth, Circle(x, y + r * 0.75f, r * 0.16f)), Hex(0xE8605A));
    if (moustache)
        for (float side : {-1.0f, 1.0f})
            c.Fill(Rotate(Ellipse(x + side * r * 0.17f, y + r * 0.33f, r * 0.2f, r * 0.08f), {x + side * r * 0.17f, y + r * 0.33f},
                          side * -12.0f),
                   look.hair);
}

void shoe(Canvas& c, float x, float y, float toward)
{
    c.Fill(Union(Ellipse(x + toward * 40, y, 95, 42), Box(x - 60, y - 42, x + 50, y + 10, 20)),
           Vertical(y - 42, Hex(0x4A4E57), y + 42, Hex(0x16181C)));
    c.Fill(Box(x - 70 + toward * 40, y + 26, x + 77 + toward * 40, y + 40, 6), Hex(0xDADDE3));  // the sole
}

// The title menu draws the employees opaque over its wallpaper, so each stands in a
// dim spotlight of its own rather than on plain black.
void backdrop(Canvas& c, Rgb tone)
{
    const float w = c.Width(), h = c.Height();
    c.Fill(Box(0, 0, w, h), Radial({w / 2, h * 0.42f}, h * 0.62f, tone * 0.32f, tone * 0.05f));
    c.Fill(Ellipse(w / 2, h * 0.94f, w * 0.38f, h * 0.04f), tone * 0.02f, 0.8f, 30);
    c.Fill(Outline(Box(6, 6, w - 6, h - 6, 24), 8), tone * 0.55f);
}

void drawTibor(Canvas& c)
{
    backdrop(c, Hex(0x5AA0E0));
    const Look look{Hex(0xF6CBA5), Hex(0xD9976C), Hex(0x6B3B1C)};
    const Rgb red = Hex(0xE5392C), redDark = Hex(0x9C1A12);
    // Legs, shoes.
    for (float side : {-1.0f, 1.0f}) {
        const float x = 550 + side * 95;
        c.Fill(Box(x - 82, 1080, x + 82, 1850, 40), Linear({x - 82, 0}, Hex(0x3A3F4B), {x + 82, 0}, Hex(0x1E2129)));
        shoe(c, x + side * 10, 1880, side);
    }
    // The other arm hangs down, behind the body.
    limb(c, {770, 610}, {830, 850}, {805, 1060}, 62, Linear({760, 0}, red, {880, 0}, redDark));
    c.Fill(Capsule({830, 850}, {805, 1060}, 52), Linear({760, 0}, look.skin, {880, 0}, look.skinShade));
    c.Fill(Capsule({770, 610}, {818, 800}, 66), Linear({740, 0}, red, {880, 0}, redDark));
    hand(c, {805, 1090}, 60, 200, look);
    // Torso: the polo shirt, belt.
    const Shape shirt = Polygon({{330, 560}, {770, 560}, {790, 640}, {760, 1100}, {340, 1100}, {310, 640}});
    c.Fill(Union(shirt, Box(300, 550, 800, 680, 90)), Linear({300, 0}, red, {800, 0}, redDark));
    c.Fill(Box(335, 1060, 765, 1110, 10), Hex(0x1B1D22));
    c.Fill(Box(520, 1064, 580, 1106, 8), Hex(0xC9CED6));
    c.Fill(Polygon({{470, 545}, {550, 640}, {630, 545}}), Hex(0xFFFFFF));  // collar
    c.Fill(Polygon({{505, 548}, {550, 610}, {595, 548}}), look.skinShade);
    for (float y : {665.0f, 720.0f})
        c.Fill(Circle(550, y, 10), Hex(0xFFFFFF));
    // Name tag.
    c.Fill(Box(600, 700, 740, 760, 8), Hex(0xF4F4F0));
    DrawTextFit(c, {Face::SansBold, 40}, "TIBOR", 670, 744, 120, Solid(Hex(0x1E2E6E)));
    // The waving arm.
    c.Fill(Capsule({330, 610}, {220, 760}, 66), Linear({200, 0}, red, {360, 0}, redDark));
    c.Fill(Capsule({220, 760}, {160, 520}, 52), Linear({120, 0}, look.skin, {220, 0}, look.skinShade));
    hand(c, {150, 470}, 66, 20, look);
    for (int i = 0; i < 3; ++i)  // motion lines of the wave
        c.Fill(Arc(150, 470, 110 + 30 * static_cast<float>(i), 200, 250, 10), Hex(0xFFFFFF), 0.5f - 0.12f * static_cast<float>(i));
    // Neck and head.
    c.Fill(Box(490, 440, 610, 570, 40), look.skinShade);
    face(c, 550, 330, 175, look, false);
    // Hair under the cap, the cap and its peak.
    c.Fill(Box(385, 200, 715, 290, 60), look.hair);
    c.Fill(Intersect(Ellipse(550, 250, 190, 150), Box(300, 80, 800, 250)), Linear({360, 0}, red, {740, 0}, redDark));
    c.Fill(Ellipse(640, 250, 190, 36), Vertical(220, Hex(0xC42A1F), 280, Hex(0x7E140E)));
    c.Fill(Circle(540, 175, 46), Hex(0xFFFFFF));
    DrawText(c, {Face::SerifBold, 62}, "Q", 540, 196, Solid(red), Align::Centre);
}

void drawAnsel(Canvas& c)
{
    backdrop(c, Hex(0xE0B45A));
    const Look look{Hex(0xB9825A), Hex(0x8A5634), Hex(0x221611)};
    const Rgb white = Hex(0xF7F6F2), whiteShade = Hex(0xC9CCD2);
    // Legs in checked cook's trousers, shoes.
    for (float side : {-1.0f, 1.0f}) {
        const float x = 740 + side * 120;
        const Shape leg = Box(x - 100, 1150, x + 100, 1850, 46);
        c.Fill(leg, Hex(0x2B2E36));
        for (int row = 0; row < 18; ++row)
            for (int col = 0; col < 6; ++col)
                if ((row + col) % 2 == 0)
                    c.Fill(Intersect(leg, Box(x - 100 + 34 * static_cast<float>(col), 1150 + 40 * static_cast<float>(row),
                                              x - 66 + 34 * static_cast<float>(col), 1190 + 40 * static_cast<float>(row))),
                           Hex(0x6A707C));
        shoe(c, x + side * 14, 1880, side);
    }
    // The cook's jacket, double-breasted, and the apron.
    const Shape jacket = Polygon({{480, 600}, {1000, 600}, {1050, 700}, {1040, 1200}, {440, 1200}, {430, 700}});
    c.Fill(Union(jacket, Box(420, 580, 1060, 740, 110)), Linear({420, 0}, white, {1060, 0}, whiteShade));
    c.Fill(Box(520, 900, 960, 1320, 30), Linear({520, 0}, Hex(0x3F6FD0), {960, 0}, Hex(0x1E3F8A)));
    c.Fill(Box(500, 890, 980, 920, 12), Hex(0x1E3F8A));
    for (float y : {680.0f, 760.0f, 840.0f})
        for (float x : {670.0f, 810.0f})
            c.Fill(Circle(x, y, 14), Hex(0x9AA1AC));
    c.Fill(Polygon({{600, 575}, {740, 700}, {880, 575}}), Hex(0xE5392C));  // neckerchief
    c.Fill(Polygon({{720, 680}, {760, 680}, {790, 790}, {740, 760}, {690, 790}}), Hex(0xC42A1F));
    // Thumbs up on the left.
    c.Fill(Capsule({480, 660}, {360, 900}, 76), Linear({300, 0}, white, {520, 0}, whiteShade));
    c.Fill(Capsule({360, 900}, {520, 830}, 70), Linear({300, 0}, white, {560, 0}, whiteShade));
    c.Fill(Box(520, 770, 640, 900, 40), Radial({560, 800}, 140, look.skin, look.skinShade));
    c.Fill(Capsule({585, 770}, {595, 690}, 28), Radial({580, 700}, 80, look.skin, look.skinShade));
    for (float y : {805.0f, 840.0f, 872.0f})
        c.Fill(Box(600, y - 3, 640, y + 3, 3), look.skinShade);
    // The right arm held out, palm up, under the place where the title menu draws
    // the Megaburger over this picture.
    c.Fill(Capsule({1000, 660}, {1130, 930}, 76), Linear({980, 0}, white, {1200, 0}, whiteShade));
    c.Fill(Capsule({1130, 930}, {1300, 955}, 60), Linear({0, 890}, look.skin, {0, 1010}, look.skinShade));
    c.Fill(Box(1110, 880, 1180, 990, 30), Linear({1110, 0}, white, {1180, 0}, whiteShade));  // the cuff
    c.Fill(Ellipse(1380, 950, 130, 44), Vertical(906, look.skin, 994, look.skinShade));
    c.Fill(Capsule({1310, 925}, {1270, 885}, 24), Vertical(870, look.skin, 940, look.skinShade));  // thumb
    // Neck, head, moustache, the tall hat.
    c.Fill(Box(680, 470, 800, 600, 40), look.skinShade);
    face(c, 740, 380, 180, look, true);
    c.Fill(Box(560, 215, 920, 280, 28), Vertical(215, white, 280, whiteShade));
    for (float x : {610.0f, 740.0f, 870.0f})
        c.Fill(Circle(x, 130, 105), Radial({x - 30, 100}, 140, white, whiteShade));
    c.Fill(Box(575, 120, 905, 240), Linear({575, 0}, white, {905, 0}, whiteShade));
    c.Fill(Box(575, 205, 905, 222, 6), Hex(0xB9BDC6), 0.8f);
    // Name tag.
    c.Fill(Box(850, 760, 990, 820, 8), Hex(0xE5392C));
    DrawTextFit(c, {Face::SansBold, 40}, "ANSEL", 920, 804, 120, Solid(Hex(0xFFFFFF)));
}

}  // namespace

std::vector<PictureJob> PeoplePictures()
{
    std::vector<PictureJob> jobs;
    jobs.push_back(DrawnPicture(Picture::Tibor, drawTibor));
    jobs.push_back(DrawnPicture(Picture::Ansel, drawAnsel));
    return jobs;
}
