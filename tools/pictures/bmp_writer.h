// Writing 24-bit bottom-up BMP files with the 40-byte information header.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An 8-bit RGB picture, top row first (as it is seen in a viewer).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // R, G, B per pixel, no padding
};

// The BMP bytes: rows bottom first, blue-green-red, each padded to 4 bytes.
std::vector<uint8_t> EncodeBmp(const RgbImage& picture);

// Writes EncodeBmp's bytes; false when the file cannot be written.
bool WriteBmp(const std::string& path, const RgbImage& picture);
