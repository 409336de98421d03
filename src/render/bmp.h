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

// None (silently) when the file cannot be opened; otherwise ReadDibImage.
std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path);

// Reads a BMP file with a 12- or 40-byte header at 1, 4, 8, 24 or 32 bits per
// pixel. A file that cannot be read reports its message box and gives none.
std::unique_ptr<ImageRecord> ReadDibImage(const char* path);

// The conversion itself, on bytes already in memory: an empty message on
// success, else the text of the failure.
std::string DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image);
