// State object keys of the stages between two days: the report's view state,
// the award money, the satisfaction bonus and the saving screen.
#include "shell/dump.h"

#include "model/game_state.h"
#include "shell/json_values.h"

void DumpBetweenDays(nlohmann::json& state)
{
    const GameState& b = game;
    const ReportView& report = program.report;
    state["satisfactionBonus"] = JsonFloat(b.satisfactionBonus);
    state["awardMoney"] = JsonFloat(b.awardMoney);
    state["saveRequested"] = b.saveRequested;
    state["report"] = {
        {"scrollTop", report.scrollTop},
        {"cursorRow", JsonFloat(report.cursorRow)},
        {"cursorLine", JsonFloat(report.cursorLine)},
        {"expanded", report.expanded},
        {"upHeldFrames", report.upHeldFrames},
        {"downHeldFrames", report.downHeldFrames},
    };
    state["savingDotTimer"] = b.savingDotTimer;
    state["savingFrames"] = b.savingFrames;
    state["saveFailed"] = b.saveFailed;
}
