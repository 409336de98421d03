// A floating-point RGB canvas: anti-aliased shapes, gradients, images and resampling.
#pragma once
#include "bmp_writer.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1.0f - t) + b * t; }
constexpr Rgb Hex(uint32_t v)
{
    return {static_cast<float>((v >> 16) & 255) / 255.0f, static_cast<float>((v >> 8) & 255) / 255.0f,
            static_cast<float>(v & 255) / 255.0f};
}

struct Point {
    float x = 0, y = 0;
};

// A region of the plane in design units (y grows downwards): its signed distance,
// negative inside, and a box that holds it.
struct Shape {
    std::function<float(float, float)> distance;
    float left = 0, top = 0, right = 0, bottom = 0;
};

Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Box(float left, float top, float right, float bottom, float radius = 0.0f);
Shape Capsule(Point a, Point b, float radius);  // a thick line with round ends
Shape Polygon(std::vector<Point> points);
Shape Star(float cx, float cy, float outer, float inner, int points, float degrees = 0.0f);
Shape Arc(float cx, float cy, float radius, float fromDegrees, float toDegrees, float width);  // clockwise, 0 = east
Shape Outline(const Shape& shape, float width);  // a band of that width along the edge
Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);
Shape Rotate(const Shape& shape, Point centre, float degrees);

// Colour as a function of the position in design units.
using Paint = std::function<Rgb(float, float)>;
Paint Solid(Rgb colour);
Paint Linear(Point from, Rgb c0, Point to, Rgb c1);
Paint Vertical(float top, Rgb c0, float bottom, Rgb c1);
Paint Radial(Point centre, float radius, Rgb inner, Rgb outer);

// A picture with premultiplied alpha: emoji, rendered text.
struct RgbaImage {
    int width = 0, height = 0;
    std::vector<float> rgba;  // four floats a pixel, top row first
};

RgbaImage Resample(const RgbaImage& image, int width, int height);

// Small deterministic noise in [0, 1).
float Hash(int x, int y, int seed);
// Smooth value noise in [0, 1) varying over about `cell` design units.
float Noise(float x, float y, float cell, int seed);

enum class Mode { Over, Add };

class Canvas {
public:
    // pixelWidth x pixelHeight square pixels showing designWidth design units across.
    Canvas(int pixelWidth, int pixelHeight, float designWidth);

    float Width() const { return static_cast<float>(pixelWidth_) / scale_; }
    float Height() const { return static_cast<float>(pixelHeight_) / scale_; }
    float Scale() const { return scale_; }  // pixels per design unit

    // feather widens the soft edge to that many design units (shadows and glows).
    void Fill(const Shape& shape, const Paint& paint, float opacity = 1.0f, float feather = 0.0f,
              Mode mode = Mode::Over);
    void Fill(const Shape& shape, Rgb colour, float opacity = 1.0f, float feather = 0.0f,
              Mode mode = Mode::Over);
    // Light added around a point, fading to nothing at radius.
    void Glow(Point centre, float radius, Rgb colour, float strength = 1.0f);

    // A coverage mask placed with its top-left pixel at (px, py).
    void DrawMask(const std::vector<float>& coverage, int width, int height, int px, int py,
                  const Paint& paint, float opacity = 1.0f);
    // An image stretched over a box in design units.
    void DrawImage(const RgbaImage& image, float left, float top, float width, float height,
                   float opacity = 1.0f, bool mirror = false);

    void Blend(int x, int y, Rgb colour, float alpha, Mode mode = Mode::Over);
    // Scales every pixel (pictures that the game draws twice over, additively).
    void Dim(float factor);

    // Area-resampled to the picture's size, then rounded to 8 bits.
    RgbImage ToImage(int width, int height) const;

private:
    int pixelWidth_, pixelHeight_;
    float scale_;
    std::vector<Rgb> pixels_;
};
