// The font picture (two typefaces in a 16 x 16 grid of glyph cells) and the star particle.
#include "pictures.h"
#include "typefaces.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFontSize = pictureTable[Picture::Font].pixelWidth;
static_assert(pictureTable[Picture::Font].pixelHeight == kFontSize, "the glyph cells are square");
constexpr int kCell = kFontSize / 16;

// The glyph quads stretch the part of a cell they read over a slanted quad on
// screen: (0, 0), (10, 0), (11, 11), (0, 11) for the small text (the large is the
// same shape twice over, the medium almost), in text units with y upwards, reading
// the texture at (0, 0.06), (0.0618, 0.0662), (0.071, 0), (0, 0) below the cell's
// top-left corner. The corners below are in units of the quad's height on screen
// and in texels of the cell (y downwards); each letter is drawn upright on screen
// and carried into the cell through this mapping, so baselines stay level and
// rules of underscores stay straight.
constexpr Point kScreenCorners[4] = {{0.0f, 0.0f}, {10.0f / 11.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
constexpr Point kCellCorners[4] = {{0.0f, 0.06f * kFontSize},
                                   {0.0618f * kFontSize, 0.0662f * kFontSize},
                                   {0.071f * kFontSize, 0.0f},
                                   {0.0f, 0.0f}};

// Where letters go on screen, in units of the quad's height: inside this box the
// ink lands in the part of the cell that its own quad reads and no neighbour's.
constexpr float kInkLeft = 0.145f, kInkRight = 0.865f;
constexpr float kInkBottom = 0.04f, kInkTop = 0.935f;

struct Barycentric {
    float a, b, c;
};

Barycentric barycentric(Point p, Point a, Point b, Point c)
{
    const float d = (b.y - c.y) * (a.x - c.x) + (c.x - b.x) * (a.y - c.y);
    const float l1 = ((b.y - c.y) * (p.x - c.x) + (c.x - b.x) * (p.y - c.y)) / d;
    const float l2 = ((c.y - a.y) * (p.x - c.x) + (a.x - c.x) * (p.y - c.y)) / d;
    return {l1, l2, 1.0f - l1 - l2};
}

// The screen point that a point of the cell is drawn at, through the two triangles
// (i, j, k) and (i, k, l) a quad is split into.
Point toScreen(Point p, int i, int j, int k, int l)
{
    const int first[3] = {i, j, k}, second[3] = {i, k, l};
    const Barycentric b1 = barycentric(p, kCellCorners[i], kCellCorners[j], kCellCorners[k]);
    const Barycentric b2 = barycentric(p, kCellCorners[i], kCellCorners[k], kCellCorners[l]);
    const bool useFirst = std::min({b1.a, b1.b, b1.c}) >= std::min({b2.a, b2.b, b2.c});
    const int* v = useFirst ? first : second;
    const Barycentric b = useFirst ? b1 : b2;
    return {b.a * kScreenCorners[v[0]].x + b.b * kScreenCorners[v[1]].x + b.c * kScreenCorners[v[2]].x,
            b.a * kScreenCorners[v[0]].y + b.b * kScreenCorners[v[1]].y + b.c * kScreenCorners[v[2]].y};
}

// Drivers split a quad along either diagonal; the mean of both is within a fraction
// of a texel of each.
Point cellToScreen(Point p)
{
    const Point a = toScreen(p, 0, 1, 2, 3);
    const Point b = toScreen(p, 1, 2, 3, 0);
    return {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f};
}

bool insideQuad(Point p, Point offset)
{
    bool inside = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        const Point a{kCellCorners[j].x + offset.x, kCellCorners[j].y + offset.y};
        const Point b{kCellCorners[i].x + offset.x, kCellCorners[i].y + offset.y};
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// A texel may hold ink when linear filtering cannot carry it into a neighbour's
// quad: no point of the cell's left, upper or upper-left neighbour quad, nor of the
// cells to the right and below, lies within one texel of its centre.
bool safeTexel(int x, int y)
{
    if (x >= kCell - 1 || y >= kCell - 1)
        return false;
    const float cx = static_cast<float>(x) + 0.5f, cy = static_cast<float>(y) + 0.5f;
    const float k = static_cast<float>(kCell);
    for (Point offset : {Point{-k, 0.0f}, Point{0.0f, -k}, Point{-k, -k}})
        for (float dy = -1.0f; dy <= 1.0f; dy += 0.25f)
            for (float dx = -1.0f; dx <= 1.0f; dx += 0.25f)
                if (insideQuad({cx + dx, cy + dy}, offset))
                    return false;
    return true;
}

// A letter drawn upright at a high resolution in screen units of the quad height.
struct ScreenGlyph {
    static constexpr float kResolution = 128.0f;  // pixels per quad height
    GlyphMask mask;
    float originX = 0, baseline = 0;  // quad units of the pen position

    float coverage(Point s) const
    {
        const float fx = (s.x - originX) * kResolution - static_cast<float>(mask.left) - 0.5f;
        const float fy = (baseline - s.y) * kResolution + static_cast<float>(mask.top) - 0.5f;
        const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        const float ax = fx - static_cast<float>(x0), ay = fy - static_cast<float>(y0);
        auto at = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= mask.width || y >= mask.height)
                return 0.0f;
            return mask.coverage[static_cast<size_t>(y) * mask.width + x];
        };
        return (at(x0, y0) * (1 - ax) + at(x0 + 1, y0) * ax) * (1 - ay) +
               (at(x0, y0 + 1) * (1 - ax) + at(x0 + 1, y0 + 1) * ax) * ay;
    }
};

struct TypefaceLayout {
    Face face;
    int firstGlyph;    // glyph of character 32
    float widthShare;  // the widest letter as a share of the ink box width (at most 1 is kept)
    float embolden;    // extra stroke weight as a share of the em
};

// The extent of the printable ASCII letters at a probe size.
struct Extent {
    float above = 0, below = 0, widest = 0;
};

Extent measure(Face face, float pixelSize)
{
    Extent e;
    for (char32_t c = 33; c < 127; ++c) {
        const GlyphMask g = RenderGlyph(face, c, pixelSize, 1.0f);
        e.above = std::max(e.above, static_cast<float>(g.top));
        e.below = std::max(e.below, static_cast<float>(g.height - g.top));
        e.widest = std::max(e.widest, static_cast<float>(g.width));
    }
    return e;
}

void drawTypeface(Canvas& canvas, const std::vector<bool>& safe, const TypefaceLayout& layout)
{
    const float probe = 100.0f;
    const Extent e = measure(layout.face, probe);
    const float em = (kInkTop - kInkBottom) / ((e.above + e.below) / probe);  // in quad heights
    const float stretch = (kInkRight - kInkLeft) * layout.widthShare / (e.widest / probe * em);
    const float pixelSize = em * ScreenGlyph::kResolution;
    const float baseline = kInkBottom + e.below / probe * em;
    const float middle = (kInkLeft + kInkRight) / 2.0f;

    for (char32_t c = 33; c < 127; ++c) {
        ScreenGlyph glyph;
        // Letters wider than the box (with a share above 1, the widest) are narrowed to fit.
        const float box = (kInkRight - kInkLeft) * ScreenGlyph::kResolution;
        glyph.mask = RenderGlyph(layout.face, c, pixelSize, stretch, layout.embolden * pixelSize);
        for (float fit = stretch; static_cast<float>(glyph.mask.width) > box;) {
            fit *= box / static_cast<float>(glyph.mask.width) * 0.995f;
            glyph.mask = RenderGlyph(layout.face, c, pixelSize, fit, layout.embolden * pixelSize);
        }
        if (c == '_') {
            // A rule as wide as the bottom of the quad allows, so that a row of them
            // joins up in the medium and large text.
            glyph.mask.width = static_cast<int>(0.83f * ScreenGlyph::kResolution);
            glyph.mask.height = static_cast<int>(0.06f * ScreenGlyph::kResolution);
            glyph.mask.left = 0;
            glyph.mask.top = static_cast<int>((kInkBottom + 0.005f - baseline) * ScreenGlyph::kResolution) +
                             glyph.mask.height;
            glyph.mask.coverage.assign(static_cast<size_t>(glyph.mask.width) * glyph.mask.height, 1.0f);
            glyph.originX = 0.05f;
        } else {
            glyph.originX = middle - (static_cast<float>(glyph.mask.left) + static_cast<float>(glyph.mask.width) / 2.0f) /
                                         ScreenGlyph::kResolution;
        }
        glyph.baseline = baseline;

        const int index = layout.firstGlyph + static_cast<int>(c) - 32;
        const int cellLeft = (index % 16) * kCell, cellTop = (index / 16) * kCell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                if (!safe[static_cast<size_t>(y) * kCell + x])
                    continue;
                float sum = 0.0f;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx) {
                        const Point p{static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4.0f,
                                      static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4.0f};
                        sum += glyph.coverage(cellToScreen(p));
                    }
                canvas.Blend(cellLeft + x, cellTop + y, {1.0f, 1.0f, 1.0f}, sum / 16.0f);
            }
    }
}

