// A floating-point RGB canvas: anti-aliased shapes, gradients, images and resampling.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

float length(float x, float y) { return std::sqrt(x * x + y * y); }

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Distance from p to the segment ab.
float segmentDistance(Point p, Point a, Point b)
{
    const float px = p.x - a.x, py = p.y - a.y;
    const float bx = b.x - a.x, by = b.y - a.y;
    const float len2 = bx * bx + by * by;
    const float h = len2 > 0.0f ? clamp01((px * bx + py * by) / len2) : 0.0f;
    return length(px - bx * h, py - by * h);
}

// For each output index, the source indices and weights: an area average when
// shrinking, linear interpolation when enlarging.
struct Tap {
    int index;
    float weight;
};

std::vector<std::vector<Tap>> resampleTaps(int from, int to)
{
    std::vector<std::vector<Tap>> taps(to);
    const float step = static_cast<float>(from) / static_cast<float>(to);
    for (int i = 0; i < to; ++i) {
        if (step >= 1.0f) {
            const float a = static_cast<float>(i) * step, b = a + step;
            float total = 0.0f;
            for (int j = static_cast<int>(std::floor(a)); j < static_cast<int>(std::ceil(b)); ++j) {
                const float w = std::min(b, static_cast<float>(j + 1)) - std::max(a, static_cast<float>(j));
                if (w <= 0.0f || j < 0 || j >= from)
                    continue;
                taps[i].push_back({j, w});
                total += w;
            }
            for (Tap& t : taps[i])
                t.weight /= total;
        } else {
            const float c = (static_cast<float>(i) + 0.5f) * step - 0.5f;
            const int j = static_cast<int>(std::floor(c));
            const float f = c - static_cast<float>(j);
            taps[i].push_back({std::clamp(j, 0, from - 1), 1.0f - f});
            taps[i].push_back({std::clamp(j + 1, 0, from - 1), f});
        }
    }
    return taps;
}

// Separable resampling of interleaved float channels.
std::vector<float> resampleChannels(const std::vector<float>& src, int sw, int sh, int channels, int dw,
                                    int dh)
{
    const auto xTaps = resampleTaps(sw, dw);
    const auto yTaps = resampleTaps(sh, dh);
    std::vector<float> mid(static_cast<size_t>(dw) * sh * channels, 0.0f);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < dw; ++x)
            for (const Tap& t : xTaps[x])
                for (int c = 0; c < channels; ++c)
                    mid[(static_cast<size_t>(y) * dw + x) * channels + c] +=
                        src[(static_cast<size_t>(y) * sw + t.index) * channels + c] * t.weight;
    std::vector<float> out(static_cast<size_t>(dw) * dh * channels, 0.0f);
    for (int y = 0; y < dh; ++y)
        for (const Tap& t : yTaps[y])
            for (int x = 0; x < dw; ++x)
                for (int c = 0; c < channels; ++c)
                    out[(static_cast<size_t>(y) * dw + x) * channels + c] +=
                        mid[(static_cast<size_t>(t.index) * dw + x) * channels + c] * t.weight;
    return out;
}

}  // namespace

Shape Circle(float cx, float cy, float radius)
{
    return {[=](float x, float y) { return length(x - cx, y - cy) - radius; }, cx - radius, cy - radius,
            cx + radius, cy + radius};
}

