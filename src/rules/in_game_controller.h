// The in-game screen: a day at the drive-thru, or the stages between two days.
#pragma once

void InGameController(const bool* keys);
