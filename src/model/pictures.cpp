// The picture table's checks, made once at compile time for the game and the picture generator.
#include "model/pictures.h"

#include <string_view>

namespace {

constexpr bool isPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

constexpr bool rowIsSound(const PictureInfo& row)
{
    if (!(row.sceneWidth > 0.0f && row.sceneHeight > 0.0f))
        return false;
    if (row.file == nullptr)  // a plain shape has no pixels to read
        return row.pixelWidth == 0 && row.pixelHeight == 0 && row.use == PictureUse::Sprite;
    // OpenGL 1.1 takes textures of power-of-two sides only; the loader reads BMP files.
    return isPowerOfTwo(row.pixelWidth) && isPowerOfTwo(row.pixelHeight) &&
           std::string_view(row.file).ends_with(".bmp");
}

}  // namespace

// A row out of place would show one picture where another belongs.
static_assert([] {
    for (size_t i = 0; i < pictureTable.size(); ++i)
        if (static_cast<size_t>(pictureTable[i].number) != i)
            return false;
    return true;
}());
static_assert(Picture::Memo + 1 == pictureTable.size());
static_assert([] {
    for (const PictureInfo& row : pictureTable)
        if (!rowIsSound(row))
            return false;
    return true;
}());
// The generator draws a shared file once: its rows must agree on how it looks.
static_assert([] {
    for (size_t i = 0; i < pictureTable.size(); ++i)
        for (size_t j = i + 1; j < pictureTable.size(); ++j) {
            const PictureInfo &a = pictureTable[i], &b = pictureTable[j];
            if (a.file == nullptr || b.file == nullptr || std::string_view(a.file) != b.file)
                continue;
            if (a.pixelWidth != b.pixelWidth || a.pixelHeight != b.pixelHeight || a.sceneWidth != b.sceneWidth ||
                a.sceneHeight != b.sceneHeight || a.use != b.use)
                return false;
        }
    return true;
}());
