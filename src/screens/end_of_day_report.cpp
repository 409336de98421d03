// The end-of-day report screen: its headings, the list of lines the report's
// rules worked out, and the cursor over them.
#include "screens/between_days_screens.h"

#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

void drawFixedTexts(float satisfactionBonus)
{
    PrintText(410, 320, "Red", 5, "E N D  O F  D A Y");
    PrintText(410, 270, "Red", 5, "   R E P O R T");
    PrintFormatted(405, 200, 1, "%.1f%% added to customer", satisfactionBonus);
    PrintText(405, 180, "Red", 1, "satisfaction");
    PrintText(362, 45, "Red", 4, "press <space> to expand |+|");
    PrintText(370, 30, "Red", 4, "press <enter> to continue");
    PrintText(360, 15, "Gray85", 0, "use arrows, home/end, and");
    PrintText(360, 5, "Gray85", 0, "pgup/pgdwn to navigate");
}

void drawFrame(float cursorRow)
{
    DrawSprite("Red", Picture::CursorBar, -0.925f, cursorRow * 0.076f + 1.438f, 4.55f);
    SetBlending(false);
    DrawSprite("Gray50", Picture::ReportFrameBar, -0.927f, 1.57f, 0.6f);
    DrawSprite("Gray50", Picture::ReportFrameBar, -0.927f, -1.57f, 0.6f);
    DrawSprite("Gray50", Picture::VerticalRuleThin, 0.217f, 0.0f, 6.2f);
    DrawSprite("Gray50", Picture::VerticalRuleThin, -2.065f, 0.0f, 6.2f);
}

}  // namespace

void DrawEndOfDayReport(const ReportFrame& report)
{
    drawFixedTexts(report.satisfactionBonus);
    SetBlending(true);
    for (const ReportEntry& entry : report.list) {
        if (entry.colour != nullptr)
            SetColourByName(entry.colour);
        if (entry.printed)
            PrintFormatted(entry.x, entry.y, 0, "%s", entry.text.c_str());
    }
    drawFrame(report.cursorRow);
}

void DrawBetweenDays(const BetweenDaysFrame& frame)
{
    struct Draw {
        void operator()(const DayOverFrame&) const { DrawDayOver(); }
        void operator()(const ReportFrame& f) const { DrawEndOfDayReport(f); }
        void operator()(const ShopFrame& f) const { DrawUpgradesShop(f); }
        void operator()(const SavingFrame& f) const { DrawSavingScreen(f); }
        void operator()(const BulletinFrame& f) const { DrawBulletin(f); }
    };
    std::visit(Draw{}, frame);
}
