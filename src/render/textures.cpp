// Loading the pictures into the texture table, and the renderer's set-up.
#include "render/textures.h"

#include "render/bmp.h"
#include "render/picture_folders.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "render/text.h"

#include <GL/gl.h>
#include <string>

uint32_t textureTable[kTextureCount] = {};

const char* const kTextureFiles[kTextureCount] = {
    "Tray.bmp",
    "Megaburger.bmp",
    "Cheeseburger.bmp",
    "Hamburger.bmp",
    "Hamburger.bmp",
    "Hamburger.bmp",
    "Fries.bmp",
    "CheeseSticks.bmp",
    "CheeseSticks.bmp",
    "CheeseSticks.bmp",
    "CocaCola.bmp",
    "GrapeSoda.bmp",
    "OrangeSoda.bmp",
    "PepsiCola.bmp",
    "RootBeer.bmp",
    "Lemonade.bmp",
    "Tibor.bmp",
    "Ansel.bmp",
    "CashRegister day1,2.bmp",
    "CashRegister (inuse) day1,2.bmp",
    "CashRegister day3.bmp",
    "CashRegister (inuse) day3.bmp",
    "CashRegister day4.bmp",
    "CashRegister (inuse) day4.bmp",
    "CashRegister day5.bmp",
    "CashRegister (inuse) day5.bmp",
    "CashRegister day6.bmp",
    "CashRegister (inuse) day6.bmp",
    "CashRegister day7.bmp",
    "CashRegister (inuse) day7.bmp",
    "CashRegister day8.bmp",
    "CashRegister (inuse) day8.bmp",
    "Window View - No one - door closed.bmp",
    "Window View - No one.bmp",
    "Window View 1.bmp",
    "Window View 2.bmp",
    "Window View 3.bmp",
    "Window View 4.bmp",
    "Window View 5.bmp",
    "Window View 6.bmp",
    "Window View 7.bmp",
    "Window View 8.bmp",
    "Window View 9.bmp",
    "Window View 10.bmp",
    "Window View 11.bmp",
    "Window View 12.bmp",
    "Window View 13.bmp",
    "Font.bmp",
    "Star.bmp",
    "Scroll.bmp",
    "Bag3.bmp",
    "Receipt - on bag.bmp",
    "Receipt - on view.bmp",
    "Onhold Receipts2.bmp",
    "NextView.bmp",
    "PrevView.bmp",
    "BatteryPower.bmp",
    "CustomerAlerton.bmp",
    "CustomerAlertoff.bmp",
    "CustomerAlerthold.bmp",
    "Upgrade - drinks.bmp",
    "Upgrade - burgers.bmp",
    "Upgrade - sides.bmp",
    "Upgrade - new battery.bmp",
    "Upgrade - advertisement.bmp",
    "Upgrade - save-exit.bmp",
};

bool LoadTextures(int folderChoice, std::vector<std::string>& failures)
{
    std::string failure;
    const std::string folder = PictureFolder(folderChoice);
    if (folder.empty())
        return false;
    bool status = false;
    for (int i = 0; i < kTextureCount; ++i) {
        std::string path = folder + kTextureFiles[i];
        std::unique_ptr<ImageRecord> image = LoadBitmapFile(path.c_str(), failure);
        if (!image) {
            if (!failure.empty())
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
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image->pixels.data());
    }
    return status;
}

bool InitRenderer(int folderChoice, std::vector<std::string>& failures)
{
    if (!LoadTextures(folderChoice, failures))
        return false;
    BuildFonts();

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
