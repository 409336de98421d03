// Modal message boxes for start-up and shut-down failures, and the one-line
// messages on standard error that say which file and why.
#pragma once
#include <string>

enum class MessageIcon { None, Information, Exclamation };

// Shows the box; a headless run, or one whose box cannot be shown, writes its
// caption and text to standard error instead.
void ShowMessageBox(const char* text, const char* caption, MessageIcon icon);

// Off for headless runs: the messages then go to standard error only.
extern bool messageBoxWindowsEnabled;

// One line on standard error after the program's name, as GNU programs write it:
// "quorvel: Images/Fries.bmp: missing".
void SayOnStderr(const std::string& line);
