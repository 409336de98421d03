// The district manager's bulletin: the memo that announces the item coming on
// sale with the next day.
#include "screens/between_days_screens.h"

#include "model/pictures.h"
#include "render/toolkit.h"

#include <cstring>

namespace {

struct Announcement {
    const char* title;
    const char* lines[4];
};

const Announcement kNothingNew = {"none", {"N/A", "", "", ""}};

// By the number of the day just closed, from day 2 to day 7.
const Announcement kAnnouncements[] = {
    {"Drink - 'Root Beer'", {"Mouthwatering root beer has", "finally arrived! Get a cold", "glass of some today!", ""}},
    {"Side - 'Tator Tots'", {"A generous portion of golden", "brown tots lightly salted to", "perfection!", ""}},
    {"Burger - 'Fish Sandwich'", {"Catch of the day! Comes with", "delicious tartar sauce and freshly", "cut lettuce!", ""}},
    {"Drink - 'Lemonade'", {"Hot? Thirsty? Lemonade is perfect", "for those Summer days when you just", "want to relax!", ""}},
    {"Side - 'Onion Rings'", {"Homemade onion rings. Real Vidalia", "onions battered and browned to a", "satisfying crunch!", ""}},
    {"Burger- 'Chicken Sandwich'", {"Crispy chicken served on warm", "fresh bread with delicious mayo,", "freshly cut lettuce, and vine", "ripened tomatoes!"}},
};

const Announcement& announcementAfter(int dayNumber)
{
    if (dayNumber < 2 || dayNumber > 7)
        return kNothingNew;
    return kAnnouncements[dayNumber - 2];
}

}  // namespace

void DrawBulletin(const BulletinFrame& bulletin)
{
    PrintText(127, 450, "Red", 2, "From District Manager, Mr. Adler:");
    PrintText(127, 430, "Red", 2, "----------------------------------");
    SetColourByName("White");
    PrintFormatted(258, 380, 1, "- Day %lld -", static_cast<long long>(bulletin.dayNumber) + 1);

    const Announcement& news = announcementAfter(bulletin.dayNumber);
    PrintText(130, 300, "Cyan", 1, "New Item:");
    PrintText(130, 210, "Cyan", 1, "New Item Description (Propaganda):");
    SetColourByName("White");
    // The burger titles sort before this one and start further right.
    const int titleX = std::strcmp(news.title, "Burger- 'Chicken Sandwich'") <= 0 ? 240 : 220;
    PrintFormatted(titleX, 300, 4, "%s", news.title);
    const int lineY[4] = {190, 170, 150, 130};
    for (int i = 0; i < 4; ++i)
        PrintFormatted(132, lineY[i], 4, "%s", news.lines[i]);
    PrintText(190, 58, "Green", 5, "SELL!!  SELL!!  SELL!!");
    PrintText(8, 8, "Gray85", 0, "Press <enter> to start new day");

    SetBlending(true);
    DrawSprite("White", Picture::VerticalRuleThin, -1.325f, 0.1f, 6.11f);
    DrawSprite("White", Picture::VerticalRuleThin, 1.101f, 0.1f, 6.11f);
    DrawSprite("White", Picture::HorizontalRuleThin, -0.12f, -1.419f, 4.847f);
    DrawSprite("White", Picture::HorizontalRuleThin, -0.12f, 1.6235f, 4.847f);
    // Added onto the memo, a dark blue.
    SetColour(0.0f, 0.0f, 0.3f);
    DrawSprite("", Picture::Memo, -0.12f, 0.1f, 3.05f);
    SetBlending(false);
}
