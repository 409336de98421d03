// The cash registers: for days 1-2 and each of days 3 to 8, one idle picture and one
// in use, with a key for every item on sale that day.
#include "pictures.h"
#include "typefaces.h"

#include <string>

namespace {

struct Key {
    char letter;
    const char* name[2];  // one or two lines
    int fromDay;
};

// Columns by category, keys in menu order; the day each comes on sale.
const Key kBurgers[] = {{'M', {"Mega-", "burger"}, 1},
                        {'C', {"Cheese-", "burger"}, 1},
                        {'H', {"Ham-", "burger"}, 1},
                        {'I', {"Fish", "Sandwich"}, 5},
                        {'E', {"Chicken", "Sandwich"}, 8}};
const Key kSides[] = {{'F', {"Fries", nullptr}, 1},
                      {'S', {"Cheese", "Sticks"}, 1},
                      {'T', {"Tator", "Tots"}, 4},
                      {'N', {"Onion", "Rings"}, 7}};
const Key kDrinks[] = {{'K', {"Coke", nullptr}, 1},       {'G', {"Grape", "Soda"}, 1},
                       {'O', {"Orange", "Soda"}, 1},      {'P', {"Pepsi", nullptr}, 1},
                       {'R', {"Root", "Beer"}, 3},        {'L', {"Lemonade", nullptr}, 6}};

constexpr float kColumnWidth = 300, kColumnGap = 15, kPadLeft = 65;
constexpr float kRowTop = 196, kRowHeight = 92, kRowGap = 10;

const Rgb kInk = Hex(0x23262D);

void drawKey(Canvas& c, float left, float top, const Key* key, Rgb colour, Rgb dark, bool lit)
{
    const float right = left + kColumnWidth, bottom = top + kRowHeight;
    c.Fill(Box(left + 2, top + 6, right + 2, bottom + 6, 14), Hex(0x07080B), 0.8f);  // its shadow
    if (key == nullptr) {
        c.Fill(Box(left, top, right, bottom, 14), Vertical(top, Hex(0x3A404C), bottom, Hex(0x2A2E37)));
        return;
    }
    const float glow = lit ? 1.0f : 0.88f;
    c.Fill(Box(left, top, right, bottom, 14), Vertical(top, Hex(0xF7F4EC) * glow, bottom, Hex(0xCFC8B8) * glow));
    c.Fill(Box(left, top, left + 92, bottom, 14), Vertical(top, colour * glow, bottom, dark * glow));
    c.Fill(Box(left + 70, top, left + 92, bottom), Vertical(top, colour * glow, bottom, dark * glow));
    c.Fill(Box(left + 8, top + 5, right - 8, top + 12, 4), Hex(0xFFFFFF), 0.35f);
    DrawText(c, {Face::SansBold, 66}, std::string(1, key->letter), left + 46, top + 70, Solid(Hex(0xFFFFFF)),
             Align::Centre);
    const TextStyle name{Face::SansBold, 35, 0.86f};
    const float middle = left + 92 + (kColumnWidth - 92) / 2;
    if (key->name[1] == nullptr) {
        DrawTextFit(c, name, key->name[0], middle, top + 58, 190, Solid(kInk));
    } else {
        DrawTextFit(c, name, key->name[0], middle, top + 40, 190, Solid(kInk));
        DrawTextFit(c, name, key->name[1], middle, top + 78, 190, Solid(kInk));
    }
}

template <size_t N>
void drawColumn(Canvas& c, int column, const char* title, const Key (&keys)[N], Rgb colour, Rgb dark, int day,
                bool lit)
{
    const float left = kPadLeft + static_cast<float>(column) * (kColumnWidth + kColumnGap);
    c.Fill(Box(left, 134, left + kColumnWidth, 182, 10), Vertical(134, colour, 182, dark));
    DrawText(c, {Face::SansBold, 34, 1.0f, 4}, title, left + kColumnWidth / 2, 171, Solid(Hex(0xFFFFFF)),
             Align::Centre);
    for (size_t row = 0; row < 6; ++row) {
        const Key* key = row < N && keys[row].fromDay <= day ? &keys[row] : nullptr;
        drawKey(c, left, kRowTop + static_cast<float>(row) * (kRowHeight + kRowGap), key, colour, dark, lit);
    }
}

// A wide key that names what a plain key of the keyboard does here.
void drawCommandKey(Canvas& c, float left, float right, const char* key, const char* const (&action)[2])
{
    const float top = 818, bottom = 892;
    c.Fill(Box(left + 2, top + 6, right + 2, bottom + 6, 14), Hex(0x07080B), 0.8f);
    c.Fill(Box(left, top, right, bottom, 14), Vertical(top, Hex(0x59606E), bottom, Hex(0x3C424E)));
    c.Fill(Box(left + 8, top + 5, right - 8, top + 11, 4), Hex(0xFFFFFF), 0.25f);
    const TextStyle name{Face::SansBold, 40};
    DrawText(c, name, key, left + 26, top + 52, Solid(Hex(0xFFE082)));
    const float room = right - left - TextWidth(c, name, key) - 70;
    const float middle = right - 22 - room / 2;
    const TextStyle what{Face::SansBold, 30, 0.88f};
    if (action[1] == nullptr) {
        DrawTextFit(c, what, action[0], middle, top + 48, room, Solid(Hex(0xE8EAF0)));
    } else {
        DrawTextFit(c, what, action[0], middle, top + 33, room, Solid(Hex(0xE8EAF0)));
        DrawTextFit(c, what, action[1], middle, top + 64, room, Solid(Hex(0xE8EAF0)));
    }
}

void drawRegister(Canvas& c, int day, bool inUse)
{
    // The body.
    c.Fill(Box(18, 100, 1042, 1050, 40), Vertical(100, Hex(0x4A5263), 1050, Hex(0x1E222B)));
    c.Fill(Box(40, 118, 1020, 910, 26), Vertical(118, Hex(0x262B35), 910, Hex(0x171A21)));
    c.Fill(Box(30, 106, 1030, 116, 5), Hex(0xFFFFFF), 0.18f);

    drawColumn(c, 0, "BURGERS", kBurgers, Hex(0xE5392C), Hex(0x9C1A12), day, inUse);
    drawColumn(c, 1, "SIDES", kSides, Hex(0x2DAF4B), Hex(0x15692A), day, inUse);
    drawColumn(c, 2, "DRINKS", kDrinks, Hex(0x2E6FE8), Hex(0x123B8C), day, inUse);
    drawCommandKey(c, kPadLeft, kPadLeft + 2 * kColumnWidth + kColumnGap, "ENTER", {"answer the car", nullptr});
    drawCommandKey(c, kPadLeft + 2 * (kColumnWidth + kColumnGap), kPadLeft + 3 * kColumnWidth + 2 * kColumnGap,
                   "END", {"close", "order"});

    // The cash drawer.
    c.Fill(Box(40, 930, 1020, 1032, 18), Vertical(930, Hex(0x3B4250), 1032, Hex(0x222731)));
    c.Fill(Box(420, 966, 640, 990, 12), Vertical(966, Hex(0xC9CED8), 990, Hex(0x7D8390)));
    DrawText(c, {Face::SerifBold, 34, 1.0f, 3}, "QUORVEL", 150, 996, Solid(Hex(0x9AA3B5)), Align::Centre);

    // The receipt printer with its paper, longer while an order is keyed in.
    const float paperTop = inUse ? 6 : 46;
    c.Fill(Box(120, paperTop, 330, 112), Vertical(paperTop, Hex(0xFFFFFF), 112, Hex(0xD9D6CE)));
    for (float y = paperTop + 16; y < 96; y += 16)
        c.Fill(Box(140, y, 140 + 150 * (0.5f + 0.5f * Hash(static_cast<int>(y), 1, 14)), y + 5, 2), Hex(0x8A8A8A));
    c.Fill(Box(80, 96, 370, 130, 10), Vertical(96, Hex(0x5A6272), 130, Hex(0x2F3440)));
    c.Fill(Box(110, 106, 340, 114, 4), Hex(0x0B0C10));

    // The customer display on its post: dark glass where the total is printed.
    c.Fill(Box(740, 80, 780, 120), Hex(0x2C313C));
    c.Fill(Box(516, 0, 984, 96, 16), Vertical(0, Hex(0x5A6272), 96, Hex(0x323844)));
    const Shape glass = Box(536, 8, 964, 86, 8);
    if (inUse) {
        c.Fill(glass, Radial({750, 46}, 260, Hex(0x123D2A), Hex(0x06140E)));
        c.Fill(Outline(glass, 4), Hex(0x48E08A), 0.8f);
    } else {
        c.Fill(glass, Hex(0x05070A));
        c.Fill(Outline(glass, 3), Hex(0x151A20));
    }
    // The order lamp beside it.
    c.Fill(Circle(458, 48, 30), Hex(0x1D2129));
    if (inUse) {
        c.Glow({458, 48}, 70, Hex(0x3CFF7A), 0.5f);
        c.Fill(Circle(458, 48, 22), Radial({452, 42}, 22, Hex(0xD8FFE4), Hex(0x22C45A)));
    } else {
        c.Fill(Circle(458, 48, 22), Radial({452, 42}, 22, Hex(0x3A4A40), Hex(0x18221C)));
    }
}

}  // namespace

std::vector<PictureJob> RegisterPictures()
{
    std::vector<PictureJob> jobs;
    // The idle and in-use registers of days 1-2, then of each day to the eighth.
    int picture = Picture::CashRegister;
    for (int day = 2; day <= 8; ++day)
        for (bool inUse : {false, true})
            jobs.push_back(DrawnPicture(picture++, [day, inUse](Canvas& c) { drawRegister(c, day, inUse); }));
    return jobs;
}
