// The end-of-day report worked out from the day's and the lifetime figures:
// its lines, where each collapsible line is, and the awards the day earned.
#pragma once
#include "model/between_days_frame.h"

constexpr int kReportSlots = 21;

struct ReportLayout {
    int headerLines[kReportSlots];  // line index by slot; -1 for an award not given
    float awardTotal;               // the awards the day earned
    int cursorLine;                 // the line under the cursor, after this frame's keys
    int lineCount;
};

struct Report {
    ReportLayout layout;
    std::vector<ReportEntry> list;
};

// The list as the cursor and the open lines stand, with the award money as
// the report's last frame left it.
Report BuildReport();
