// Writing 16-bit mono PCM WAV files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The file's bytes: the 44-byte RIFF header, then the samples, little-endian.
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int rate);

// Writes EncodeWav's bytes; false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<int16_t>& samples, int rate);
