// Floats to text and back, through the standard library where it has them.
#include "model/float_chars.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::to_chars_result FloatToChars(char* first, char* last, float value)
{
    return std::to_chars(first, last, value);
}

std::to_chars_result FloatToChars(char* first, char* last, float value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::general, precision);
}

std::from_chars_result FloatFromChars(const char* first, const char* last, float& value)
{
    return std::from_chars(first, last, value);
}

#else

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::to_chars_result copyOut(char* first, char* last, const std::string& text)
{
    if (static_cast<size_t>(last - first) < text.size())
        return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

bool readsBack(const char* text, float value)
{
    return std::strtof(text, nullptr) == value;
}

// The digits of |value| to `digits` significant places with its decimal exponent (of the
// first digit); `step` moves the last digit one up or down from the correctly rounded one.
std::string significand(float value, int digits, int& exponent, int step)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, std::fabs(static_cast<double>(value)));
    std::string mantissa;
    const char* e = std::strchr(text, 'e');
    for (const char* c = text; c < e; ++c)
        if (*c != '.')
            mantissa += *c;
    exponent = std::atoi(e + 1);
    if (step != 0) {
        long long n = std::stoll(mantissa) + step;
        mantissa = std::to_string(n);
        if (static_cast<int>(mantissa.size()) > digits) {  // 99 + 1: one more place
            mantissa.pop_back();
            ++exponent;
        }
        if (n == 0)
            return "";
        if (static_cast<int>(mantissa.size()) < digits) {  // 100 - 1: the finer places below
            mantissa = std::string(static_cast<size_t>(digits), '9');
            --exponent;
        }
    }
    return mantissa;
}

std::string scientific(const std::string& digits, int exponent, bool negative)
{
    std::string text = negative ? "-" : "";
    text += digits[0];
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + tail;
}

std::string fixed(float value, const std::string& digits, int exponent, bool negative)
{
    std::string text = negative ? "-" : "";
    const int points = static_cast<int>(digits.size());
    if (exponent < 0)
        return text + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    if (exponent + 1 > points) {  // a whole number: its exact digits, as many as the zeros would be
        char whole[64];
        std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(value));
        return whole;
    }
    if (exponent + 1 == points)
        return text + digits;
    return text + digits.substr(0, static_cast<size_t>(exponent + 1)) + "." +
           digits.substr(static_cast<size_t>(exponent + 1));
}

// Shortest: the fewest digits that read back, the nearest such digits when two do.
std::string shortestText(float value)
{
    const bool negative = std::signbit(value);
    if (value == 0.0f)
        return negative ? "-0" : "0";
    for (int digits = 1; digits <= 9; ++digits) {
        for (int step : {0, 1, -1}) {
            int exponent = 0;
            std::string mantissa = significand(value, digits, exponent, step);
            if (mantissa.empty())
                continue;
            const std::string sci = scientific(mantissa, exponent, negative);
            if (!readsBack(sci.c_str(), value))
                continue;
            while (mantissa.size() > 1 && mantissa.back() == '0')
                mantissa.pop_back();
            const std::string a = fixed(value, mantissa, exponent, negative), b = scientific(mantissa, exponent, negative);
            return a.size() <= b.size() ? a : b;
        }
    }
    return "";
}

bool matchesNoCase(const char* first, const char* last, const char* word)
{
    const size_t n = std::strlen(word);
    if (static_cast<size_t>(last - first) != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if ((first[i] | 0x20) != word[i])
            return false;
    return true;
}

// "nan(" letters, digits and underscores ")"
bool nanWithPayload(const char* first, const char* last)
{
    if (last - first < 5 || !matchesNoCase(first, first + 4, "nan(") || last[-1] != ')')
        return false;
    for (const char* c = first + 4; c < last - 1; ++c)
        if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '_')
            return false;
    return true;
}

// The whole text as from_chars reads a decimal float: digits with at most one point, at
// least one digit, and an optional exponent.
bool decimalSyntax(const char* c, const char* last)
{
    int digits = 0;
    bool point = false;
    for (; c < last && ((*c >= '0' && *c <= '9') || (*c == '.' && !point)); ++c) {
        point = point || *c == '.';
        digits += *c != '.';
    }
    if (digits == 0)
        return false;
    if (c == last)
        return true;
    if (*c != 'e' && *c != 'E')
        return false;
    if (++c < last && (*c == '+' || *c == '-'))
        ++c;
    if (c == last)
        return false;
    for (; c < last; ++c)
        if (*c < '0' || *c > '9')
            return false;
    return true;
}

}  // namespace

std::to_chars_result FloatToChars(char* first, char* last, float value)
{
    if (std::isnan(value))
        return copyOut(first, last, std::signbit(value) ? "-nan" : "nan");
    if (std::isinf(value))
        return copyOut(first, last, value < 0 ? "-inf" : "inf");
    return copyOut(first, last, shortestText(value));
}

std::to_chars_result FloatToChars(char* first, char* last, float value, int precision)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
    return copyOut(first, last, text);
}

std::from_chars_result FloatFromChars(const char* first, const char* last, float& value)
{
    const char* body = first < last && *first == '-' ? first + 1 : first;
    const bool special = matchesNoCase(body, last, "inf") || matchesNoCase(body, last, "infinity") ||
                         matchesNoCase(body, last, "nan") || nanWithPayload(body, last);
    if (!special && !decimalSyntax(body, last))
        return {first, std::errc::invalid_argument};
    const std::string text(first, last);
    errno = 0;
    const float read = std::strtof(text.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(read) || read == 0.0f))  // subnormals are read
        return {last, std::errc::result_out_of_range};
    value = read;
    return {last, std::errc()};
}

#endif
