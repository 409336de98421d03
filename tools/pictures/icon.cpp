// The application icon: the megaburger on a rounded red tile, written as PNG files
// with transparent corners for the desktop's icon theme.
#include "icon.h"
#include "pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <png.h>
#include <vector>

namespace {

// A drawing that has no alpha of its own is made twice, over black and over white:
// where the two differ the drawing lets the background through, and by how much.
struct Matte {
    int width = 0, height = 0;
    std::vector<float> rgba;  // premultiplied, four floats a pixel
};

Matte matteOf(int width, int height, float designWidth, float designHeight,
              const std::function<void(Canvas&)>& draw)
{
    const int supersample = std::max(1, 1024 / width);
    const int pw = width * supersample;
    const int ph = static_cast<int>(static_cast<float>(pw) * designHeight / designWidth + 0.5f);
    Canvas onBlack(pw, ph, designWidth);
    Canvas onWhite(pw, ph, designWidth);
    onWhite.Fill(Box(-1, -1, designWidth + 1, designHeight + 1), Hex(0xFFFFFF));
    draw(onBlack);
    draw(onWhite);
    const RgbImage black = onBlack.ToImage(width, height);
    const RgbImage white = onWhite.ToImage(width, height);
    Matte matte{width, height, std::vector<float>(static_cast<size_t>(width) * height * 4)};
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        float through = 0.0f;
        for (int c = 0; c < 3; ++c)
            through += static_cast<float>(white.rgb[i * 3 + c] - black.rgb[i * 3 + c]) / 255.0f;
        const float alpha = std::clamp(1.0f - through / 3.0f, 0.0f, 1.0f);
        for (int c = 0; c < 3; ++c)
            matte.rgba[i * 4 + c] = std::min(static_cast<float>(black.rgb[i * 3 + c]) / 255.0f, alpha);
        matte.rgba[i * 4 + 3] = alpha;
    }
    return matte;
}

void drawIcon(Canvas& c, const RgbaImage& burger)
{
    c.Fill(Box(14, 14, 242, 242, 46), Hex(0x000000), 0.45f, 6.0f);  // a soft shadow
    c.Fill(Box(10, 8, 246, 240, 44), Vertical(8, Hex(0xF0483A), 240, Hex(0xA3150F)));
    c.Fill(Outline(Box(10, 8, 246, 240, 44), 5.0f), Hex(0xFFD54A), 0.9f);
    c.Glow({128, 96}, 120, Hex(0xFFB060), 0.35f);
    c.DrawImage(burger, 34, 38, 188, 197);
}

bool writePng(const std::string& path, const Matte& image)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(image.width) * 4);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const float* p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            const float a = p[3];
            for (int c = 0; c < 3; ++c)  // PNG keeps straight, not premultiplied, colour
                row[x * 4 + c] = static_cast<png_byte>((a > 0.0f ? std::min(p[c] / a, 1.0f) : 0.0f) * 255.0f + 0.5f);
            row[x * 4 + 3] = static_cast<png_byte>(a * 255.0f + 0.5f);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// The window's own icon, for SDL_LoadBMP (the game reads no PNG): 32 bits a pixel,
// bottom row first, straight alpha in the fourth byte.
bool writeBmpWithAlpha(const std::string& path, const Matte& image)
{
    const uint32_t pixelBytes = static_cast<uint32_t>(image.width * image.height * 4);
    std::vector<uint8_t> bytes(54 + pixelBytes);
    auto put = [&bytes](size_t at, uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(2, 54 + pixelBytes, 4), put(10, 54, 4), put(14, 40, 4);
    put(18, image.width, 4), put(22, image.height, 4), put(26, 1, 2), put(28, 32, 2), put(34, pixelBytes, 4);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float* p = &image.rgba[(static_cast<size_t>(image.height - 1 - y) * image.width + x) * 4];
            uint8_t* out = &bytes[54 + (static_cast<size_t>(y) * image.width + x) * 4];
            for (int c = 0; c < 3; ++c)
                out[2 - c] = static_cast<uint8_t>((p[3] > 0.0f ? std::min(p[c] / p[3], 1.0f) : 0.0f) * 255.0f + 0.5f);
            out[3] = static_cast<uint8_t>(p[3] * 255.0f + 0.5f);
        }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool WriteIcons(const std::filesystem::path& folder)
{
    PictureJob burgerJob;
    for (PictureJob& job : FoodPictures())
        if (job.picture == Picture::Megaburger)
            burgerJob = std::move(job);
    // In the design units the picture is drawn in, 512 pixels across.
    const PictureInfo& burgerInfo = burgerJob.info();
    const float designWidth = burgerInfo.sceneWidth * 1000.0f, designHeight = burgerInfo.sceneHeight * 1000.0f;
    const int height = static_cast<int>(512.0f * designHeight / designWidth + 0.5f);
    const Matte burgerMatte = matteOf(512, height, designWidth, designHeight, burgerJob.draw);
    const RgbaImage burger{burgerMatte.width, burgerMatte.height, burgerMatte.rgba};

    const Matte windowIcon = matteOf(64, 64, 256.0f, 256.0f, [&burger](Canvas& c) { drawIcon(c, burger); });
    std::error_code folderError;
    std::filesystem::create_directories(folder, folderError);  // a fresh build has no icons/ yet
    bool ok = writeBmpWithAlpha((folder / "quorvel.bmp").string(), windowIcon);
    if (!ok)
        std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", (folder / "quorvel.bmp").c_str());
    for (int size : {48, 128, 256}) {
        const std::filesystem::path dir = folder / "hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        const Matte icon = matteOf(size, size, 256.0f, 256.0f, [&burger](Canvas& c) { drawIcon(c, burger); });
        const std::string path = (dir / "quorvel.png").string();
        if (!writePng(path, icon)) {
            std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    return ok;
}
