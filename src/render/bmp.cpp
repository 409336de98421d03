// BMP reading. Every offset and size read from the file is checked against the
// file's length before use, so a damaged picture is reported, never overread.
#include "render/bmp.h"

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

// Where a picture's parts are in its file, and how its pixels are stored.
struct DibLayout {
    int64_t width = 0, height = 0;
    bool topDown = false;
    uint32_t bitsPerPixel = 0;
    uint64_t dataOffset = 0, stride = 0;
    uint64_t paletteStart = 0, paletteSize = 0;
    size_t paletteEntrySize = 0;
};

// The headers, checked against each other and the file's length; nullptr when usable.
const char* readLayout(const std::vector<uint8_t>& file, DibLayout& d)
{
    if (file.size() < 18 || file[0] != 'B' || file[1] != 'M')
        return kUnknownFormat;
    d.dataOffset = read32(file, 10);
    const uint32_t headerSize = read32(file, 14);
    if (headerSize != 12 && headerSize != 40)
        return kUnknownFormat;
    if (file.size() < 14 + static_cast<size_t>(headerSize))
        return kConversionError;

    uint32_t compression = 0, coloursUsed = 0;
    if (headerSize == 12) {
        d.width = static_cast<int16_t>(read16(file, 18));
        d.height = static_cast<int16_t>(read16(file, 20));
        d.bitsPerPixel = read16(file, 24);
        d.paletteEntrySize = 3;
    } else {
        d.width = static_cast<int32_t>(read32(file, 18));
        d.height = static_cast<int32_t>(read32(file, 22));
        d.bitsPerPixel = read16(file, 28);
        compression = read32(file, 30);
        coloursUsed = read32(file, 46);
        d.paletteEntrySize = 4;
    }

    d.topDown = d.height < 0;
    if (d.topDown)
        d.height = -d.height;
    const uint32_t bits = d.bitsPerPixel;
    if (d.width <= 0 || d.height <= 0 || compression != 0)
        return kConversionError;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return kConversionError;
    if (static_cast<uint64_t>(d.width) * static_cast<uint64_t>(d.height) * 3 > kMaxPixelBytes)
        return kOutOfMemory;

    d.paletteSize = coloursUsed;
    if (d.paletteSize == 0 && bits <= 8)
        d.paletteSize = 1ull << bits;
    if (bits <= 8 && d.paletteSize > (1ull << bits))
        return kConversionError;
    d.paletteStart = 14 + headerSize;
    const uint64_t paletteBytes = bits <= 8 ? d.paletteSize * d.paletteEntrySize : 0;
    if (d.paletteStart + paletteBytes > file.size())
        return kConversionError;

    d.stride = ((static_cast<uint64_t>(d.width) * bits + 31) / 32) * 4;
    if (d.dataOffset > file.size() || d.stride * static_cast<uint64_t>(d.height) > file.size() - d.dataOffset)
        return kConversionError;
    return nullptr;
}

// The pixels as R, G, B, bottom row first; nullptr when every palette index was valid.
const char* decodeRows(const std::vector<uint8_t>& file, const DibLayout& d, uint8_t* pixels)
{
    const uint32_t bits = d.bitsPerPixel;
    for (int64_t row = 0; row < d.height; ++row) {
        // Rows are kept bottom first, as the file stores them unless it is top-down.
        const int64_t fileRow = d.topDown ? d.height - 1 - row : row;
        const uint8_t* src = file.data() + d.dataOffset + fileRow * d.stride;
        uint8_t* dst = pixels + row * d.width * 3;
        for (int64_t x = 0; x < d.width; ++x, dst += 3) {
            const uint8_t* bgr = src + x * (bits / 8);
            if (bits < 24) {
                const int64_t bit = x * bits;
                const int shift = 8 - static_cast<int>(bits) - static_cast<int>(bit % 8);
                const uint32_t index = (src[bit / 8] >> shift) & ((1u << bits) - 1);
                if (index >= d.paletteSize)
                    return kConversionError;
                bgr = file.data() + d.paletteStart + index * d.paletteEntrySize;
            }
            dst[0] = bgr[2];
            dst[1] = bgr[1];
            dst[2] = bgr[0];
        }
    }
    return nullptr;
}

}  // namespace

std::string DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image)
{
    DibLayout d;
    if (const char* failure = readLayout(file, d))
        return failure;
    std::vector<uint8_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(d.width * d.height * 3));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    if (const char* failure = decodeRows(file, d, pixels.data()))
        return failure;
    image.width = static_cast<int32_t>(d.width);
    image.height = static_cast<int32_t>(d.height);
    image.pixels = std::move(pixels);
    return {};
}

std::unique_ptr<ImageRecord> ReadDibImage(const char* path, std::string& failure)
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
        failure = message;
        return nullptr;
    }

    auto image = std::make_unique<ImageRecord>();
    failure = DecodeDib(file, *image);
    if (!failure.empty())
        return nullptr;
    return image;
}

std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path, std::string& failure)
{
    failure.clear();
    if (path == nullptr)
        return nullptr;
    if (std::FILE* f = std::fopen(path, "rb"))
        std::fclose(f);
    else
        return nullptr;
    return ReadDibImage(path, failure);
}
