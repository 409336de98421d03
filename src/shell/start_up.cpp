// The start-up shared by the game, the replay tool and the benchmarks.
#include "shell/start_up.h"

#include "render/render_state.h"
#include "render/textures.h"
#include "shell/message_box.h"
#include "shell/platform.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kCaption = "Quorvel (esc to exit, tab to pause)";

bool initRendererFrom(int folderChoice)
{
    std::vector<std::string> failures;
    const bool loaded = InitRenderer(folderChoice, failures);
    for (const std::string& failure : failures)
        ShowMessageBox(failure.c_str(), "Error", MessageIcon::None);
    return loaded;
}

}  // namespace

bool StartRenderer()
{
    return initRendererFrom(1) || initRendererFrom(2);
}

bool StartUp(StartMode mode)
{
    renderState.useGL = mode != StartMode::NoGL;
    if (mode == StartMode::Window)
        return CreateGameWindow(kCaption, 800, 600, 32);
    messageBoxWindowsEnabled = false;
    if (mode == StartMode::Offscreen) {
        UseOffscreenWindow();
        return CreateGameWindow(kCaption, 800, 600, 32);
    }
    ResizeScene(800, 600);
    if (!StartRenderer()) {
        ShowMessageBox("Initialization Failed.", "ERROR", MessageIcon::Exclamation);
        return false;
    }
    return true;
}
