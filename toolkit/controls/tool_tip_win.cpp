#include "toolkit/controls/tool_tip_win.h"

#include <commctrl.h>

#include <stdexcept>

namespace tolsy {

namespace {
// Longest tool-tip text we read back.
constexpr std::size_t kTextCapacity = 256;

TOOLINFOW tool_info(HWND window, UINT tool_id) {
    TOOLINFOW info{};
    // The older structure size is understood by every version of the common controls.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window;
    info.uId = tool_id;
    return info;
}
}  // namespace

ToolTip::~ToolTip() {
    if (handle_) DestroyWindow(handle_);
}

void ToolTip::create(HWND owner) {
    handle_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw std::runtime_error("Cannot create tool-tip");
}

void ToolTip::add_tool(HWND window, UINT tool_id, const RECT& area, const std::wstring& text) {
    TOOLINFOW info = tool_info(window, tool_id);
    info.uFlags = TTF_SUBCLASS;
    info.rect = area;
    std::wstring copy = text;  // the control copies the text; the call wants it writable
    info.lpszText = copy.data();
    SendMessageW(handle_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring ToolTip::tool_text(HWND window, UINT tool_id) const {
    std::wstring text(kTextCapacity, L'\0');
    TOOLINFOW info = tool_info(window, tool_id);
    info.lpszText = text.data();
    SendMessageW(handle_, TTM_GETTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

int ToolTip::tool_count() const {
    return static_cast<int>(SendMessageW(handle_, TTM_GETTOOLCOUNT, 0, 0));
}

}  // namespace tolsy
