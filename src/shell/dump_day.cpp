// State object keys of the day's rules that the model's keys do not already show.
#include "shell/dump.h"

#include "rules/hand_out.h"

void DumpDay(nlohmann::json& state)
{
    // Whether Enter at the window would wave on the car there (it has no receipt anywhere).
    state["carWithoutReceipt"] = CarAtWindowWithoutReceipt();
    // Whether Enter at the window would throw away the picked-up bag (its car was served).
    state["bagForServedCar"] = PickedUpBagForServedCar();
}
