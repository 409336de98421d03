// Fuzzes the picture reader: any bytes as a picture file, read the way the game
// reads its pictures. It must give a well-formed image or a message, nothing else.
#include "fuzz_folder.h"
#include "render/bmp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = (FuzzFolder() / "Picture.bmp").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);

    PictureFailure failure;
    auto image = LoadBitmapFile(path.c_str(), failure);
    if (image) {
        if (image->width <= 0 || image->height <= 0)
            std::abort();
        if (image->pixels.size() != static_cast<size_t>(image->width) * image->height * 3)
            std::abort();
        if (!failure.reason.empty())
            std::abort();  // a picture that loaded must not also report a failure
    } else if (size > 0 && (failure.message.empty() || failure.reason.empty())) {
        std::abort();  // a file with bytes in it that fails says why, in its box and on the terminal
    }
    return 0;
}
