#pragma once
// A page control: a row of tabs over a set of tab sheets, one shown at a time. The tab row
// itself takes the keyboard focus (Tab reaches it; the arrow keys change the page). Tab sheets
// also hold speed buttons, which they paint and feed with the mouse, with their tool-tips.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls/control_win.h"
#include "toolkit/controls/speed_button_win.h"
#include "toolkit/controls/tool_tip_win.h"

namespace tolsy {

class TabSheet : public Container {
  public:
    // Adds a windowless button; the sheet paints it and routes the mouse to it.
    SpeedButton& add_speed_button(std::unique_ptr<SpeedButton> button);
    const std::vector<std::unique_ptr<SpeedButton>>& speed_buttons() const { return buttons_; }
    // Registers the tool-tips of the buttons that have a hint; call once all are added. The
    // tool-tip window is made when the sheet is first shown (no one can point at a hidden
    // sheet's buttons), and never for a sheet without hints: each one is a window of its own,
    // which costs start-up time.
    void create_tool_tips(HWND owner);
    const ToolTip& tool_tip() const { return tool_tip_; }

  protected:
    void paint(HDC dc, const RECT& client) override;
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void make_tool_tips();
    SpeedButton* button_at(POINT p) const;
    void set_hot(SpeedButton* button);
    void invalidate(const SpeedButton* button);

    std::vector<std::unique_ptr<SpeedButton>> buttons_;
    SpeedButton* hot_ = nullptr;
    SpeedButton* pressed_ = nullptr;
    ToolTip tool_tip_;
    HWND tool_tip_owner_ = nullptr;  // set while the tool-tips wait for the sheet to show
};

class TabStrip : public NativeControl {
  public:
    void create(const Bounds& bounds, HWND parent);
    std::function<void()> on_change;

  protected:
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

// The page control has no window of its own: its tab row and its pages lie on the window it is
// placed on, the tab row over the control's whole place and each page in the row's page area,
// next after the row in the tab order. Under Wine each window costs start-up its creation and a
// non-client paint, an erase and a paint when shown; a window that only held the others needs
// none of them.
class PageControl {
  public:
    PageControl() = default;
    virtual ~PageControl() = default;
    PageControl(const PageControl&) = delete;
    PageControl& operator=(const PageControl&) = delete;

    void create(const Bounds& bounds, HWND parent);
    // Adds a page with its caption (the tab's text) and returns it. The page's window is made
    // when the page is first shown or given a control of its own (page_window): every window
    // costs start-up its making, and a page no one turns to needs none.
    TabSheet& add_page(const std::string& caption);
    // The page's window, made hidden now if it has none yet.
    HWND page_window(int index);
    int page_count() const { return static_cast<int>(pages_.size()); }
    TabSheet& page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    int active_page_index() const;
    // Shows that page; an index outside the pages is ignored.
    void set_active_page_index(int index);
    TabStrip& tabs() { return *tabs_; }

  protected:
    // A new page object, not yet created; a derived page control makes its own kind.
    virtual std::unique_ptr<TabSheet> make_page() { return std::make_unique<TabSheet>(); }
    // The tab row object, not yet created; a derived page control makes its own kind.
    virtual std::unique_ptr<TabStrip> make_tabs() { return std::make_unique<TabStrip>(); }

  private:
    void show_active_page();
    RECT page_area() const;

    std::unique_ptr<TabStrip> tabs_;
    HWND host_ = nullptr;  // the window the tab row and the pages lie on
    Bounds bounds_;        // the control's place on the host
    RECT cut_area_{};      // the pages' area cut out of the tab row's region
    std::vector<std::unique_ptr<TabSheet>> pages_;
};

}  // namespace tolsy
