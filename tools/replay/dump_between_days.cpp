// State object keys of the stages between two days: the report's view state,
// the award money, the satisfaction bonus and the saving screen.
#include "dump.h"

#include "dayend/between_days.h"
#include "json_values.h"

void DumpBetweenDays(nlohmann::json& state)
{
    const BetweenDaysState& b = betweenDays;
    state["satisfactionBonus"] = JsonFloat(b.satisfactionBonus);
    state["awardMoney"] = JsonFloat(b.awardMoney);
    state["saveRequested"] = b.saveRequested;
    state["report"] = {
        {"scrollTop", b.report.scrollTop},
        {"cursorRow", JsonFloat(b.report.cursorRow)},
        {"cursorLine", JsonFloat(b.report.cursorLine)},
        {"expanded", b.report.expanded},
        {"upHeldFrames", b.report.upHeldFrames},
        {"downHeldFrames", b.report.downHeldFrames},
    };
    state["savingDotTimer"] = b.savingDotTimer;
    state["savingFrames"] = b.savingFrames;
    state["saveFailed"] = b.saveFailed;
}
