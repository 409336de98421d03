// Text through FreeType (Debian's DejaVu faces) and colour emoji (Noto Color Emoji,
// shaped with HarfBuzz so that joined sequences find their picture).
#include "typefaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <hb-ft.h>
#include <hb.h>

#include <cmath>
#include <cstdio>
#include <map>

namespace {

const char* const kFontFolder = "/usr/share/fonts/truetype/dejavu/";
const char* const kFaceFiles[] = {"DejaVuSans-Bold.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSerif-Bold.ttf"};
const char* const kEmojiFile = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

struct Typefaces {
    FT_Library library = nullptr;
    FT_Face faces[static_cast<int>(Face::Count)] = {};
    FT_Face emoji = nullptr;
    hb_font_t* emojiShaper = nullptr;
    std::map<std::u32string, RgbaImage> emojiCache;
};

Typefaces& typefaces()
{
    static Typefaces t;
    return t;
}

// Decodes UTF-8; the pictures only print ASCII and a few symbols.
std::u32string decode(std::string_view text)
{
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < text.size(); --extra, ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out.push_back(code);
    }
    return out;
}

FT_Face setUp(Face face, float pixelSize)
{
    FT_Face f = typefaces().faces[static_cast<int>(face)];
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64.0f)), 72, 72);
    return f;
}

void setTransform(FT_Face f, float stretch, float penFraction)
{
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(stretch * 65536.0f)), 0, 0, 0x10000};
    FT_Vector delta{static_cast<FT_Pos>(std::lround(penFraction * 64.0f)), 0};
    FT_Set_Transform(f, &matrix, &delta);
}

// Walks a line of text: calls place(glyph slot, integer pen x) for each letter.
template <typename Place>
float layOut(Face face, float pixelSize, float stretch, float trackingPx, std::string_view text, float penX,
             bool render, Place place)
{
    FT_Face f = setUp(face, pixelSize);
    const std::u32string codes = decode(text);
    for (size_t i = 0; i < codes.size(); ++i) {
        const float whole = std::floor(penX);
        setTransform(f, stretch, penX - whole);
        if (FT_Load_Char(f, codes[i], FT_LOAD_NO_HINTING | (render ? FT_LOAD_RENDER : 0)) != 0)
            continue;
        place(f->glyph, static_cast<int>(whole));
        penX += static_cast<float>(f->glyph->advance.x) / 64.0f;
        if (i + 1 < codes.size())
            penX += trackingPx;
    }
    setTransform(f, 1.0f, 0.0f);
    return penX;
}

}  // namespace

bool OpenTypefaces()
{
    Typefaces& t = typefaces();
    if (t.library != nullptr)
        return true;
    if (FT_Init_FreeType(&t.library) != 0) {
        std::fprintf(stderr, "quorvel-pictures: FreeType could not start\n");
        return false;
    }
    for (int i = 0; i < static_cast<int>(Face::Count); ++i) {
        const std::string path = std::string(kFontFolder) + kFaceFiles[i];
        if (FT_New_Face(t.library, path.c_str(), 0, &t.faces[i]) != 0) {
            std::fprintf(stderr, "quorvel-pictures: cannot open %s (Debian package fonts-dejavu-core)\n",
                         path.c_str());
            return false;
        }
    }
    if (FT_New_Face(t.library, kEmojiFile, 0, &t.emoji) != 0 || t.emoji->num_fixed_sizes < 1) {
        std::fprintf(stderr, "quorvel-pictures: cannot open %s (Debian package fonts-noto-color-emoji)\n",
                     kEmojiFile);
        return false;
    }
    FT_Select_Size(t.emoji, 0);
    t.emojiShaper = hb_ft_font_create_referenced(t.emoji);
    return true;
}

float TextWidth(const Canvas& canvas, const TextStyle& style, std::string_view text)
{
    const float scale = canvas.Scale();
    const float end = layOut(style.face, style.size * scale, style.stretch, style.tracking * scale, text, 0.0f, false,
                             [](FT_GlyphSlot, int) {});
    return end / scale;
}

