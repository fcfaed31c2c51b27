#include "toolkit/controls/edit_win.h"

namespace tolsy {

void Edit::create(const Bounds& bounds, HWND parent) {
    create_native(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, bounds,
                  parent);
    // No length limit beyond what the platform can hold.
    SendMessageW(handle(), EM_SETLIMITTEXT, 0, 0);
}

std::wstring Edit::text() const {
    const int length = GetWindowTextLengthW(handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle(), text.data(), length + 1)));
    return text;
}

void Edit::set_text(const std::wstring& value) {
    if (text() == value) return;
    SetWindowTextW(handle(), value.c_str());
}

int Edit::selection_start() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int Edit::selection_end() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

void Edit::select(int start, int end) {
    SendMessageW(handle(), EM_SETSEL, static_cast<WPARAM>(start), end);
}

void Edit::copy_selection() {
    SendMessageW(handle(), WM_COPY, 0, 0);
}

void Edit::replace_selection(const std::wstring& value) {
    SendMessageW(handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

LRESULT Edit::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PASTE && on_paste) {
        on_paste();
        return 0;
    }
    const auto& handler = message == WM_COPY  ? on_copy
                          : message == WM_CUT ? on_cut
                                              : std::function<void(const std::wstring&)>{};
    if ((message == WM_COPY || message == WM_CUT) && handler) {
        const int start = selection_start();
        const int end = selection_end();
        if (end > start)
            handler(text().substr(static_cast<std::size_t>(start),
                                  static_cast<std::size_t>(end - start)));
        return 0;
    }
    return default_control_message(message, wparam, lparam);
}

bool Edit::notification(UINT message, WPARAM wparam, LPARAM, LRESULT&) {
    if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) {
        if (on_change) on_change();
        return true;
    }
    return false;
}

}  // namespace tolsy
