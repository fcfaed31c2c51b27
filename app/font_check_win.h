#pragma once
// Whether a font face is installed, by enumerating the fonts of that face on the screen.
#include <windows.h>

namespace tolsy {

// Enumeration callback: ignores the font, adds one to the counter passed as the application
// value, and returns 1 so that enumeration goes on.
int CALLBACK count_font_face(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type,
                             LPARAM counter);

// True when at least one font of exactly this face name is installed.
bool font_installed(const char* face_name);

}  // namespace tolsy
