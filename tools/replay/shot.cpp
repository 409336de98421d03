// Writing the last drawn frame as a PNG file.
#include "shot.h"

#include <GL/gl.h>
#include <cstdio>
#include <png.h>
#include <vector>

namespace {

// libpng reports a failure by a long jump back into this function, so nothing in
// it may own memory: the caller builds the error message.
bool writePng(std::FILE* file, const unsigned char* pixels, int width, int height)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = height - 1; row >= 0; --row)  // OpenGL's rows start at the bottom
        png_write_row(png, pixels + row * width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WriteShot(const std::string& path, std::string& error)
{
    constexpr int width = 800, height = 600;
    std::vector<unsigned char> pixels(width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr && writePng(file, pixels.data(), width, height);
    if (file != nullptr && std::fclose(file) != 0)
        written = false;
    if (!written)
        error = "cannot write " + path;
    return written;
}
