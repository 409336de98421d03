// The copy of the picture on screen, kept in a framebuffer object between presents.
#include "render/picture_buffer.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstring>
#include <string>

namespace {

struct Functions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
};

struct PictureCopy {  // the context's lifetime
    Functions gl;
    bool available = false;
    GLuint framebuffer = 0, colour = 0;
    int width = 0, height = 0;
    bool kept = false;  // holds the picture on screen
};
PictureCopy copy;

bool hasExtension(const char* name)
{
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (all == nullptr)
        return false;
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at != nullptr; at = std::strstr(at + 1, name))
        if ((at == all || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

// The same entry points, named with suffix ("" or "EXT").
template <typename Function>
bool find(GLFunctionLoader load, Function& function, const char* name, const char* suffix)
{
    function = reinterpret_cast<Function>(load((std::string(name) + suffix).c_str()));
    return function != nullptr;
}

bool findAll(GLFunctionLoader load, const char* suffix)
{
    Functions& f = copy.gl;
    return find(load, f.genFramebuffers, "glGenFramebuffers", suffix) &&
           find(load, f.bindFramebuffer, "glBindFramebuffer", suffix) &&
           find(load, f.genRenderbuffers, "glGenRenderbuffers", suffix) &&
           find(load, f.bindRenderbuffer, "glBindRenderbuffer", suffix) &&
           find(load, f.renderbufferStorage, "glRenderbufferStorage", suffix) &&
           find(load, f.framebufferRenderbuffer, "glFramebufferRenderbuffer", suffix) &&
           find(load, f.checkFramebufferStatus, "glCheckFramebufferStatus", suffix) &&
           find(load, f.blitFramebuffer, "glBlitFramebuffer", suffix);
}

bool resize(int width, int height)
{
    const Functions& f = copy.gl;
    if (copy.framebuffer == 0) {
        f.genFramebuffers(1, &copy.framebuffer);
        f.genRenderbuffers(1, &copy.colour);
    }
    f.bindRenderbuffer(GL_RENDERBUFFER, copy.colour);
    f.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    f.bindFramebuffer(GL_FRAMEBUFFER, copy.framebuffer);
    f.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, copy.colour);
    const bool complete = f.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    f.bindFramebuffer(GL_FRAMEBUFFER, 0);
    copy.width = width;
    copy.height = height;
    return complete;
}

// Copies rectangles between the window's back buffer and the kept copy, the
// scissor (which a copy obeys) off; the window's buffer is bound again after.
void blit(bool toWindow, std::span<const PictureRect> rects)
{
    const Functions& f = copy.gl;
    f.bindFramebuffer(GL_READ_FRAMEBUFFER, toWindow ? copy.framebuffer : 0);
    f.bindFramebuffer(GL_DRAW_FRAMEBUFFER, toWindow ? 0 : copy.framebuffer);
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    for (const PictureRect& r : rects) {
        const int x1 = r.x + r.width, y1 = r.y + r.height;
        f.blitFramebuffer(r.x, r.y, x1, y1, r.x, r.y, x1, y1, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    if (scissor)
        glEnable(GL_SCISSOR_TEST);
    f.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace

bool StartPictureCopy(GLFunctionLoader load)
{
    copy = PictureCopy{};
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const bool core = (version != nullptr && version[0] >= '3' && version[0] <= '9') ||
                      hasExtension("GL_ARB_framebuffer_object");
    if (core && findAll(load, ""))
        copy.available = true;
    else if (hasExtension("GL_EXT_framebuffer_object") && hasExtension("GL_EXT_framebuffer_blit"))
        copy.available = findAll(load, "EXT");
    return copy.available;
}

bool RestorePicture(int width, int height)
{
    if (!copy.kept || width != copy.width || height != copy.height)
        return false;
    const PictureRect whole{0, 0, width, height};
    blit(true, {&whole, 1});
    return true;
}

void KeepWholePicture(int width, int height)
{
    copy.kept = false;
    if (!copy.available || width <= 0 || height <= 0)
        return;
    if (width != copy.width || height != copy.height || copy.framebuffer == 0) {
        if (!resize(width, height)) {
            copy.available = false;  // frames are drawn whole from now on
            return;
        }
    }
    const PictureRect whole{0, 0, width, height};
    blit(false, {&whole, 1});
    copy.kept = true;
}

void KeepPictureParts(std::span<const PictureRect> parts)
{
    if (copy.kept)
        blit(false, parts);
}
