// Message boxes on SDL.
#include "shell/message_box.h"

#include <SDL.h>
#include <cstdio>

bool messageBoxWindowsEnabled = true;

void ShowMessageBox(const char* text, const char* caption, MessageIcon icon)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (!messageBoxWindowsEnabled)
        return;
    Uint32 flags = icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING
                   : icon == MessageIcon::Information ? SDL_MESSAGEBOX_INFORMATION
                                                      : 0;
    SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
}
