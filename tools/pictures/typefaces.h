// Text through FreeType (Debian's DejaVu faces) and colour emoji (Noto Color Emoji,
// shaped with HarfBuzz so that joined sequences find their picture).
#pragma once
#include "canvas.h"

#include <string>
#include <string_view>

enum class Face { SansBold, MonoBold, SerifBold, Count };

struct TextStyle {
    Face face = Face::SansBold;
    float size = 20.0f;     // em size in design units
    float stretch = 1.0f;   // horizontal scale (below 1 narrows the letters)
    float tracking = 0.0f;  // extra room after each letter, design units
};

enum class Align { Left, Centre, Right };

// False (with a message on standard error) when a font file is missing.
bool OpenTypefaces();

// The advance width of a line of text in design units.
float TextWidth(const Canvas& canvas, const TextStyle& style, std::string_view text);

// One line of text with its baseline at y, placed by align about x.
void DrawText(Canvas& canvas, const TextStyle& style, std::string_view text, float x, float y, const Paint& paint,
              Align align = Align::Left, float opacity = 1.0f);

// As DrawText centred on x, narrowed when needed so that it is at most maxWidth wide.
void DrawTextFit(Canvas& canvas, TextStyle style, std::string_view text, float x, float y, float maxWidth,
                 const Paint& paint, float opacity = 1.0f);

// A glyph rendered at an exact pixel size, for the font picture.
struct GlyphMask {
    int width = 0, height = 0;
    int left = 0, top = 0;  // from the pen position on the baseline; top is upwards
    std::vector<float> coverage;
};
GlyphMask RenderGlyph(Face face, char32_t code, float pixelSize, float stretch, float embolden = 0.0f);

// The emoji of a code point sequence as a premultiplied picture (the 136 x 128 strike).
const RgbaImage& Emoji(const std::u32string& sequence);

// An emoji fitted into a box of that height (its width keeps the strike's proportion),
// centred on (cx, cy).
void DrawEmoji(Canvas& canvas, const std::u32string& sequence, float cx, float cy, float height,
               float opacity = 1.0f, bool mirror = false);
