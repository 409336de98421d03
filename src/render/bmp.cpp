// BMP reading. Every offset and size read from the file is checked against the
// file's length before use, so a damaged picture is reported, never overread.
#include "render/bmp.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

PictureFailure refused(const char* message, const std::string& reason)
{
    return {"", message, reason};
}

std::string bytes(uint64_t count)
{
    return std::to_string(count) + " bytes";
}

// The file and DIB headers: a BMP of a kind this reader knows.
PictureFailure readHeaders(const std::vector<uint8_t>& file, DibLayout& d, uint32_t& compression,
                           uint32_t& coloursUsed)
{
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M')
        return refused(kUnknownFormat, "not a picture: no BMP signature");
    if (file.size() < 18)
        return refused(kUnknownFormat, "truncated: " + bytes(file.size()) + ", shorter than a BMP header");
    d.dataOffset = read32(file, 10);
    const uint32_t headerSize = read32(file, 14);
    if (headerSize != 12 && headerSize != 40)
        return refused(kUnknownFormat, "not a picture: unknown DIB header (" + bytes(headerSize) + ")");
    if (file.size() < 14 + static_cast<size_t>(headerSize))
        return refused(kConversionError, "truncated: " + bytes(file.size()) + ", shorter than its header");
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
    d.paletteStart = 14 + headerSize;
    return {};
}

// The headers, checked against each other and the file's length; an empty reason when usable.
PictureFailure readLayout(const std::vector<uint8_t>& file, DibLayout& d)
{
    uint32_t compression = 0, coloursUsed = 0;
    if (PictureFailure failure = readHeaders(file, d, compression, coloursUsed); !failure.reason.empty())
        return failure;
    d.topDown = d.height < 0;
    if (d.topDown)
        d.height = -d.height;
    const uint32_t bits = d.bitsPerPixel;
    const std::string size = std::to_string(d.width) + " x " + std::to_string(d.height);
    if (d.width <= 0 || d.height <= 0)
        return refused(kConversionError, "bad size: " + size);
    if (compression != 0)
        return refused(kConversionError, "compressed (method " + std::to_string(compression) + "), not read");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return refused(kConversionError, "bad depth: " + std::to_string(bits) + " bits a pixel, not 1, 4, 8, 24 or 32");
    if (static_cast<uint64_t>(d.width) * static_cast<uint64_t>(d.height) * 3 > kMaxPixelBytes)
        return refused(kOutOfMemory, "too large: " + size);

    d.paletteSize = coloursUsed;
    if (d.paletteSize == 0 && bits <= 8)
        d.paletteSize = 1ull << bits;
    if (bits <= 8 && d.paletteSize > (1ull << bits))
        return refused(kConversionError, "bad palette: " + std::to_string(d.paletteSize) + " colours at " +
                                             std::to_string(bits) + " bits a pixel");
    const uint64_t paletteBytes = bits <= 8 ? d.paletteSize * d.paletteEntrySize : 0;
    if (d.paletteStart + paletteBytes > file.size())
        return refused(kConversionError, "truncated: " + bytes(file.size()) + ", the palette ends past it");

    d.stride = ((static_cast<uint64_t>(d.width) * bits + 31) / 32) * 4;
    if (d.dataOffset > file.size() || d.stride * static_cast<uint64_t>(d.height) > file.size() - d.dataOffset)
        return refused(kConversionError, "truncated: " + bytes(file.size()) + ", the pixels need " +
                                             bytes(d.stride * static_cast<uint64_t>(d.height)) + " from byte " +
                                             std::to_string(d.dataOffset));
    return {};
}

// The pixels as R, G, B, bottom row first; an empty reason when every palette index was valid.
PictureFailure decodeRows(const std::vector<uint8_t>& file, const DibLayout& d, uint8_t* pixels)
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
                    return refused(kConversionError, "bad pixel: colour " + std::to_string(index) +
                                                         " of a palette of " + std::to_string(d.paletteSize));
                bgr = file.data() + d.paletteStart + index * d.paletteEntrySize;
            }
            dst[0] = bgr[2];
            dst[1] = bgr[1];
            dst[2] = bgr[0];
        }
    }
    return {};
}

}  // namespace

PictureFailure DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image)
{
    DibLayout d;
    if (PictureFailure failure = readLayout(file, d); !failure.reason.empty())
        return failure;
    std::vector<uint8_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(d.width * d.height * 3));
    } catch (const std::bad_alloc&) {
        return refused(kOutOfMemory, "out of memory");
    }
    if (PictureFailure failure = decodeRows(file, d, pixels.data()); !failure.reason.empty())
        return failure;
    image.width = static_cast<int32_t>(d.width);
    image.height = static_cast<int32_t>(d.height);
    image.pixels = std::move(pixels);
    return {};
}

namespace {

// The whole file in `file`; the reason it could not be read otherwise.
std::string readWhole(const char* path, std::vector<uint8_t>& file)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return "is a folder";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::string("cannot read: ") + std::strerror(errno);
    try {
        // In one read of the file's size: byte-by-byte reading was the larger part of start-up.
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size > 0) {
            file.resize(static_cast<size_t>(size));
            in.read(reinterpret_cast<char*>(file.data()), size);
            file.resize(static_cast<size_t>(in.gcount()));
        }
    } catch (const std::exception&) {
        return "cannot read: out of memory";
    }
    if (in.bad())
        return "cannot read: input/output error";
    return file.empty() ? "empty" : "";
}

}  // namespace

std::unique_ptr<ImageRecord> ReadDibImage(const char* path, PictureFailure& failure)
{
    // Kept from one picture to the next: a fresh buffer for each of the 66
    // costs more in page faults than reading the files does.
    static std::vector<uint8_t> file;
    file.clear();
    failure = {path, "", readWhole(path, file)};
    if (!failure.reason.empty()) {
        char message[1200];
        std::snprintf(message, sizeof message, "Failed to open DIB file %s.\n", path);
        failure.message = message;
        return nullptr;
    }
    auto image = std::make_unique<ImageRecord>();
    failure = DecodeDib(file, *image);
    failure.path = path;
    if (!failure.reason.empty())
        return nullptr;
    return image;
}

std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path, PictureFailure& failure)
{
    failure = {};
    if (path == nullptr)
        return nullptr;
    if (std::FILE* f = std::fopen(path, "rb")) {
        std::fclose(f);
    } else {
        const int error = errno;
        failure = {path, "", error == ENOENT ? "missing" : std::string("cannot open: ") + std::strerror(error)};
        failure.missing = error == ENOENT;
        return nullptr;
    }
    return ReadDibImage(path, failure);
}
