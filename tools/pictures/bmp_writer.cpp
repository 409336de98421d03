// Writing 24-bit bottom-up BMP files with the 40-byte information header.
#include "bmp_writer.h"

#include <cstdio>

namespace {

void put16(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    out[at] = value & 255;
    out[at + 1] = (value >> 8) & 255;
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = (value >> (8 * i)) & 255;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const RgbImage& picture)
{
    const size_t rowBytes = (static_cast<size_t>(picture.width) * 3 + 3) / 4 * 4;
    const size_t pixelBytes = rowBytes * picture.height;
    std::vector<uint8_t> out(54 + pixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<uint32_t>(out.size()));
    put32(out, 10, 54);
    put32(out, 14, 40);
    put32(out, 18, static_cast<uint32_t>(picture.width));
    put32(out, 22, static_cast<uint32_t>(picture.height));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, static_cast<uint32_t>(pixelBytes));
    put32(out, 38, 2835);  // 72 dots per inch
    put32(out, 42, 2835);
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* src = &picture.rgb[static_cast<size_t>(picture.height - 1 - y) * picture.width * 3];
        uint8_t* dst = &out[54 + rowBytes * y];
        for (int x = 0; x < picture.width; ++x) {
            dst[x * 3] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3];
        }
    }
    return out;
}

bool WriteBmp(const std::string& path, const RgbImage& picture)
{
    const std::vector<uint8_t> bytes = EncodeBmp(picture);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
