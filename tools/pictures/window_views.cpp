// The drive-thru window seen from inside: closed, open with no one, and with each of
// the thirteen customers' cars pulled up, all from the same place behind the counter.
#include "pictures.h"
#include "typefaces.h"

#include <string>

namespace {

// The window opening in the 1200 x 940 picture, and where the sliding pane stands.
constexpr float kLeft = 80, kTop = 70, kRight = 1120, kSill = 800;
constexpr float kMullion = 600;

// A line in the car's side: y of the roof, the window tops and the belt line.
struct Car {
    Rgb light, dark;          // body colour, top and bottom
    float roof = 175;         // top of the roof
    float beltLine = 480;     // where the doors meet the windows
    float frontPillar = 200;  // x of the windscreen pillar's foot
    float rake = 110;         // how far the windscreen pillar leans back
    float middlePillar = 650; // x of the pillar between the doors
    float rearEnd = 1010;     // x where the rear window ends at the belt line
    bool convertible = false; // no roof at all
    bool darkGlass = false;   // tinted rear windows
    int stripe = 0;           // 0 none, 1 taxi checks, 2 police badge, 3 racing stripe, 4 wood panel
    const char* roofSign = nullptr;
    Rgb trim = Hex(0x1E2126);
};

struct Customer {
    Car car;
    std::u32string driver;
    std::u32string passenger;  // in the back, if any
    std::u32string hand;       // held out of the window, if any
    float driverX = 400;
};

void drawOutside(Canvas& c)
{
    c.Fill(Box(0, 0, 1200, 450), Vertical(kTop, Hex(0x5DB2EA), 440, Hex(0xCDEBFF)));
    for (int i = 0; i < 5; ++i) {
        const float x = 150 + 230 * static_cast<float>(i) + 60 * Hash(i, 1, 20), y = 130 + 90 * Hash(i, 2, 20);
        for (int k = 0; k < 4; ++k)
            c.Fill(Ellipse(x + 38 * static_cast<float>(k) - 60, y + (k % 2) * 8, 46, 24 + 6 * static_cast<float>(k % 2)),
                   Hex(0xFFFFFF), 0.85f, 10);
    }
    // Trees and the far side of the road.
    for (int i = 0; i < 14; ++i) {
        const float x = 40 + 90 * static_cast<float>(i) + 30 * Hash(i, 3, 21);
        const float r = 45 + 30 * Hash(i, 4, 21);
        c.Fill(Circle(x, 430 - r * 0.6f, r), Vertical(330, Hex(0x4F9A3C), 440, Hex(0x2C6224)));
    }
    c.Fill(Box(0, 430, 1200, 452), Hex(0x8FA39A));
    c.Fill(Box(0, 450, 1200, 940), Vertical(450, Hex(0x6E727A), 800, Hex(0x45484F)));
    c.Fill(Polygon({{0, 600}, {1200, 560}, {1200, 574}, {0, 618}}), Hex(0xF2C63A), 0.9f);
    // A lamp post on the far side.
    c.Fill(Box(900, 230, 912, 452), Hex(0x4A4F57));
    c.Fill(Box(880, 220, 960, 236, 6), Hex(0x4A4F57));
}

// The livery on the flank and a sign on the roof.
void drawMarkings(Canvas& c, const Car& car, float belt, float top, float frontTop)
{
    switch (car.stripe) {
    case 1:  // taxi checks
        for (int i = 0; i < 40; ++i)
            c.Fill(Box(static_cast<float>(i) * 30 - 20, belt + 100 + (i % 2) * 26, static_cast<float>(i) * 30 + 10,
                       belt + 126 + (i % 2) * 26),
                   Hex(0x111111));
        break;
    case 2:  // police: a white door with a star
        c.Fill(Box(car.frontPillar - 30, belt + 30, car.rearEnd + 40, 900), Vertical(belt, Hex(0xE6E9EE), 900, Hex(0x9CA3AE)));
        c.Fill(Star(car.middlePillar - 220, belt + 130, 62, 26, 5), Vertical(belt + 70, Hex(0xFFE27A), belt + 190, Hex(0xD49A12)));
        DrawText(c, {Face::SansBold, 56, 1.0f, 6}, "POLICE", car.middlePillar + 170, belt + 150,
                 Solid(Hex(0x1B2A6B)), Align::Centre);
        break;
    case 3:  // racing stripes
        c.Fill(Box(-60, belt + 100, 1260, belt + 130), Hex(0xFFFFFF), 0.9f);
        c.Fill(Box(-60, belt + 142, 1260, belt + 156), Hex(0xFFFFFF), 0.9f);
        break;
    case 4:  // wood panelling
        c.Fill(Box(-60, belt + 70, 1260, 900), Vertical(belt + 70, Hex(0xA0693A), 900, Hex(0x6B3F1E)));
        for (int i = 0; i < 12; ++i)
            c.Fill(Box(-60, belt + 90 + 22 * static_cast<float>(i), 1260, belt + 93 + 22 * static_cast<float>(i)),
                   Hex(0x4A2A12), 0.5f);
        break;
    default:
        break;
    }
    if (car.roofSign != nullptr) {
        c.Fill(Box(frontTop + 120, top - 70, frontTop + 380, top - 4, 12), Vertical(top - 70, Hex(0xFFF4C2), top, Hex(0xF2C20F)));
        DrawText(c, {Face::SansBold, 50, 1.0f, 4}, car.roofSign, frontTop + 250, top - 18, Solid(Hex(0x1A1A1A)),
                 Align::Centre);
    }
}

void drawCar(Canvas& c, const Customer& who)
{
    const Car& car = who.car;
    const float top = car.roof, belt = car.beltLine;
    const float frontTop = car.frontPillar + car.rake;
    const Shape frontWindow =
        Polygon({{car.frontPillar + 24, belt}, {frontTop + 18, top + 30}, {car.middlePillar - 16, top + 30},
                 {car.middlePillar - 16, belt}});
    const Shape rearWindow = Polygon({{car.middlePillar + 16, belt}, {car.middlePillar + 16, top + 30},
                                      {car.rearEnd - 120, top + 30}, {car.rearEnd - 16, belt}});
    const Shape windows = car.convertible ? Box(-10, 0, 1210, belt) : Union(frontWindow, rearWindow);

    // Inside the car: seats in the shade, the far windows bright.
    const Shape inside = Intersect(windows, Box(-10, car.convertible ? 300 : top, 1210, belt + 40));
    if (!car.convertible) {
        c.Fill(inside, Vertical(top, Hex(0x3A3F48), belt, Hex(0x1A1C21)));
        c.Fill(Intersect(inside, Box(-10, top + 40, 1210, top + 150)), Hex(0xBFE3FA), 0.55f);
    }
    c.Fill(Box(who.driverX + 30, top + 120, who.driverX + 190, belt + 40, 40), Hex(0x2A2D33));  // seat back
    c.Fill(Arc(car.frontPillar + 120, belt + 40, 110, 200, 300, 22), Hex(0x15171B));   // steering wheel
    if (!who.passenger.empty())
        DrawEmoji(c, who.passenger, car.middlePillar + 170, belt - 95, 210);
    DrawEmoji(c, who.driver, who.driverX, belt - 140, 320);

    // The body around the windows.
    std::vector<Point> outline;
    if (car.convertible) {
        outline = {{-60, belt}, {1260, belt}, {1260, 940}, {-60, 940}};
    } else {
        outline = {{-60, belt},           {car.frontPillar, belt}, {frontTop, top + 6},
                   {frontTop + 20, top},  {car.rearEnd - 130, top}, {car.rearEnd - 110, top + 8},
                   {car.rearEnd, belt},   {1260, belt},             {1260, 940},
                   {-60, 940}};
    }
    const Shape body = Subtract(Polygon(outline), windows);
    c.Fill(body, Vertical(top, car.light, 820, car.dark));
    if (car.darkGlass && !car.convertible)
        c.Fill(rearWindow, Hex(0x0D0F14), 0.85f);
    else if (!car.convertible)
        c.Fill(rearWindow, Hex(0x9FD0F0), 0.18f);
    c.Fill(Outline(windows, 10), car.trim, 1.0f);
    if (car.convertible) {
        // Only the windscreen's frame stands up at the front.
        c.Fill(Capsule({car.frontPillar, belt}, {frontTop, 250}, 10), Hex(0xC9CED6));
        c.Fill(Polygon({{car.frontPillar + 8, belt}, {frontTop + 8, 250}, {frontTop - 60, 250}, {car.frontPillar - 60, belt}}),
               Hex(0xBFE3FA), 0.25f);
    }
    // Shine along the flank, the door seams, handles and mirror.
    c.Fill(Box(-60, belt + 40, 1260, belt + 56), Hex(0xFFFFFF), 0.28f, 8);
    c.Fill(Box(-60, belt + 150, 1260, belt + 158), car.dark, 0.8f);
    for (float x : {car.frontPillar - 30, car.middlePillar, car.rearEnd + 40})
        c.Fill(Box(x - 3, belt, x + 3, 900), Hex(0x000000), 0.45f);
    for (float x : {car.middlePillar - 130, car.rearEnd - 90})
        c.Fill(Box(x - 40, belt + 70, x + 40, belt + 90, 9), Vertical(belt + 70, Hex(0xE6E9EF), belt + 90, Hex(0x7B818C)));
    c.Fill(Ellipse(car.frontPillar - 40, belt - 40, 62, 42), Vertical(belt - 80, car.light, belt, car.dark));
    c.Fill(Ellipse(car.frontPillar - 44, belt - 42, 48, 30), Hex(0xA9D4F0), 0.7f);

    drawMarkings(c, car, belt, top, frontTop);
    if (!who.hand.empty())
        DrawEmoji(c, who.hand, car.middlePillar - 90, belt - 20, 150);
}

// The wall, the window frame, the glass and the counter in front of everything.
void drawWindow(Canvas& c, bool closed)
{
    const Shape opening = Box(kLeft, kTop, kRight, kSill + 20, 8);
    // Glass: the fixed pane on the right, the sliding one on the left when closed,
    // slid behind the fixed one when open.
    const float paneLeft = closed ? kLeft : kMullion;
    const float paneRight = closed ? kMullion + 22 : kRight;
    for (const Shape& pane : {Box(kMullion, kTop, kRight, kSill), Box(paneLeft, kTop, paneRight, kSill)}) {
        c.Fill(pane, Hex(0xA8D4F2), 0.14f);
        for (int i = 0; i < 3; ++i) {
            const float x = pane.left + 60 + 150 * static_cast<float>(i);
            c.Fill(Intersect(pane, Polygon({{x, kTop}, {x + 60 + 20 * static_cast<float>(i), kTop},
                                            {x - 140, kSill}, {x - 200 - 20 * static_cast<float>(i), kSill}})),
                   Hex(0xFFFFFF), 0.1f + 0.04f * static_cast<float>(i));
        }
    }
    c.Fill(Box(kMullion, kTop, kMullion + 22, kSill), Linear({kMullion, 0}, Hex(0xDCE1E8), {kMullion + 22, 0}, Hex(0x8C939E)));
    const float handle = closed ? kMullion - 60 : kMullion + 60;  // on the sliding pane
    c.Fill(Box(handle - 16, 420, handle + 16, 520, 12), Hex(0x2C3038));
    if (closed) {
        c.Fill(Box(150, 230, 530, 470, 24), Hex(0x10141C), 0.55f);
        DrawText(c, {Face::SansBold, 58, 1.0f, 3}, "DRIVE-THRU", 340, 305, Solid(Hex(0xFFFFFF)), Align::Centre);
        DrawText(c, {Face::SansBold, 50}, "6 am - 10 pm", 340, 375, Solid(Hex(0xFFD54A)), Align::Centre);
        DrawText(c, {Face::SansBold, 34}, "please pull forward", 340, 435, Solid(Hex(0xDDE6F0)), Align::Centre);
    }

    // The wall around the window and the frame.
    c.Fill(Subtract(Box(0, 0, 1200, 940), opening), Vertical(0, Hex(0x3A302A), 940, Hex(0x201A17)));
    for (int row = 0; row < 12; ++row)
        c.Fill(Subtract(Box(0, 8 + 80 * static_cast<float>(row), 1200, 12 + 80 * static_cast<float>(row)), opening),
               Hex(0x000000), 0.35f);
    c.Fill(Outline(opening, 36), Linear({0, kTop - 18}, Hex(0xE4E8EE), {0, kTop + 40}, Hex(0x9AA1AC)));
    c.Fill(Outline(Box(kLeft - 18, kTop - 18, kRight + 18, kSill + 38, 14), 4), Hex(0x5C636E));

    // The counter, in the shade: the status bar's speaker icon sits on its left end.
    c.Fill(Box(0, kSill, 1200, 940), Vertical(kSill, Hex(0x5C636E), 940, Hex(0x1C1F24)));
    c.Fill(Box(0, kSill, 1200, kSill + 10), Hex(0xC9CED6));
    for (int i = 0; i < 6; ++i)
        c.Fill(Box(0, kSill + 30 + 18 * static_cast<float>(i), 1200, kSill + 32 + 18 * static_cast<float>(i)),
               Hex(0xFFFFFF), 0.06f);
}

void drawView(Canvas& c, const Customer* who, bool closed)
{
    drawOutside(c);
    if (who != nullptr)
        drawCar(c, *who);
    drawWindow(c, closed);
}

std::vector<Customer> customers()
{
    auto car = [](uint32_t light, uint32_t dark) {
        Car k;
        k.light = Hex(light);
        k.dark = Hex(dark);
        return k;
    };
    std::vector<Customer> list(13);
    // 1: a red sedan, a waving driver.
    list[0] = {car(0xE8453A, 0x8E1A14), U"\U0001F468\U0001F3FD", U"", U"\U0001F44B\U0001F3FD"};
    // 2: a taxi.
    list[1] = {car(0xFFD23A, 0xC99400), U"\U0001F9D4\U0001F3FB", U"", U""};
    list[1].car.stripe = 1;
    list[1].car.roofSign = "TAXI";
    // 3: a tall blue four-by-four.
    list[2] = {car(0x3A7BD5, 0x173E7A), U"\U0001F469\U0001F3FE\u200D\U0001F9B1", U"", U""};
    list[2].car.roof = 140;
    list[2].car.rake = 70;
    // 4: an old green pickup, its cab short.
    list[3] = {car(0x5E9E4A, 0x2D5A22), U"\U0001F474\U0001F3FC", U"", U""};
    list[3].car.rearEnd = 820;
    list[3].car.middlePillar = 700;
    list[3].car.roof = 165;
    // 5: a white delivery van.
    list[4] = {car(0xF2F4F7, 0x9EA5B0), U"\U0001F477\U0001F3FF", U"", U"\U0001F4B5"};
    list[4].car.roof = 100;
    list[4].car.rake = 60;
    list[4].car.darkGlass = true;
    // 6: a police car.
    list[5] = {car(0x2A2E36, 0x0E1014), U"\U0001F46E\U0001F3FB\u200D\u2640\uFE0F", U"", U""};
    list[5].car.stripe = 2;
    list[5].car.roofSign = "POLICE";
    // 7: a pink convertible.
    list[6] = {car(0xF27BB5, 0xA8336E), U"\U0001F471\U0001F3FC\u200D\u2640\uFE0F", U"", U"\U0001F44B\U0001F3FC"};
    list[6].car.convertible = true;
    // 8: a low purple sports car with stripes.
    list[7] = {car(0x8C4FD9, 0x3E1A78), U"\U0001F9D1\U0001F3FF", U"", U""};
    list[7].car.roof = 215;
    list[7].car.rake = 170;
    list[7].car.beltLine = 500;
    list[7].car.stripe = 3;
    // 9: an orange classic with chrome.
    list[8] = {car(0xF5913A, 0xA4480E), U"\U0001F475\U0001F3FD", U"", U""};
    list[8].car.trim = Hex(0xDDE2EA);
    // 10: a teal family wagon with wood panels and a child in the back.
    list[9] = {car(0x2FB3A6, 0x116B62), U"\U0001F469\U0001F3FC", U"\U0001F466\U0001F3FB", U""};
    list[9].car.stripe = 4;
    list[9].car.rearEnd = 1100;
    // 11: a silver sedan with a dog in the back.
    list[10] = {car(0xC9CED6, 0x6C727C), U"\U0001F468\U0001F3FF\u200D\U0001F9B2", U"\U0001F436", U"\U0001F4B3"};
    // 12: a dark green jeep with a flat windscreen.
    list[11] = {car(0x4E6B3A, 0x25361A), U"\U0001F9D4\U0001F3FE", U"", U""};
    list[11].car.rake = 20;
    list[11].car.roof = 150;
    list[11].car.rearEnd = 960;
    // 13: a black limousine with its chauffeur.
    list[12] = {car(0x3A3D45, 0x0B0C0F), U"\U0001F935\U0001F3FB", U"", U""};
    list[12].car.darkGlass = true;
    list[12].car.rearEnd = 1250;
    list[12].car.trim = Hex(0xC9CED6);
    return list;
}

}  // namespace

std::vector<PictureJob> WindowViewPictures()
{
    std::vector<PictureJob> jobs;
    jobs.push_back(DrawnPicture(Picture::WindowDoorClosed, [](Canvas& c) { drawView(c, nullptr, true); }));
    jobs.push_back(DrawnPicture(Picture::WindowNoOne, [](Canvas& c) { drawView(c, nullptr, false); }));
    const std::vector<Customer> list = customers();
    for (size_t i = 0; i < list.size(); ++i)
        jobs.push_back(DrawnPicture(Picture::WindowNoOne + 1 + static_cast<int>(i),
                                    [who = list[i]](Canvas& c) { drawView(c, &who, false); }));
    return jobs;
}
