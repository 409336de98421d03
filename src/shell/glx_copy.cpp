// Copying parts of the back buffer to an X window through GLX_MESA_copy_sub_buffer.
#include "shell/glx_copy.h"

#include "shell/platform.h"

#include <cstring>

namespace {

// The GLX entry points, looked up by name so that nothing links X or GLX: a
// display is a pointer, a drawable an X id.
using CurrentDisplay = void* (*)();
using CurrentContext = void* (*)();
using CurrentDrawable = unsigned long (*)();
using QueryContext = int (*)(void*, void*, int, int*);
using QueryExtensions = const char* (*)(void*, int);
using CopySubBuffer = void (*)(void*, unsigned long, int, int, int, int);
using QueryDrawable = void (*)(void*, unsigned long, int, unsigned int*);
constexpr int kGlxScreen = 0x800C;
constexpr int kGlxWidth = 0x801D, kGlxHeight = 0x801E;

struct Copying {  // the context's lifetime
    CopySubBuffer copy = nullptr;
    QueryDrawable size = nullptr;
    void* display = nullptr;
    unsigned long drawable = 0;
};
Copying copying;

bool listed(const char* extensions, const char* name)
{
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr; at = std::strstr(at + 1, name))
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

}  // namespace

bool StartCopyingParts()
{
    copying = Copying{};
    const auto display = reinterpret_cast<CurrentDisplay>(GLFunction("glXGetCurrentDisplay"));
    const auto context = reinterpret_cast<CurrentContext>(GLFunction("glXGetCurrentContext"));
    const auto drawable = reinterpret_cast<CurrentDrawable>(GLFunction("glXGetCurrentDrawable"));
    const auto query = reinterpret_cast<QueryContext>(GLFunction("glXQueryContext"));
    const auto extensions = reinterpret_cast<QueryExtensions>(GLFunction("glXQueryExtensionsString"));
    const auto copy = reinterpret_cast<CopySubBuffer>(GLFunction("glXCopySubBufferMESA"));
    const auto size = reinterpret_cast<QueryDrawable>(GLFunction("glXQueryDrawable"));
    if (!display || !context || !drawable || !query || !extensions || !copy || !size)
        return false;
    void* x = display();
    if (x == nullptr || context() == nullptr)
        return false;
    int screen = 0;
    query(x, context(), kGlxScreen, &screen);
    const char* listedExtensions = extensions(x, screen);
    if (listedExtensions == nullptr || !listed(listedExtensions, "GLX_MESA_copy_sub_buffer"))
        return false;
    copying = {copy, size, x, drawable()};
    return true;
}

void CopyPartsToWindow(std::span<const PictureRect> parts)
{
    for (const PictureRect& part : parts)
        copying.copy(copying.display, copying.drawable, part.x, part.y, part.width, part.height);
}

bool WindowIsSized(int width, int height)
{
    unsigned int serverWidth = 0, serverHeight = 0;
    copying.size(copying.display, copying.drawable, kGlxWidth, &serverWidth);
    copying.size(copying.display, copying.drawable, kGlxHeight, &serverHeight);
    return static_cast<int>(serverWidth) == width && static_cast<int>(serverHeight) == height;
}
