// Modal message boxes for start-up and shut-down failures; every message is also
// written to standard error so it is seen without a display.
#pragma once
#include <string>
#include <vector>

enum class MessageIcon { None, Information, Exclamation };

void ShowMessageBox(const char* text, const char* caption, MessageIcon icon);

// Every message shown this run, in order (tests read it).
const std::vector<std::string>& ShownMessages();

// Off for headless runs: the messages then go to standard error only.
extern bool messageBoxWindowsEnabled;
