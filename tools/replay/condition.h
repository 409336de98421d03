// Checking an until or expect condition against the state object and the draws.
#pragma once
#include "shell/script.h"

// The value the condition's path names (null where nothing is there).
nlohmann::json ConditionValue(const Condition& condition, long long frame);
bool ConditionHolds(const Condition& condition, const nlohmann::json& value);
