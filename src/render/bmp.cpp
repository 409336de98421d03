// BMP reading. Every offset and size read from the file is checked against the
// file's length before use, so a damaged picture is reported, never overread.
#include "render/bmp.h"

#include "shell/message_box.h"

#include <cstdio>
#include <fstream>

namespace {

const char* const kUnknownFormat = "Unknown DIB file format.";
const char* const kConversionError = "Image file conversion error.";
const char* const kOutOfMemory = "Out of memory.";

// Larger pictures than this are refused rather than allocated.
constexpr uint64_t kMaxPixelBytes = 256ull * 1024 * 1024;

uint32_t read16(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

uint32_t read32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

}  // namespace

std::string DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image)
{
    if (file.size() < 18 || file[0] != 'B' || file[1] != 'M')
        return kUnknownFormat;
    const uint64_t dataOffset = read32(file, 10);
    const uint32_t headerSize = read32(file, 14);
    if (headerSize != 12 && headerSize != 40)
        return kUnknownFormat;
    if (file.size() < 14 + static_cast<size_t>(headerSize))
        return kConversionError;

    int64_t width, height;
    uint32_t bitsPerPixel, compression = 0, coloursUsed = 0;
    size_t paletteEntrySize;
    if (headerSize == 12) {
        width = static_cast<int16_t>(read16(file, 18));
        height = static_cast<int16_t>(read16(file, 20));
        bitsPerPixel = read16(file, 24);
        paletteEntrySize = 3;
    } else {
        width = static_cast<int32_t>(read32(file, 18));
        height = static_cast<int32_t>(read32(file, 22));
        bitsPerPixel = read16(file, 28);
        compression = read32(file, 30);
        coloursUsed = read32(file, 46);
        paletteEntrySize = 4;
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || compression != 0)
        return kConversionError;
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 &&
        bitsPerPixel != 32)
        return kConversionError;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 3 > kMaxPixelBytes)
        return kOutOfMemory;

    uint64_t paletteSize = coloursUsed;
    if (paletteSize == 0 && bitsPerPixel <= 8)
        paletteSize = 1ull << bitsPerPixel;
    if (bitsPerPixel <= 8 && paletteSize > (1ull << bitsPerPixel))
        return kConversionError;
    const uint64_t paletteStart = 14 + headerSize;
    const uint64_t paletteBytes = bitsPerPixel <= 8 ? paletteSize * paletteEntrySize : 0;
    if (paletteStart + paletteBytes > file.size())
        return kConversionError;

    const uint64_t stride = ((static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    if (dataOffset > file.size() || stride * static_cast<uint64_t>(height) > file.size() - dataOffset)
        return kConversionError;

    std::vector<uint8_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(width * height * 3));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }

    for (int64_t row = 0; row < height; ++row) {
        // Rows are kept bottom first, as the file stores them unless it is top-down.
        const int64_t fileRow = topDown ? height - 1 - row : row;
        const uint8_t* src = file.data() + dataOffset + fileRow * stride;
        uint8_t* dst = pixels.data() + row * width * 3;
        for (int64_t x = 0; x < width; ++x, dst += 3) {
            if (bitsPerPixel >= 24) {
                const uint8_t* p = src + x * (bitsPerPixel / 8);
                dst[0] = p[2];
                dst[1] = p[1];
                dst[2] = p[0];
                continue;
            }
            const int64_t bit = x * bitsPerPixel;
            const uint8_t byte = src[bit / 8];
            const int shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
            const uint32_t index = (byte >> shift) & ((1u << bitsPerPixel) - 1);
            if (index >= paletteSize)
                return kConversionError;
            const uint8_t* entry = file.data() + paletteStart + index * paletteEntrySize;
            dst[0] = entry[2];
            dst[1] = entry[1];
            dst[2] = entry[0];
        }
    }
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels = std::move(pixels);
    return {};
}

std::unique_ptr<ImageRecord> ReadDibImage(const char* path)
{
    // Kept from one picture to the next: a fresh buffer for each of the 66
    // costs more in page faults than reading the files does.
    static std::vector<uint8_t> file;
    file.clear();
    std::ifstream in(path, std::ios::binary);
    bool readable = static_cast<bool>(in);
    if (readable) {
        try {
            // In one read of the file's size: byte-by-byte reading was the
            // larger part of start-up.
            in.seekg(0, std::ios::end);
            const std::streamoff size = in.tellg();
            in.seekg(0, std::ios::beg);
            if (size > 0) {
                file.resize(static_cast<size_t>(size));
                in.read(reinterpret_cast<char*>(file.data()), size);
                file.resize(static_cast<size_t>(in.gcount()));
            }
        } catch (const std::exception&) {
            readable = false;
        }
        // A folder opens but reads nothing; an empty file cannot be mapped either.
        readable = readable && !in.bad() && !file.empty();
    }
    if (!readable) {
        char message[1200];
        std::snprintf(message, sizeof message, "Failed to open DIB file %s.\n", path);
        ShowMessageBox(message, "Error", MessageIcon::None);
        return nullptr;
    }

    auto image = std::make_unique<ImageRecord>();
    std::string failure = DecodeDib(file, *image);
    if (!failure.empty()) {
        ShowMessageBox(failure.c_str(), "Error", MessageIcon::None);
        return nullptr;
    }
    return image;
}

std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path)
{
    if (path == nullptr)
        return nullptr;
    if (std::FILE* f = std::fopen(path, "rb"))
        std::fclose(f);
    else
        return nullptr;
    return ReadDibImage(path);
}
