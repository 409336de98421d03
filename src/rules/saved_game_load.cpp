// Reading the saved game back field by field: a value that cannot be read or is
// out of range keeps its field as it was, and the terminal is told which and why.
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
#include <limits>
#include <string>
#include <type_traits>

namespace {

// Far beyond any game, and far enough below the integer limit that the days
// and sales still to come cannot overflow.
constexpr double kMaxDayNumber = 1'000'000'000;
constexpr double kMaxCount = 1'000'000'000;
// Above this a best-day number does not fit its integer.
constexpr double kMaxBestDayNumber = 2147483647.0;
// Money beyond this does not fit the report's and the shop's lines, and no
// purchase ever takes it below zero.
constexpr double kMaxMoney = 99'999'999.99;
// The game never raises satisfaction past 100, and a penalty that takes it below
// -100 is undone within a frame.
constexpr double kMaxSatisfaction = 100.0;
constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The order of the three lines of lifetime sales.
constexpr ItemCategory kSavedCategories[] = {ItemCategory::Burger, ItemCategory::Drink, ItemCategory::Side};

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s: %s\n", program_invocation_short_name, SavedGamePath().c_str(), line.c_str());
}

// A value as a message quotes it: bytes that are not printable as \xNN.
std::string quoted(const std::string& token)
{
    std::string shown = "\"";
    for (const char c : token) {
        const unsigned char byte = static_cast<unsigned char>(c);
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        shown += byte >= 0x20 && byte < 0x7f && c != '"' ? std::string(1, c) : escaped;
    }
    return shown + "\"";
}

std::string bound(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, value == std::floor(value) ? "%.0f" : "%.2f", value);
    return text;
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

    static constexpr size_t kMaxToken = 64;

private:
    static bool isBlank(int c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    std::FILE* file_;
};

// The whole token must be the number; a leading '+' is allowed as stream input allows it.
template <class T>
std::errc parseNumber(const std::string& token, T& value)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    if (first == last)
        return std::errc::invalid_argument;
    const auto [end, error] = [&] {
        if constexpr (std::is_same_v<T, float>)
            return FloatFromChars(first, last, value);
        else
            return std::from_chars(first, last, value);
    }();
    return error == std::errc() && end != last ? std::errc::invalid_argument : error;
}

class FieldLoader {
public:
    // A file that did not open has nothing to read, and has been told so.
    FieldLoader(ValueReader& reader, bool opened) : reader_(reader), ended_(!opened) {}

    void integer(const std::string& name, int32_t& field, double low, double high)
    {
        int32_t v = 0;
        if (accepted(name, v, low, high, std::to_string(field)))
            field = v;
    }
    void count(const std::string& name, int32_t& field) { integer(name, field, 0, kMaxCount); }

    void number(const std::string& name, float& field, double low = -kUnbounded, double high = kUnbounded)
    {
        float v = 0.0f;
        if (accepted(name, v, low, high, SavedFloatText(field)))
            field = v;
    }
    void bestDayNumber(TotalStats& total)
    {
        float v = 0.0f;
        if (accepted("bestDayNumber", v, 0, kMaxBestDayNumber, SavedFloatText(total.readBestDayNumber())))
            total.writeBestDayNumber(v);
    }

    // After the last field: a file that holds more is told so.
    void finish()
    {
        if (!ended_ && reader_.next(token_))
            say("holds more than " + std::to_string(field_) + " values; the rest is not read");
    }

private:
    template <class T>
    bool accepted(const std::string& name, T& v, double low, double high, const std::string& kept)
    {
        ++field_;
        if (ended_ || !reader_.next(token_)) {
            if (!ended_)
                say(field_ == 1 ? std::string("is empty; every field keeps its value")
                                : "ends before field " + std::to_string(field_) + " (" + name +
                                      "); it and the fields after it keep their values");
            ended_ = true;
            return false;
        }
        const std::errc parsed = parseNumber(token_, v);
        std::string why;
        if (token_.empty())
            why = "a value of over " + std::to_string(ValueReader::kMaxToken) + " characters";
        else if (parsed == std::errc::invalid_argument)
            why = quoted(token_) + (std::is_integral_v<T> ? " is not a whole number" : " is not a number");
        else if (parsed == std::errc() && !std::isfinite(static_cast<double>(v)))
            why = quoted(token_) + " is not a finite number";
        else if (parsed != std::errc() || static_cast<double>(v) < low || static_cast<double>(v) > high)
            why = quoted(token_) + " is out of range" +
                  (std::isinf(high) ? "" : " (" + bound(low) + " to " + bound(high) + ")");
        if (why.empty())
            return true;
        say("field " + std::to_string(field_) + " (" + name + "): " + why + "; keeping " + kept);
        return false;
    }

    ValueReader& reader_;
    std::string token_;
    int field_ = 0;
    bool ended_ = false;
};

}  // namespace

void LoadGame(float& headsetBattery, float& customerSatisfaction, bool& dayOver)
{
    std::FILE* file = std::fopen(SavedGamePath().c_str(), "r");
    if (file == nullptr)
        say(std::string("cannot read: ") + std::strerror(errno) + "; nothing loaded");
    ValueReader reader(file);
    FieldLoader load(reader, file != nullptr);
    TotalStats& total = game.totals;
    UpgradeLevels& levels = game.upgradeLevels;

    load.integer("dayNumber", day.stats.dayNumber, 1, kMaxDayNumber);
    for (ItemCategory category : kSavedCategories)
        for (const MenuItemSpec* item : ItemsInOrder(category, &MenuItemSpec::savedRank))
            load.count(std::string(item->name) + " sold", soldCounter(total, *item));
    load.number("fastestOrder", total.fastestOrder);
    load.number("bestDayRevenue", total.bestDayRevenue, 0, kMaxMoney);
    load.bestDayNumber(total);
    load.number("funds", total.funds, 0, kMaxMoney);
    load.count("customers", total.customers);
    load.count("ordersServed", total.ordersServed);
    load.integer("drinks level", levels.drinks, 0, 5);
    load.integer("burgers level", levels.burgers, 0, 5);
    load.integer("sides level", levels.sides, 0, 5);
    load.integer("advertisement level", levels.advertisement, 0, 5);
    load.number("headsetBattery", headsetBattery, 0, 100);
    load.number("customerSatisfaction", customerSatisfaction, -kMaxSatisfaction, kMaxSatisfaction);
    if (file != nullptr) {
        load.finish();
        std::fclose(file);
    }
    dayOver = true;
    game.betweenDaysStage = BetweenDaysStage::Shop;
}
