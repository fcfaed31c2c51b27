#include "toolkit/controls/page_control_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "base/handles_win.h"
#include "base/windows1252_win.h"

namespace tolsy {

SpeedButton& TabSheet::add_speed_button(std::unique_ptr<SpeedButton> button) {
    buttons_.push_back(std::move(button));
    return *buttons_.back();
}

void TabSheet::create_tool_tips(HWND owner) {
    const bool any_hint = std::any_of(buttons_.begin(), buttons_.end(),
                                      [](const auto& b) { return !b->hint().empty(); });
    if (!any_hint || tool_tip_.handle()) return;
    tool_tip_owner_ = owner;
    if (handle() && (GetWindowLongW(handle(), GWL_STYLE) & WS_VISIBLE)) make_tool_tips();
}

void TabSheet::make_tool_tips() {
    const HWND owner = std::exchange(tool_tip_owner_, nullptr);
    tool_tip_.create(owner);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const SpeedButton& b = *buttons_[i];
        if (!b.hint().empty())
            tool_tip_.add_tool(handle(), static_cast<UINT>(i), b.rect(), b.hint());
    }
}

void TabSheet::paint(HDC dc, const RECT& client) {
    fill_background(dc, client);
    paint_boxes(*this, dc);
    for (const auto& button : buttons_) button->paint(dc);
}

SpeedButton* TabSheet::button_at(POINT p) const {
    // Later buttons lie above earlier ones where rows overlap.
    for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it) {
        const RECT r = (*it)->rect();
        if (PtInRect(&r, p)) return it->get();
    }
    return nullptr;
}

void TabSheet::invalidate(const SpeedButton* button) {
    if (!button) return;
    const RECT r = button->rect();
    InvalidateRect(handle(), &r, FALSE);
}

void TabSheet::set_hot(SpeedButton* button) {
    if (button == hot_) return;
    if (hot_) hot_->set_hot(false);
    invalidate(hot_);
    hot_ = button;
    if (hot_) hot_->set_hot(true);
    invalidate(hot_);
}

LRESULT TabSheet::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case WM_MOUSEMOVE: {
            set_hot(button_at(p));
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
            TrackMouseEvent(&track);
            return 0;
        }
        case WM_MOUSELEAVE:
            if (!pressed_) set_hot(nullptr);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = button_at(p);
            if (pressed_) {
                SetCapture(handle());
                set_hot(pressed_);
                pressed_->set_down(true);
                invalidate(pressed_);
            }
            return 0;
        case WM_LBUTTONUP: {
            SpeedButton* released = pressed_;
            if (!released) return 0;
            const bool over = button_at(p) == released;
            ReleaseCapture();  // WM_CAPTURECHANGED lets the button up
            set_hot(button_at(p));
            if (over) released->click();
            return 0;
        }
        case WM_SHOWWINDOW:
            if (wparam && tool_tip_owner_) make_tool_tips();
            return Container::handle_message(message, wparam, lparam);
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_->set_down(false);
                invalidate(pressed_);
                pressed_ = nullptr;
            }
            return 0;
        default:
            return Container::handle_message(message, wparam, lparam);
    }
}

void TabStrip::create(const Bounds& bounds, HWND parent) {
    create_native(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, 0, bounds, parent);
}

bool TabStrip::notification(UINT message, WPARAM, LPARAM lparam, LRESULT& result) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == TCN_SELCHANGE) {
        if (on_change) on_change();
        result = 0;
        return true;
    }
    return false;
}

void PageControl::create(const Bounds& bounds, HWND parent) {
    host_ = parent;
    bounds_ = bounds;
    tabs_ = make_tabs();
    tabs_->set_font(FontSpec{});
    tabs_->create(bounds, parent);
    tabs_->on_change = [this] { show_active_page(); };
}

RECT PageControl::page_area() const {
    RECT area{0, 0, bounds_.width, bounds_.height};
    SendMessageW(tabs_->handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

TabSheet& PageControl::add_page(const std::string& caption) {
    std::wstring text = windows1252_to_wide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs_->handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));

    // The tab row paints only around the pages, so a page below it in the z-order shows. The
    // pages' area changes only when a tab makes the row taller.
    const RECT area = page_area();
    if (!EqualRect(&area, &cut_area_)) {
        UniqueRegion outside(CreateRectRgn(0, 0, bounds_.width, bounds_.height));
        const UniqueRegion inside(CreateRectRgnIndirect(&area));
        if (outside && inside &&
            CombineRgn(outside.get(), outside.get(), inside.get(), RGN_DIFF) != ERROR) {
            set_window_region(tabs_->handle(), std::move(outside), true);
            cut_area_ = area;
        }
    }

    std::unique_ptr<TabSheet> page = make_page();
    page->set_caption(caption);
    pages_.push_back(std::move(page));
    show_active_page();
    return *pages_.back();
}

HWND PageControl::page_window(int index) {
    TabSheet& page = *pages_.at(static_cast<std::size_t>(index));
    if (!page.handle()) {
        const RECT area = page_area();
        page.create_container(Bounds{bounds_.left + area.left, bounds_.top + area.top,
                                     area.right - area.left, area.bottom - area.top},
                              host_);
        // Next after the tab row, for the dialog keys: a page made later than the windows after
        // the page control would come last.
        const HWND tabs = tabs_->handle();
        if (GetWindow(tabs, GW_HWNDNEXT) != page.handle())
            SetWindowPos(page.handle(), tabs, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    return page.handle();
}

int PageControl::active_page_index() const {
    return static_cast<int>(SendMessageW(tabs_->handle(), TCM_GETCURSEL, 0, 0));
}

void PageControl::set_active_page_index(int index) {
    if (index < 0 || index >= page_count()) return;
    SendMessageW(tabs_->handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    show_active_page();
}

void PageControl::show_active_page() {
    const int active = active_page_index();
    for (int i = 0; i < page_count(); ++i) {
        const HWND page =
            i == active ? page_window(i) : pages_[static_cast<std::size_t>(i)]->handle();
        if (!page) continue;  // never shown yet
        const bool shown = (GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != (i == active)) ShowWindow(page, i == active ? SW_SHOW : SW_HIDE);
    }
}

}  // namespace tolsy
