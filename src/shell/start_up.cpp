// The start-up shared by the game, the replay tool and the benchmarks.
#include "shell/start_up.h"

#include "model/pictures.h"
#include "render/picture_folders.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "rules/saved_game_folder.h"
#include "rules/star_field.h"
#include "shell/message_box.h"
#include "shell/platform.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kCaption = "Quorvel (esc to exit, tab to pause)";

constexpr SpriteScaling scalingFor(PictureUse use)
{
    switch (use) {
    case PictureUse::Sprite: return SpriteScaling::Both;
    case PictureUse::FillBar: return SpriteScaling::WidthOnly;
    case PictureUse::Texture: return SpriteScaling::None;
    }
    return SpriteScaling::None;
}

// The picture table as the toolkit takes it, row for row.
constexpr std::array<PictureEntry, pictureTable.size()> kPictureEntries = [] {
    std::array<PictureEntry, pictureTable.size()> entries;
    for (size_t i = 0; i < pictureTable.size(); ++i) {
        const PictureInfo& row = pictureTable[i];
        entries[i] = {row.file, row.sceneWidth, row.sceneHeight, scalingFor(row.use)};
    }
    return entries;
}();

// The terminal is told every failure of the folder the game draws from; of a folder
// that gave no picture, only the files there that were refused: it is not the
// game's folder, and what it lacks is no news.
void sayPictureFailures(const std::vector<PictureFailure>& failures, bool folderUsed)
{
    std::set<std::string> said;  // a file that stands for several pictures is named once
    for (const PictureFailure& failure : failures)
        if ((folderUsed || !failure.missing) && said.insert(failure.path).second)
            SayOnStderr(failure.path + ": " + failure.reason);
}

bool initRendererFrom(int folderChoice)
{
    std::vector<PictureFailure> failures;
    const bool loaded = InitRenderer(folderChoice, {kPictureEntries, Picture::Font, Picture::Star}, failures);
    sayPictureFailures(failures, loaded);
    for (const PictureFailure& failure : failures)
        if (!failure.message.empty())
            ShowMessageBox(failure.message.c_str(), "Error", MessageIcon::None);
    if (loaded)
        SeedStarField();  // its random draws follow the pictures' loading, as they always have
    return loaded;
}

bool startWindowOrNone(StartMode mode)
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

}  // namespace

bool StartRenderer()
{
    if (initRendererFrom(1) || initRendererFrom(2) || initRendererFrom(3))
        return true;
    std::string tried;
    for (int folderChoice : {1, 2, 3}) {
        const std::string folder = PictureFolder(folderChoice);
        std::error_code error;
        if (!folder.empty())  // empty: the installed folder could not be worked out
            tried += (tried.empty() ? "" : ", ") + folder +
                     (std::filesystem::is_directory(folder, error) ? " (no picture there could be read)"
                                                                   : " (no such folder)");
    }
    SayOnStderr("no pictures: tried " + tried);
    return false;
}

std::string PlayerDataFolder()
{
    // Worked out here rather than asked of SDL, which would make the folder at once.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::string(dataHome) + "/quorvel/";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return "";
    return std::string(home) + "/.local/share/quorvel/";
}

bool StartUp(StartMode mode)
{
    if (!startWindowOrNone(mode))
        return false;
    // A game run from its build or unpacked folder keeps its saved game beside its
    // pictures; an installed one keeps it in the player's own data folder. The tools
    // always keep theirs in the working folder: a script that saves must never
    // overwrite the player's game.
    if (mode == StartMode::Window && pictureFolderUsed == 3)
        SetSavedGameFolder(PlayerDataFolder());
    return true;
}
