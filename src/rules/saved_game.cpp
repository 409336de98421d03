// Writing the saved game (whole, through a temporary file) and reading it back
// field by field, keeping whatever cannot be read.
#include "rules/saved_game.h"
#include "rules/saved_game_folder.h"

#include "model/float_chars.h"
#include "model/game_state.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <type_traits>
#include <unistd.h>

namespace {


// Far beyond any game, and far enough below the integer limit that the days
// and sales still to come cannot overflow.
constexpr int32_t kMaxDayNumber = 1'000'000'000;
constexpr int32_t kMaxCount = 1'000'000'000;
// Above this a best-day number does not fit its integer.
constexpr float kBestDayNumberLimit = 2147483648.0f;

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

// The old file stays as it was unless the new one is complete on disk.
bool replaceSavedGame(const std::string& text)
{
    if (!MakeSavedGameFolder())
        return false;
    const std::string temporary = SavedGameTemporaryPath();
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    stepDone(1);
    bool ok = writeAll(fd, text);
    stepDone(2);
    ok = ok && ::fsync(fd) == 0;
    stepDone(3);
    ok = ::close(fd) == 0 && ok;
    stepDone(4);
    ok = ok && ::rename(temporary.c_str(), SavedGamePath().c_str()) == 0;
    if (!ok) {
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

// Blank-separated values, one per field. A value too long for any number is
// consumed whole and read as bad, so the fields after it stay in step.
class ValueReader {
public:
    explicit ValueReader(std::FILE* file) : file_(file) {}

    // False at the end of the file; otherwise token holds the next value
    // (empty when it was too long to be a number).
    bool next(std::string& token)
    {
        token.clear();
        if (file_ == nullptr)
            return false;
        int c = std::fgetc(file_);
        while (c != EOF && isBlank(c))
            c = std::fgetc(file_);
        if (c == EOF)
            return false;
        bool tooLong = false;
        for (; c != EOF && !isBlank(c); c = std::fgetc(file_)) {
            if (token.size() < kMaxToken)
                token += static_cast<char>(c);
            else
                tooLong = true;
        }
        if (tooLong)
            token.clear();
        return true;
    }

private:
    static constexpr size_t kMaxToken = 64;
    static bool isBlank(int c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    std::FILE* file_;
};

// The whole token must be the number; a leading '+' is allowed as stream input allows it.
template <class T>
bool parseNumber(const std::string& token, T& value)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    if (first == last)
        return false;
    const auto [end, error] = [&] {
        if constexpr (std::is_same_v<T, float>)
            return FloatFromChars(first, last, value);
        else
            return std::from_chars(first, last, value);
    }();
    return error == std::errc() && end == last;
}

class FieldLoader {
public:
    explicit FieldLoader(ValueReader& reader) : reader_(reader) {}

    void integer(int32_t& field, int32_t low, int32_t high)
    {
        int32_t v = 0;
        if (nextToken() && parseNumber(token_, v) && v >= low && v <= high)
            field = v;
    }
    void count(int32_t& field) { integer(field, 0, kMaxCount); }

    void finite(float& field)
    {
        float v = 0.0f;
        if (nextToken() && parseNumber(token_, v) && std::isfinite(v))
            field = v;
    }
    void percentage(float& field)
    {
        float v = 0.0f;
        if (nextToken() && parseNumber(token_, v) && v >= 0.0f && v <= 100.0f)
            field = v;
    }
    void bestDayNumber(TotalStats& total)
    {
        float v = 0.0f;
        if (nextToken() && parseNumber(token_, v) && v >= 0.0f && v < kBestDayNumberLimit)
            total.writeBestDayNumber(v);
    }

private:
    bool nextToken() { return reader_.next(token_); }

    ValueReader& reader_;
    std::string token_;
};

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
    return replaceSavedGame(savedGameText(headsetBattery, customerSatisfaction));
}

void LoadGame(float& headsetBattery, float& customerSatisfaction, bool& dayOver)
{
    std::FILE* file = std::fopen(SavedGamePath().c_str(), "r");
    ValueReader reader(file);
    FieldLoader load(reader);
    TotalStats& total = game.totals;
    UpgradeLevels& levels = game.upgradeLevels;

    load.integer(day.stats.dayNumber, 1, kMaxDayNumber);
    for (ItemCategory category : kSavedCategories)
        for (const MenuItemSpec* item : ItemsInOrder(category, &MenuItemSpec::savedRank))
            load.count(soldCounter(total, *item));
    load.finite(total.fastestOrder);
    load.finite(total.bestDayRevenue);
    load.bestDayNumber(total);
    load.finite(total.funds);
    load.count(total.customers);
    load.count(total.ordersServed);
    load.integer(levels.drinks, 0, 5);
    load.integer(levels.burgers, 0, 5);
    load.integer(levels.sides, 0, 5);
    load.integer(levels.advertisement, 0, 5);
    load.percentage(headsetBattery);
    load.finite(customerSatisfaction);

    if (file != nullptr)
        std::fclose(file);
    dayOver = true;
    game.betweenDaysStage = BetweenDaysStage::Shop;
}