void DrawText(Canvas& canvas, const TextStyle& style, std::string_view text, float x, float y, const Paint& paint,
              Align align, float opacity)
{
    const float scale = canvas.Scale();
    float left = x;
    if (align != Align::Left) {
        const float width = TextWidth(canvas, style, text);
        left -= align == Align::Centre ? width / 2.0f : width;
    }
    const int baseline = static_cast<int>(std::lround(y * scale));
    std::vector<float> mask;
    layOut(style.face, style.size * scale, style.stretch, style.tracking * scale, text, left * scale, true,
           [&](FT_GlyphSlot slot, int penX) {
               const FT_Bitmap& bm = slot->bitmap;
               mask.assign(static_cast<size_t>(bm.width) * bm.rows, 0.0f);
               for (unsigned row = 0; row < bm.rows; ++row)
                   for (unsigned col = 0; col < bm.width; ++col)
                       mask[row * bm.width + col] =
                           static_cast<float>(bm.buffer[static_cast<int>(row) * bm.pitch + static_cast<int>(col)]) /
                           255.0f;
               canvas.DrawMask(mask, static_cast<int>(bm.width), static_cast<int>(bm.rows),
                               penX + slot->bitmap_left, baseline - slot->bitmap_top, paint, opacity);
           });
}

void DrawTextFit(Canvas& canvas, TextStyle style, std::string_view text, float x, float y, float maxWidth,
                 const Paint& paint, float opacity)
{
    const float width = TextWidth(canvas, style, text);
    if (width > maxWidth)
        style.stretch *= maxWidth / width;
    DrawText(canvas, style, text, x, y, paint, Align::Centre, opacity);
}

GlyphMask RenderGlyph(Face face, char32_t code, float pixelSize, float stretch, float embolden)
{
    GlyphMask out;
    FT_Face f = setUp(face, pixelSize);
    setTransform(f, stretch, 0.0f);
    if (FT_Load_Char(f, code, FT_LOAD_NO_HINTING) == 0 && f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (embolden > 0.0f)
            FT_Outline_Embolden(&f->glyph->outline, static_cast<FT_Pos>(std::lround(embolden * 64.0f)));
        FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
        const FT_Bitmap& bm = f->glyph->bitmap;
        out.width = static_cast<int>(bm.width);
        out.height = static_cast<int>(bm.rows);
        out.left = f->glyph->bitmap_left;
        out.top = f->glyph->bitmap_top;
        out.coverage.resize(static_cast<size_t>(out.width) * out.height);
        for (int row = 0; row < out.height; ++row)
            for (int col = 0; col < out.width; ++col)
                out.coverage[static_cast<size_t>(row) * out.width + col] =
                    static_cast<float>(bm.buffer[row * bm.pitch + col]) / 255.0f;
    }
    setTransform(f, 1.0f, 0.0f);
    return out;
}

const RgbaImage& Emoji(const std::u32string& sequence)
{
    Typefaces& t = typefaces();
    auto found = t.emojiCache.find(sequence);
    if (found != t.emojiCache.end())
        return found->second;
    RgbaImage& image = t.emojiCache[sequence];

    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(sequence.data()),
                        static_cast<int>(sequence.size()), 0, static_cast<int>(sequence.size()));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(t.emojiShaper, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const unsigned glyph = count > 0 ? info[0].codepoint : 0;
    hb_buffer_destroy(buffer);

    if (glyph != 0 && FT_Load_Glyph(t.emoji, glyph, FT_LOAD_COLOR) == 0 &&
        t.emoji->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_BGRA) {
        const FT_Bitmap& bm = t.emoji->glyph->bitmap;
        image.width = static_cast<int>(bm.width);
        image.height = static_cast<int>(bm.rows);
        image.rgba.resize(static_cast<size_t>(image.width) * image.height * 4);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const unsigned char* p = bm.buffer + y * bm.pitch + x * 4;
                float* q = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
                q[0] = static_cast<float>(p[2]) / 255.0f;
                q[1] = static_cast<float>(p[1]) / 255.0f;
                q[2] = static_cast<float>(p[0]) / 255.0f;
                q[3] = static_cast<float>(p[3]) / 255.0f;
            }
    } else {
        std::fprintf(stderr, "quorvel-pictures: no emoji for U+%04X\n",
                     sequence.empty() ? 0u : static_cast<unsigned>(sequence[0]));
    }
    return image;
}

void DrawEmoji(Canvas& canvas, const std::u32string& sequence, float cx, float cy, float height, float opacity,
               bool mirror)
{
    const RgbaImage& image = Emoji(sequence);
    if (image.width == 0)
        return;
    const float width = height * static_cast<float>(image.width) / static_cast<float>(image.height);
    canvas.DrawImage(image, cx - width / 2.0f, cy - height / 2.0f, width, height, opacity, mirror);
}
