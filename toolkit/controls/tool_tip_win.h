#pragma once
// A tool-tip control: shows a short text while the pointer rests over a tool, a rectangle of
// one of our windows.
#include <windows.h>

#include <string>

namespace tolsy {

class ToolTip {
  public:
    ToolTip() = default;
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;
    ~ToolTip();

    // The tips float above `owner`, which may be a top-most window.
    void create(HWND owner);
    HWND handle() const { return handle_; }
    // `window` must stay alive as long as the tool-tip; its mouse messages are watched.
    void add_tool(HWND window, UINT tool_id, const RECT& area, const std::wstring& text);
    // The tool's text, or an empty text when there is no such tool.
    std::wstring tool_text(HWND window, UINT tool_id) const;
    int tool_count() const;

  private:
    HWND handle_ = nullptr;
};

}  // namespace tolsy