RgbImage fontPicture()
{
    std::vector<bool> safe(kCell * kCell);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            safe[static_cast<size_t>(y) * kCell + x] = safeTexel(x, y);
    Canvas canvas(kFontSize, kFontSize, kFontSize);
    drawTypeface(canvas, safe, {Face::MonoBold, 0, 0.86f, 0.0f});
    drawTypeface(canvas, safe, {Face::SerifBold, 128, 1.15f, 0.05f});
    return canvas.ToImage(kFontSize, kFontSize);
}

// A soft round particle: the credits draw it on quads about a third of the window
// high, so the light gathers in a small bright core with a faint halo and fades to
// black well inside the edge.
void drawStar(Canvas& c)
{
    const float m = c.Width() / 2.0f;
    c.Glow({m, m}, m * 0.6f, {0.25f, 0.25f, 0.25f});
    c.Glow({m, m}, m * 0.24f, {0.9f, 0.9f, 0.9f});
    c.Glow({m, m}, m * 0.1f, {1.0f, 1.0f, 1.0f});
}

}  // namespace

std::vector<PictureJob> LetteringPictures()
{
    std::vector<PictureJob> jobs;
    jobs.push_back({Picture::Font, nullptr, fontPicture});
    jobs.push_back(DrawnPicture(Picture::Star, drawStar));
    return jobs;
}