Shape Ellipse(float cx, float cy, float rx, float ry)
{
    // A close approximation of the true distance, exact on the axes.
    return {[=](float x, float y) {
                const float px = (x - cx) / rx, py = (y - cy) / ry;
                const float k0 = length(px, py);
                const float k1 = length(px / rx, py / ry);
                return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape Box(float left, float top, float right, float bottom, float radius)
{
    const float cx = (left + right) / 2.0f, cy = (top + bottom) / 2.0f;
    const float hx = (right - left) / 2.0f - radius, hy = (bottom - top) / 2.0f - radius;
    return {[=](float x, float y) {
                const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
                return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
                       radius;
            },
            left, top, right, bottom};
}

Shape Capsule(Point a, Point b, float radius)
{
    return {[=](float x, float y) { return segmentDistance({x, y}, a, b) - radius; },
            std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius, std::max(a.x, b.x) + radius,
            std::max(a.y, b.y) + radius};
}

Shape Polygon(std::vector<Point> points)
{
    Shape s;
    s.left = s.right = points[0].x;
    s.top = s.bottom = points[0].y;
    for (const Point& p : points) {
        s.left = std::min(s.left, p.x);
        s.right = std::max(s.right, p.x);
        s.top = std::min(s.top, p.y);
        s.bottom = std::max(s.bottom, p.y);
    }
    s.distance = [pts = std::move(points)](float x, float y) {
        float best = 1e30f;
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            best = std::min(best, segmentDistance({x, y}, pts[j], pts[i]));
            const Point a = pts[j], b = pts[i];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside ? -best : best;
    };
    return s;
}

Shape Star(float cx, float cy, float outer, float inner, int points, float degrees)
{
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        const float a = (degrees - 90.0f + 180.0f * static_cast<float>(i) / static_cast<float>(points)) * 3.14159265f / 180.0f;
        const float r = i % 2 == 0 ? outer : inner;
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Polygon(std::move(corners));
}

Shape Arc(float cx, float cy, float radius, float fromDegrees, float toDegrees, float width)
{
    const float a0 = fromDegrees * 3.14159265f / 180.0f, a1 = toDegrees * 3.14159265f / 180.0f;
    const Point p0{cx + radius * std::cos(a0), cy + radius * std::sin(a0)};
    const Point p1{cx + radius * std::cos(a1), cy + radius * std::sin(a1)};
    const float h = width / 2.0f;
    return {[=](float x, float y) {
                float a = std::atan2(y - cy, x - cx);
                while (a < a0)
                    a += 2.0f * 3.14159265f;
                if (a <= a1)
                    return std::abs(length(x - cx, y - cy) - radius) - h;
                return std::min(length(x - p0.x, y - p0.y), length(x - p1.x, y - p1.y)) - h;
            },
            cx - radius - h, cy - radius - h, cx + radius + h, cy + radius + h};
}

Shape Outline(const Shape& shape, float width)
{
    const float h = width / 2.0f;
    return {[d = shape.distance, h](float x, float y) { return std::abs(d(x, y)) - h; }, shape.left - h,
            shape.top - h, shape.right + h, shape.bottom + h};
}

Shape Union(const Shape& a, const Shape& b)
{
    return {[da = a.distance, db = b.distance](float x, float y) { return std::min(da(x, y), db(x, y)); },
            std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

Shape Intersect(const Shape& a, const Shape& b)
{
    return {[da = a.distance, db = b.distance](float x, float y) { return std::max(da(x, y), db(x, y)); },
            std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

Shape Subtract(const Shape& a, const Shape& b)
{
    return {[da = a.distance, db = b.distance](float x, float y) { return std::max(da(x, y), -db(x, y)); },
            a.left, a.top, a.right, a.bottom};
}

Shape Rotate(const Shape& shape, Point centre, float degrees)
{
    const float rad = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(rad), s = std::sin(rad);
    Shape out;
    out.distance = [d = shape.distance, centre, c, s](float x, float y) {
        const float dx = x - centre.x, dy = y - centre.y;
        return d(centre.x + dx * c + dy * s, centre.y - dx * s + dy * c);
    };
    out.left = out.top = 1e30f;
    out.right = out.bottom = -1e30f;
    for (Point p : {Point{shape.left, shape.top}, Point{shape.right, shape.top}, Point{shape.left, shape.bottom},
                    Point{shape.right, shape.bottom}}) {
        const float dx = p.x - centre.x, dy = p.y - centre.y;
        const float x = centre.x + dx * c - dy * s, y = centre.y + dx * s + dy * c;
        out.left = std::min(out.left, x);
        out.right = std::max(out.right, x);
        out.top = std::min(out.top, y);
        out.bottom = std::max(out.bottom, y);
    }
    return out;
}

Paint Solid(Rgb colour)
{
    return [colour](float, float) { return colour; };
}

Paint Linear(Point from, Rgb c0, Point to, Rgb c1)
{
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
    return [=](float x, float y) { return Mix(c0, c1, clamp01(((x - from.x) * dx + (y - from.y) * dy) / len2)); };
}

Paint Vertical(float top, Rgb c0, float bottom, Rgb c1)
{
    return Linear({0.0f, top}, c0, {0.0f, bottom}, c1);
}

Paint Radial(Point centre, float radius, Rgb inner, Rgb outer)
{
    return [=](float x, float y) { return Mix(inner, outer, clamp01(length(x - centre.x, y - centre.y) / radius)); };
}

RgbaImage Resample(const RgbaImage& image, int width, int height)
{
    RgbaImage out;
    out.width = width;
    out.height = height;
    out.rgba = resampleChannels(image.rgba, image.width, image.height, 4, width, height);
    return out;
}

Canvas::Canvas(int pixelWidth, int pixelHeight, float designWidth)
    : pixelWidth_(pixelWidth), pixelHeight_(pixelHeight),
      scale_(static_cast<float>(pixelWidth) / designWidth),
      pixels_(static_cast<size_t>(pixelWidth) * pixelHeight)
{
}

void Canvas::Blend(int x, int y, Rgb colour, float alpha, Mode mode)
{
    if (x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_ || alpha <= 0.0f)
        return;
    Rgb& p = pixels_[static_cast<size_t>(y) * pixelWidth_ + x];
    p = mode == Mode::Add ? p + colour * alpha : Mix(p, colour, std::min(alpha, 1.0f));
}

void Canvas::Dim(float factor)
{
    for (Rgb& p : pixels_)
        p = p * factor;
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float opacity, float feather, Mode mode)
{
    const float soft = std::max(1.0f, feather * scale_);  // width of the edge ramp in pixels
    const float margin = soft / scale_;
    const int x0 = std::max(0, static_cast<int>(std::floor((shape.left - margin) * scale_)));
    const int y0 = std::max(0, static_cast<int>(std::floor((shape.top - margin) * scale_)));
    const int x1 = std::min(pixelWidth_, static_cast<int>(std::ceil((shape.right + margin) * scale_)) + 1);
    const int y1 = std::min(pixelHeight_, static_cast<int>(std::ceil((shape.bottom + margin) * scale_)) + 1);
    // The distances change by at most one unit per unit moved, so a block whose
    // middle lies far enough outside (or inside) the edge is wholly so.
    constexpr int kBlock = 8;
    const float reach = 1.5f * (static_cast<float>(kBlock) * 0.7072f + 0.5f * soft);  // pixels, with room to spare
    for (int by = y0; by < y1; by += kBlock)
        for (int bx = x0; bx < x1; bx += kBlock) {
            const int ex = std::min(bx + kBlock, x1), ey = std::min(by + kBlock, y1);
            const float middle = shape.distance(static_cast<float>(bx + ex) / 2.0f / scale_,
                                                static_cast<float>(by + ey) / 2.0f / scale_) * scale_;
            if (middle > reach)
                continue;
            const bool whole = middle < -reach;
            for (int y = by; y < ey; ++y) {
                const float dy = (static_cast<float>(y) + 0.5f) / scale_;
                for (int x = bx; x < ex; ++x) {
                    const float dx = (static_cast<float>(x) + 0.5f) / scale_;
                    const float coverage = whole ? 1.0f : clamp01(0.5f - shape.distance(dx, dy) * scale_ / soft);
                    if (coverage > 0.0f)
                        Blend(x, y, paint(dx, dy), coverage * opacity, mode);
                }
            }
        }
}

void Canvas::Fill(const Shape& shape, Rgb colour, float opacity, float feather, Mode mode)
{
    Fill(shape, Solid(colour), opacity, feather, mode);
}

void Canvas::Glow(Point centre, float radius, Rgb colour, float strength)
{
    const Shape area = Circle(centre.x, centre.y, radius);
    const int x0 = std::max(0, static_cast<int>(area.left * scale_));
    const int y0 = std::max(0, static_cast<int>(area.top * scale_));
    const int x1 = std::min(pixelWidth_, static_cast<int>(area.right * scale_) + 2);
    const int y1 = std::min(pixelHeight_, static_cast<int>(area.bottom * scale_) + 2);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float d = length((static_cast<float>(x) + 0.5f) / scale_ - centre.x,
                                   (static_cast<float>(y) + 0.5f) / scale_ - centre.y) / radius;
            if (d < 1.0f) {
                const float f = (1.0f - d) * (1.0f - d);
                Blend(x, y, colour, f * strength, Mode::Add);
            }
        }
}

void Canvas::DrawMask(const std::vector<float>& coverage, int width, int height, int px, int py,
                      const Paint& paint, float opacity)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float a = coverage[static_cast<size_t>(y) * width + x];
            if (a > 0.0f)
                Blend(px + x, py + y,
                      paint((static_cast<float>(px + x) + 0.5f) / scale_, (static_cast<float>(py + y) + 0.5f) / scale_),
                      a * opacity);
        }
}

void Canvas::DrawImage(const RgbaImage& image, float left, float top, float width, float height, float opacity,
                       bool mirror)
{
    const int pw = std::max(1, static_cast<int>(std::lround(width * scale_)));
    const int ph = std::max(1, static_cast<int>(std::lround(height * scale_)));
    const int px = static_cast<int>(std::lround(left * scale_));
    const int py = static_cast<int>(std::lround(top * scale_));
    const RgbaImage sized = Resample(image, pw, ph);
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) {
            const int sx = mirror ? pw - 1 - x : x;
            const float* s = &sized.rgba[(static_cast<size_t>(y) * pw + sx) * 4];
            const int tx = px + x, ty = py + y;
            if (tx < 0 || ty < 0 || tx >= pixelWidth_ || ty >= pixelHeight_)
                continue;
            const float a = clamp01(s[3] * opacity);
            if (a <= 0.0f)
                continue;
            Rgb& d = pixels_[static_cast<size_t>(ty) * pixelWidth_ + tx];
            d = d * (1.0f - a) + Rgb{s[0], s[1], s[2]} * opacity;
        }
}

RgbImage Canvas::ToImage(int width, int height) const
{
    std::vector<float> channels(pixels_.size() * 3);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        channels[i * 3] = pixels_[i].r;
        channels[i * 3 + 1] = pixels_[i].g;
        channels[i * 3 + 2] = pixels_[i].b;
    }
    const std::vector<float> sized = resampleChannels(channels, pixelWidth_, pixelHeight_, 3, width, height);
    RgbImage picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(sized.size());
    for (size_t i = 0; i < sized.size(); ++i)
        picture.rgb[i] = static_cast<uint8_t>(clamp01(sized[i]) * 255.0f + 0.5f);
    return picture;
}
