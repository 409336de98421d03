// The glyph quads of the three font blocks, and the two print calls.
#include "render/text.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"

#include <GL/gl.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

struct FontBlock {
    float right;     // x of the second vertex
    float topRight;  // x of the third vertex
    float height;
};
constexpr FontBlock large{20.0f, 22.0f, 22.0f};
constexpr FontBlock medium{13.0f, 14.0f, 14.0f};
constexpr FontBlock small{10.0f, 11.0f, 11.0f};

// The four corners of glyph g at x along the line: texture and vertex
// coordinates, counter-clockwise from the bottom left.
struct GlyphQuad {
    float s[4], t[4], x[4], y[4];
};

GlyphQuad glyphQuad(const FontBlock& block, int g, float x)
{
    float cx = static_cast<float>(g % 16) / 16.0f;
    float cy = static_cast<float>(g / 16) / 16.0f;
    float t = 1.0f - cy;
    return {{cx, cx + 0.0618f, cx + 0.071f, cx},
            {t - 0.06f, t - 0.0662f, t, t},
            {x, x + block.right, x + block.topRight, x},
            {0.0f, 0.0f, block.height, block.height}};
}

void drawText(int x, int y, int style, const char* text)
{
    if (style < 0 || style > 5)
        style = 1;

    DrawRecord record = RecordInCurrentState(DrawRecord::Kind::Text);
    record.x = x;
    record.y = y;
    record.style = style;
    record.text = text;
    LogDraw(std::move(record));

    if (!renderState.useGL)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, FontTexture());
    glDisable(GL_DEPTH_TEST);
    UseTextSpace(x, y);
    const FontBlock* blocks[3] = {&small, &medium, &large};
    const FontBlock& block = *blocks[style % 3];
    // The glyph quads, sent directly rather than from display lists: Mesa's software
    // renderer replays a run of different lists some thirty times slower (about 0.1 ms
    // a glyph), and WebGL has none. Each quad is split into triangles the way the
    // renderer split the lists' quads, so the pixels stay the same. A character whose
    // glyph number falls outside the block draws nothing.
    const int glyphOffset = style < 3 ? -32 : 96;
    glBegin(GL_TRIANGLES);
    float advance = 0.0f;
    for (const char* c = text; *c != '\0'; ++c) {
        const int g = static_cast<unsigned char>(*c) + glyphOffset;
        if (g < 0 || g > 255)
            continue;
        const GlyphQuad q = glyphQuad(block, g, advance);
        for (int i : {0, 1, 3, 1, 2, 3}) {
            glTexCoord2f(q.s[i], q.t[i]);
            glVertex2f(q.x[i], q.y[i]);
        }
        advance += 10.0f;
    }
    glEnd();
}

}  // namespace

void PrintFormatted(int x, int y, int style, const char* format, ...)
{
    if (format == nullptr)
        return;
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    drawText(x, y, style, buffer);
}

void PrintText(int x, int y, const char* colourName, int style, const char* text)
{
    SetColourByName(colourName);
    if (text != nullptr)
        PrintFormatted(x, y, style, "%s", text);
}
