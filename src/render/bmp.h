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

// None, with failure empty, when the file cannot be opened; otherwise ReadDibImage.
std::unique_ptr<ImageRecord> LoadBitmapFile(const char* path, std::string& failure);

// Reads a BMP file with a 12- or 40-byte header at 1, 4, 8, 24 or 32 bits per
// pixel. A file that cannot be read gives none and the text of its failure.
std::unique_ptr<ImageRecord> ReadDibImage(const char* path, std::string& failure);

// The conversion itself, on bytes already in memory: an empty message on
// success, else the text of the failure.
std::string DecodeDib(const std::vector<uint8_t>& file, ImageRecord& image);
