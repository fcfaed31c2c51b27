#include "app/font_check_win.h"

namespace tolsy {

int CALLBACK count_font_face(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return 1;
}

bool font_installed(const char* face_name) {
    HDC dc = GetDC(nullptr);
    int count = 0;
    EnumFontsA(dc, face_name, reinterpret_cast<FONTENUMPROCA>(&count_font_face),
               reinterpret_cast<LPARAM>(&count));
    ReleaseDC(nullptr, dc);
    return count > 0;
}

}  // namespace tolsy
