// Reading BMP pictures into 24-bit RGB images.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct ImageRecord {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // R, G, B per pixel, no row padding, bottom row first
};

// Why a picture was not read; an empty reason when it was.
struct PictureFailure {
    std::string path;
    std::string message;   // the text of the box the player is shown; none for a file that cannot be opened
    std::string reason;    // for the terminal: the check the file failed ("missing", "truncated: ...")
    bool missing = false;  // no file of that name
};

// None, with only the reason, when the file cannot be opened; otherwise ReadDibImage.
std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path, PictureFailure& failure);

// Reads a BMP file with a 12- or 40-byte header at 1, 4, 8, 24 or 32 bits per
// pixel. A file that cannot be read gives none, its message and its reason.
std::unique_ptr<ImageRecord> ReadDibImage(const char* path, PictureFailure& failure);

// The conversion itself, on bytes already in memory: an empty reason on success.
PictureFailure DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image);
