// Message boxes on SDL, and lines on standard error.
#include "shell/message_box.h"

#include <SDL.h>
#include <cerrno>
#include <cstdio>

bool messageBoxWindowsEnabled = true;

void ShowMessageBox(const char* text, const char* caption, MessageIcon icon)
{
    Uint32 flags = icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING
                   : icon == MessageIcon::Information ? SDL_MESSAGEBOX_INFORMATION
                                                      : 0;
    if (!messageBoxWindowsEnabled || SDL_ShowSimpleMessageBox(flags, caption, text, nullptr) != 0)
        std::fprintf(stderr, "%s: %s\n", caption, text);
}

void SayOnStderr(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line.c_str());
}
