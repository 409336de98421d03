// The screen dispatcher: exactly one screen per frame, chosen by the flags.
#pragma once

void DispatchScreen(const bool* keys, bool& creditsFlag, bool& doneFlag, bool& pauseAllowedFlag,
                    bool escapePressed);
