// Writing the saved game, whole, through a temporary file; a save that fails
// tells the terminal where and why.
#include "rules/saved_game.h"
#include "rules/saved_game_folder.h"

#include "model/float_chars.h"
#include "model/game_state.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace {

// The order of the three lines of lifetime sales.
constexpr ItemCategory kSavedCategories[] = {ItemCategory::Burger, ItemCategory::Drink, ItemCategory::Side};

class SavedGameWriter {
public:
    void value(int32_t v) { separate(); text_ += std::to_string(v); }
    void value(float v) { separate(); text_ += SavedFloatText(v); }
    void endLine()
    {
        text_ += '\n';
        lineStart_ = true;
    }
    const std::string& text() const { return text_; }

private:
    void separate()
    {
        if (!lineStart_)
            text_ += ' ';
        lineStart_ = false;
    }

    std::string text_;
    bool lineStart_ = true;
};

std::string savedGameText(float headsetBattery, float customerSatisfaction)
{
    const TotalStats& total = game.totals;
    const UpgradeLevels& levels = game.upgradeLevels;
    SavedGameWriter w;
    w.value(day.stats.dayNumber);
    w.endLine();
    // Lines 2-4 hold the lifetime sales in alphabetical order of the item names.
    for (ItemCategory category : kSavedCategories) {
        for (const MenuItemSpec* item : ItemsInOrder(category, &MenuItemSpec::savedRank))
            w.value(soldCounter(total, *item));
        w.endLine();
    }
    w.value(total.fastestOrder);
    w.value(total.bestDayRevenue);
    w.value(total.readBestDayNumber());
    w.value(total.funds);
    w.value(total.customers);
    w.value(total.ordersServed);
    w.endLine();
    w.value(levels.drinks);
    w.value(levels.burgers);
    w.value(levels.sides);
    w.value(levels.advertisement);
    w.endLine();
    w.value(headsetBattery);
    w.value(customerSatisfaction);
    w.endLine();
    return w.text();
}

bool writeAll(int fd, const std::string& text)
{
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

void stepDone(int step)
{
    if (savedGameStepHook != nullptr)
        savedGameStepHook(step);
}

// The old file stays as it was unless the new one is complete on disk. False,
// with the step that failed and the system's reason, when it was not saved.
bool replaceSavedGame(const std::string& text, std::string& failure)
{
    if (!MakeSavedGameFolder(failure)) {
        failure = "cannot make the folder " + SavedGameFolder() + ": " + failure;
        return false;
    }
    const std::string temporary = SavedGameTemporaryPath();
    auto failed = [&failure, &temporary](const char* step) {
        if (failure.empty())
            failure = std::string(step) + " " + temporary + ": " + std::strerror(errno);
    };
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        failed("cannot create");
        return false;
    }
    stepDone(1);
    if (!writeAll(fd, text))
        failed("cannot write");
    stepDone(2);
    if (failure.empty() && ::fsync(fd) != 0)
        failed("cannot flush to disk");
    stepDone(3);
    if (::close(fd) != 0)
        failed("cannot close");
    stepDone(4);
    if (failure.empty() && ::rename(temporary.c_str(), SavedGamePath().c_str()) != 0)
        failed("cannot put in place");
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return false;
    }
    stepDone(5);
    // So that the rename itself survives a crash.
    const std::string folderName = SavedGameFolder().empty() ? "." : SavedGameFolder();
    const int folder = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    stepDone(6);
    if (folder >= 0) {
        ::fsync(folder);
        stepDone(7);
        ::close(folder);
    }
    stepDone(8);
    return true;
}

}  // namespace

void (*savedGameStepHook)(int step) = nullptr;

std::string SavedFloatText(float value)
{
    char text[64];
    auto general = FloatToChars(text, text + sizeof text, value, 6);
    float back = 0.0f;
    const auto read = FloatFromChars(text, general.ptr, back);
    if (std::isfinite(value) && read.ec == std::errc() && back == value)
        return std::string(text, general.ptr);
    const auto shortest = FloatToChars(text, text + sizeof text, value);
    return std::string(text, shortest.ptr);
}

bool SaveGame(float headsetBattery, float customerSatisfaction)
{
    std::string failure;
    if (replaceSavedGame(savedGameText(headsetBattery, customerSatisfaction), failure))
        return true;
    std::fprintf(stderr, "%s: %s: not saved: %s\n", program_invocation_short_name, SavedGamePath().c_str(),
                 failure.c_str());
    return false;
}
