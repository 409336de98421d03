// The pictures the game hands over, loaded into textures, and the renderer's set-up.
#include "render/textures.h"

#include "render/bmp.h"
#include "render/picture_folders.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "render/text.h"

#include <GL/gl.h>
#include <string>

namespace {

PictureSet pictureSet;               // program lifetime, from InitRenderer
std::vector<uint32_t> textureTable;  // by picture number; 0 = none

bool loadTextures(int folderChoice, std::vector<PictureFailure>& failures)
{
    PictureFailure failure;
    const std::string folder = PictureFolder(folderChoice);
    if (folder.empty())
        return false;
    bool status = false;
    textureTable.assign(pictureSet.entries.size(), 0);
    for (size_t i = 0; i < pictureSet.entries.size(); ++i) {
        if (pictureSet.entries[i].file == nullptr)
            continue;
        std::string path = folder + pictureSet.entries[i].file;
        std::unique_ptr<ImageRecord> image = LoadBitmapFile(path.c_str(), failure);
        if (!image) {
            failures.push_back(failure);
            continue;
        }
        status = true;
        pictureFolderUsed = folderChoice;
        if (!renderState.useGL) {
            textureTable[i] = static_cast<uint32_t>(i + 1);  // stands for a texture name
            continue;
        }
        GLuint name = 0;
        glGenTextures(1, &name);
        textureTable[i] = name;
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows carry no padding
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image->pixels.data());
    }
    return status;
}

}  // namespace

const PictureEntry* PictureEntryOf(int number)
{
    if (number < 0 || static_cast<size_t>(number) >= pictureSet.entries.size())
        return nullptr;
    return &pictureSet.entries[static_cast<size_t>(number)];
}

uint32_t TextureOf(int number)
{
    if (number < 0 || static_cast<size_t>(number) >= textureTable.size())
        return 0;
    return textureTable[static_cast<size_t>(number)];
}

uint32_t FontTexture()
{
    return TextureOf(pictureSet.font);
}

uint32_t StarTexture()
{
    return TextureOf(pictureSet.star);
}

bool InitRenderer(int folderChoice, const PictureSet& pictures, std::vector<PictureFailure>& failures)
{
    pictureSet = pictures;
    if (!loadTextures(folderChoice, failures))
        return false;

    if (renderState.useGL) {
        glEnable(GL_TEXTURE_2D);
        glShadeModel(GL_SMOOTH);
    }
    SetColourRGBA(1.0f, 1.0f, 1.0f, 0.5f);
    SetClearColour(0.0f, 0.0f, 0.0f, 0.5f);
    if (renderState.useGL) {
        glClearDepth(1.0);
        glDepthFunc(GL_LEQUAL);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    SetBlending(true);
    if (renderState.useGL) {
        const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
        const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
        const GLfloat position[] = {0.0f, 0.0f, 2.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
        glLightfv(GL_LIGHT1, GL_POSITION, position);
        glEnable(GL_LIGHT1);
    }
    SetLighting(false);
    return true;
}
