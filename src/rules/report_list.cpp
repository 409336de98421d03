// The report's list lines: plain, detail and collapsible.
#include "rules/report_list.h"

#include <cstdio>

namespace {
constexpr int kLeft = 21;
constexpr int kDetailLeft = 41;  // detail lines are indented by 20
}  // namespace

void ReportList::colour(const char* name) { entries_.push_back({name, false, 0, 0, {}}); }
void ReportList::text(const char* text) { add(kLeft, text); }
void ReportList::detailText(const char* text) { add(kDetailLeft, text); }
void ReportList::endDetails() { colour("White"); }

void ReportList::line(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    addFormatted(kLeft, format, args);
    va_end(args);
}

void ReportList::detail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    addFormatted(kDetailLeft, format, args);
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
    add(kLeft, buffer);
    if (open)
        colour("Gray58");
    return open;
}

void ReportList::addFormatted(int x, const char* format, va_list args)
{
    char buffer[256];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    add(x, buffer);
}

void ReportList::add(int x, const char* text)
{
    entries_.push_back({nullptr, true, x, scrollTop_ - kReportLineHeight * n_, text});
    ++n_;
}
