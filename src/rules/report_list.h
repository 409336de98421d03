// The report's list: lines top to bottom, one line height apart, some of them
// collapsible, with where each collapsible line went.
#pragma once
#include "rules/report.h"

#include <cstdarg>
#include <cstdint>
#include <vector>

class ReportList {
public:
    ReportList(ReportLayout& layout, std::vector<ReportEntry>& entries, int scrollTop, uint32_t expanded)
        : layout_(layout), entries_(entries), scrollTop_(scrollTop), expanded_(expanded)
    {
    }

    int count() const { return n_; }

    void colour(const char* name);
    void text(const char* text);
    void detailText(const char* text);

    __attribute__((format(printf, 2, 3))) void line(const char* format, ...);
    __attribute__((format(printf, 2, 3))) void detail(const char* format, ...);
    // A collapsible line, its format written closed ("|+| ..."). Returns true
    // when it is open; the caller then adds its details and calls endDetails.
    __attribute__((format(printf, 3, 4))) bool header(int slot, const char* format, ...);
    void endDetails();

private:
    void addFormatted(int x, const char* format, va_list args);
    void add(int x, const char* text);

    ReportLayout& layout_;
    std::vector<ReportEntry>& entries_;
    int scrollTop_;
    uint32_t expanded_;
    int n_ = 0;
};
