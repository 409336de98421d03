// The report's list lines: plain, detail and collapsible.
#include "screens/report_list.h"

#include "render/toolkit.h"

#include <cstdio>

namespace {
constexpr int kLineHeight = 11;
constexpr int kLeft = 21;
constexpr int kDetailLeft = 41;  // detail lines are indented by 20
}  // namespace

void ReportList::colour(const char* name) { SetColourByName(name); }
void ReportList::text(const char* text) { draw(kLeft, text); }
void ReportList::detailText(const char* text) { draw(kDetailLeft, text); }
void ReportList::endDetails() { SetColourByName("White"); }

void ReportList::line(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    drawFormatted(kLeft, format, args);
    va_end(args);
}

void ReportList::detail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    drawFormatted(kDetailLeft, format, args);
    va_end(args);
}

bool ReportList::header(int slot, const char* format, ...)
{
    layout_.headerLines[slot] = n_;
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    const bool open = (expanded_ & (1u << slot)) != 0;
    if (open && buffer[0] == '|' && buffer[1] == '+')
        buffer[1] = '-';
    draw(kLeft, buffer);
    if (open)
        SetColourByName("Gray58");
    return open;
}

void ReportList::drawFormatted(int x, const char* format, va_list args)
{
    char buffer[256];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    draw(x, buffer);
}

void ReportList::draw(int x, const char* text)
{
    PrintFormatted(x, scrollTop_ - kLineHeight * n_, 0, "%s", text);
    ++n_;
}
