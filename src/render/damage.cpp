// Comparing two recorded frames: the draws that differ, their boxes on screen,
// and the parts to draw again.
#include "render/damage.h"

#include "render/sprites.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels added around every box: rasterising covers only pixels whose centres
// lie inside a quad, so one would do; two leave room for rounding.
constexpr double kMargin = 2.0;
// A part costs a pass over the draws that touch it: two parts whose joint box is
// at most this many pixels larger than the two apart are drawn as one.
constexpr long long kPartOverhead = 64 * 64;
constexpr size_t kMostParts = 8;
// Beyond this many boxes, pairing them up costs more than it saves: one box holds all.
constexpr size_t kMostBoxesToPair = 24;

// Scene units to the picture's normalised coordinates: sprites lie four units in
// front of the eye (UseSceneSpace), seen through a 45-degree perspective of
// aspect 4:3 (ResizeScene).
const double kFocal = 1.0 / std::tan(45.0 * 3.14159265358979323846 / 360.0);
constexpr double kSpriteDepth = 4.0;

// Text: each glyph's quad starts 10 units after the last and is at most 22 wide and high.
constexpr double kGlyphAdvance = 10.0, kGlyphSize = 22.0;

long long area(const PictureRect& r)
{
    return static_cast<long long>(r.width) * r.height;
}

PictureRect unite(const PictureRect& a, const PictureRect& b)
{
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

// Normalised coordinates (-1 to 1 across the picture) to whole window pixels, outwards.
PictureRect toPixels(double left, double bottom, double right, double top, const PictureRect& picture)
{
    const auto across = [](double n, int start, int size) { return start + (n + 1.0) * size / 2.0; };
    const int x0 = static_cast<int>(std::floor(across(left, picture.x, picture.width) - kMargin));
    const int y0 = static_cast<int>(std::floor(across(bottom, picture.y, picture.height) - kMargin));
    const int x1 = static_cast<int>(std::ceil(across(right, picture.x, picture.width) + kMargin));
    const int y1 = static_cast<int>(std::ceil(across(top, picture.y, picture.height) + kMargin));
    const int cx0 = std::max(x0, picture.x), cy0 = std::max(y0, picture.y);
    const int cx1 = std::min(x1, picture.x + picture.width), cy1 = std::min(y1, picture.y + picture.height);
    if (cx1 <= cx0 || cy1 <= cy0)
        return {};
    return {cx0, cy0, cx1 - cx0, cy1 - cy0};
}

bool sameDraw(const DrawLog& a, size_t i, const DrawLog& b, size_t j)
{
    const DrawRecord& r = a.records[i];
    if (!(r == b.records[j]))
        return false;
    return r.kind != DrawRecord::Kind::Stars || (a.starTilt == b.starTilt && a.stars == b.stars);
}

void addDraw(Damage& damage, const DrawRecord& record, const PictureRect& picture)
{
    if (record.kind == DrawRecord::Kind::Clear || record.kind == DrawRecord::Kind::Stars) {
        damage.whole = true;
        return;
    }
    const PictureRect box = DrawBounds(record, picture);
    if (box.width > 0)
        damage.parts.push_back(box);
}

void mergeParts(std::vector<PictureRect>& parts)
{
    if (parts.size() > kMostBoxesToPair) {
        for (const PictureRect& part : parts)
            parts.front() = unite(parts.front(), part);
        parts.resize(1);
        return;
    }
    const auto cost = [&parts](size_t i, size_t j) {
        return area(unite(parts[i], parts[j])) - area(parts[i]) - area(parts[j]);
    };
    for (;;) {
        size_t bestI = 0, bestJ = 0;
        long long best = 0;
        bool found = false;
        for (size_t i = 0; i < parts.size(); ++i)
            for (size_t j = i + 1; j < parts.size(); ++j)
                if (!found || cost(i, j) < best) {
                    best = cost(i, j);
                    bestI = i;
                    bestJ = j;
                    found = true;
                }
        if (!found || (best > kPartOverhead && parts.size() <= kMostParts))
            return;
        parts[bestI] = unite(parts[bestI], parts[bestJ]);
        parts.erase(parts.begin() + static_cast<long>(bestJ));
    }
}

}  // namespace

bool Overlap(const PictureRect& a, const PictureRect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

PictureRect DrawBounds(const DrawRecord& record, const PictureRect& picture)
{
    if (record.kind == DrawRecord::Kind::Text) {
        const double x = record.x, y = record.y;
        const double width = kGlyphAdvance * static_cast<double>(record.text.size()) + kGlyphSize;
        return toPixels(x / 320.0 - 1.0, y / 240.0 - 1.0, (x + width) / 320.0 - 1.0,
                        (y + kGlyphSize) / 240.0 - 1.0, picture);
    }
    if (record.kind == DrawRecord::Kind::Sprite) {
        SpriteQuad q;
        if (!SpriteQuadFor(record.index, record.sceneX, record.sceneY, record.scale, q))
            return {};
        const double sx = kFocal * 3.0 / 4.0 / kSpriteDepth, sy = kFocal / kSpriteDepth;
        return toPixels(sx * q.left, sy * q.bottom, sx * q.right, sy * q.top, picture);
    }
    return picture;
}

Damage FindDamage(const DrawLog& shown, const DrawLog& now, const PictureRect& picture)
{
    // Draws matched in order: a common start, a common end, and between them
    // draw against draw. What is left unmatched on either side is damage.
    const size_t n = shown.records.size(), m = now.records.size();
    size_t head = 0, tail = 0;
    while (head < std::min(n, m) && sameDraw(shown, head, now, head))
        ++head;
    while (tail < std::min(n, m) - head && sameDraw(shown, n - 1 - tail, now, m - 1 - tail))
        ++tail;
    Damage damage;
    for (size_t i = head; i < std::max(n, m) - tail; ++i) {
        const bool inShown = i < n - tail, inNow = i < m - tail;
        if (inShown && inNow && sameDraw(shown, i, now, i))
            continue;
        if (inShown)
            addDraw(damage, shown.records[i], picture);
        if (inNow)
            addDraw(damage, now.records[i], picture);
    }
    if (!damage.whole)
        mergeParts(damage.parts);
    long long covered = 0;
    for (const PictureRect& part : damage.parts)
        covered += area(part);
    // Drawn under a scissor, parts that cover most of the picture cost more than all of it.
    if (covered * 4 > area(picture) * 3)
        damage.whole = true;
    if (damage.whole)
        damage.parts.clear();
    return damage;
}
