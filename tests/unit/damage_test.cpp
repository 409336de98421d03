// Comparing two recorded frames: what must be drawn again covers every draw that
// differs, where it was and where it is, and no more than the frame asks.
#include "render/damage.h"

#include <gtest/gtest.h>

namespace {

const PictureRect kPicture{0, 0, 800, 600};

DrawRecord text(int x, int y, const char* s, float red = 1.0f)
{
    DrawRecord r;
    r.kind = DrawRecord::Kind::Text;
    r.x = x;
    r.y = y;
    r.style = 1;
    r.text = s;
    r.rgba[0] = red;
    r.rgba[3] = 1.0f;
    return r;
}

DrawLog frame(std::vector<DrawRecord> draws)
{
    DrawLog log;
    DrawRecord clear;
    log.records.push_back(clear);
    for (DrawRecord& r : draws)
        log.records.push_back(std::move(r));
    return log;
}

bool covered(const Damage& damage, const DrawRecord& r)
{
    const PictureRect box = DrawBounds(r, kPicture);
    for (const PictureRect& p : damage.parts)
        if (p.x <= box.x && p.y <= box.y && p.x + p.width >= box.x + box.width &&
            p.y + p.height >= box.y + box.height)
            return true;
    return false;
}

}  // namespace

TEST(Damage, CoversTheDrawsThatDifferWhereTheyWereAndWhereTheyAre)
{
    const DrawLog shown =
        frame({text(10, 400, "score"), text(100, 200, "menu"), text(500, 20, "clock 6:00")});
    EXPECT_EQ(FindDamage(shown, shown, kPicture).parts.size(), 0u);
    EXPECT_FALSE(FindDamage(shown, shown, kPicture).whole);

    // A colour and a move: both places are drawn again, the rest is left.
    const DrawLog now =
        frame({text(10, 400, "score"), text(100, 200, "menu", 0.5f), text(520, 20, "clock 6:01")});
    const Damage damage = FindDamage(shown, now, kPicture);
    EXPECT_FALSE(damage.whole);
    for (const DrawRecord* r : {&shown.records[2], &now.records[2], &shown.records[3], &now.records[3]})
        EXPECT_TRUE(covered(damage, *r)) << r->text;
    EXPECT_FALSE(covered(damage, shown.records[1]));

    // A draw added in the middle: the draws after it are matched still.
    const DrawLog added = frame({text(10, 400, "score"), text(300, 300, "new"), text(100, 200, "menu"),
                                 text(500, 20, "clock 6:00")});
    const Damage insert = FindDamage(shown, added, kPicture);
    ASSERT_EQ(insert.parts.size(), 1u);
    EXPECT_TRUE(covered(insert, added.records[2]));
    EXPECT_FALSE(covered(insert, shown.records[3]));
}

TEST(Damage, AClearOrStarsThatDifferRedrawEverything)
{
    const DrawLog shown = frame({text(10, 400, "score")});
    DrawLog flash = shown;
    flash.records[0].rgba[0] = 1.0f;
    EXPECT_TRUE(FindDamage(shown, flash, kPicture).whole);

    DrawRecord stars;
    stars.kind = DrawRecord::Kind::Stars;
    DrawLog starry = frame({stars, text(10, 400, "score")});
    starry.stars.push_back({10.0f, 1.0f, 0.0f, 255, 255, 255});
    DrawLog turned = starry;
    turned.stars[0].angle = 11.0f;
    EXPECT_FALSE(FindDamage(starry, starry, kPicture).whole);
    EXPECT_TRUE(FindDamage(starry, turned, kPicture).whole);
}

TEST(Damage, BoxesLieInsideThePictureAndOutsideItDamageNothing)
{
    const PictureRect barred{100, 0, 600, 450};  // a wider window: bars at the sides
    const PictureRect box = DrawBounds(text(0, 0, "Closing 95%"), barred);
    EXPECT_EQ(box.x, 100);
    EXPECT_EQ(box.y, 0);
    EXPECT_GT(box.width, 0);
    EXPECT_EQ(DrawBounds(text(700, 200, "off to the right"), barred).width, 0);
}
