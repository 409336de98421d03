// Modal message boxes for start-up and shut-down failures; every message is also
// written to standard error so it is seen without a display.
#pragma once

enum class MessageIcon { None, Information, Exclamation };

void ShowMessageBox(const char* text, const char* caption, MessageIcon icon);

// Off for headless runs: the messages then go to standard error only.
extern bool messageBoxWindowsEnabled;
