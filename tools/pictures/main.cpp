// Placeholder picture generator: one plain picture per file name.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void writeBmp(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> out(54 + w * h * 3, 0);
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 255;
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    out[26] = 1;
    out[28] = 24;
    for (int i = 0; i < w * h; ++i) {
        out[54 + i * 3] = b;
        out[54 + i * 3 + 1] = g;
        out[54 + i * 3 + 2] = r;
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "Images";
    std::filesystem::create_directories(dir);
    const char* names[] = {"Tray.bmp", "Megaburger.bmp", "Font.bmp", "Star.bmp"};
    for (const char* n : names)
        writeBmp(dir + "/" + n, 64, 64, 200, 120, 40);
    return 0;
}
