#include "support/composer_form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "base/windows1252_win.h"
#include "support/driver_win.h"
#include "toolkit/components/binary_stream.h"

namespace e2e {

namespace {
using tolsy::ComposerList;

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        found.push_back(c);
    }
    return found;
}

bool same_class(HWND window, const wchar_t* name) {
    return _wcsicmp(class_name(window).c_str(), name) == 0;
}

std::vector<HWND> children_of_class(HWND parent, const wchar_t* name) {
    std::vector<HWND> found;
    for (HWND c : children(parent)) {
        if (same_class(c, name)) found.push_back(c);
    }
    return found;
}

POINT centre_of(HWND window) {
    const RECT r = window_rect(window);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The main window's description embedded in the program under test.
const tolsy::ObjectNode& program_description() {
    static const tolsy::ObjectNode description = [] {
        const HMODULE exe =
            LoadLibraryExW(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        const HRSRC found = exe ? FindResourceW(exe, L"TFORM1", MAKEINTRESOURCEW(10)) : nullptr;
        const HGLOBAL loaded = found ? LoadResource(exe, found) : nullptr;
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data) throw std::runtime_error("the program carries no main window description");
        tolsy::ObjectNode node = tolsy::parse_binary_stream(
            {static_cast<const std::uint8_t*>(data), SizeofResource(exe, found)});
        FreeLibrary(exe);
        return node;
    }();
    return description;
}

// A palette button's page (1 "Symbols", 2 "Symbols2") and its rectangle on that page.
struct PalettePlace {
    int page;
    RECT rect;
};

PalettePlace palette_place(int number) {
    const std::string name = "TeSpeedButton" + std::to_string(number);
    const char* sheets[] = {"TeTabSheet2", "TeTabSheet3"};
    for (int page = 1; page <= 2; ++page) {
        std::vector<const tolsy::ObjectNode*> pending = {&program_description()};
        const tolsy::ObjectNode* sheet = nullptr;
        while (!pending.empty() && !sheet) {
            const tolsy::ObjectNode* node = pending.back();
            pending.pop_back();
            if (node->name == sheets[page - 1]) sheet = node;
            for (const tolsy::ObjectNode& child : node->children) pending.push_back(&child);
        }
        if (!sheet) throw std::runtime_error("a palette page is missing");
        for (const tolsy::ObjectNode& button : sheet->children) {
            if (button.name != name) continue;
            auto value = [&](const char* property) {
                for (const tolsy::Property& p : button.properties)
                    if (p.name == property) return static_cast<LONG>(p.value.integer);
                throw std::runtime_error("a palette button has no " + std::string(property));
            };
            const LONG left = value("Left"), top = value("Top");
            return {page, RECT{left, top, left + value("Width"), top + value("Height")}};
        }
    }
    throw std::runtime_error("no such palette button");
}
}  // namespace

std::string glyph_text(const std::wstring& text) {
    return tolsy::wide_to_windows1252_lossy(text);
}

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

std::string hex(const std::string& data) {
    std::string out;
    char buffer[4];
    for (unsigned char c : data) {
        std::snprintf(buffer, sizeof buffer, "%02X ", c);
        out += buffer;
    }
    return out.empty() ? "(empty)" : out;
}

void mouse_move(POINT screen) {
    INPUT in = mouse_input(0, screen);
    SendInput(1, &in, sizeof in);
    settle(100);
}

void mouse_click(POINT screen) {
    INPUT in[3] = {mouse_input(0, screen), mouse_input(MOUSEEVENTF_LEFTDOWN, screen),
                   mouse_input(MOUSEEVENTF_LEFTUP, screen)};
    SendInput(3, in, sizeof(INPUT));
    settle(200);
}

ClipboardState clipboard_state() {
    ClipboardState state;
    const ClipboardText text = read_clipboard_text();
    state.has_text = text.ok;
    state.text = text.bytes;
    if (OpenClipboard(nullptr)) {
        for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) {
            state.formats.push_back(f);
        }
        CloseClipboard();
    }
    return state;
}

BriefClipboardHold::BriefClipboardHold(DWORD ms)
    : thread_([this, ms] {
          if (!OpenClipboard(nullptr)) return;
          held_ = true;
          Sleep(ms);
          CloseClipboard();
      }) {}

bool BriefClipboardHold::holding(DWORD timeout_ms) const {
    return wait_until([&] { return held_.load(); }, timeout_ms);
}

void BriefClipboardHold::finish() {
    if (thread_.joinable()) thread_.join();
}

void put_clipboard_text(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) throw std::runtime_error("the driver cannot open the clipboard");
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* target = static_cast<char*>(GlobalLock(memory));
    memcpy(target, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

void put_clipboard_unicode(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) throw std::runtime_error("the driver cannot open the clipboard");
    EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), text.c_str(), size);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

ComposerWindow::ComposerWindow(HWND main_window) : main_(main_window) {
    // The page control's tab row is our first child window; the pages lie beside it.
    const std::vector<HWND> tab_rows = children_of_class(main_, WC_TABCONTROLW);
    if (tab_rows.empty()) throw std::runtime_error("no page control");
    tabs_ = tab_rows.front();
    const HWND first_page = page(0);
    if (!first_page) throw std::runtime_error("no Tolerance page");
    // The group boxes are painted by the page, and the controls in them are the page's own
    // children, in tab order: the Symbol box's list, the Tolerance box's check box and two lists,
    // then the Datums box's six lists.
    const std::vector<HWND> parts = children(first_page);
    const std::size_t lists_at[] = {0, 2, 3, 7, 8, 9, 4, 5, 6};  // same order as kAllLists
    if (parts.size() != 10 || !same_class(parts[1], L"Button") ||
        !std::all_of(std::begin(lists_at), std::end(lists_at),
                     [&](std::size_t i) { return same_class(parts[i], L"TolsyList"); })) {
        throw std::runtime_error("the Tolerance page does not hold the expected lists");
    }
    diameter_ = parts[1];
    for (std::size_t i : lists_at) lists_.push_back(parts[i]);
    // The panel too is painted by the main window, which holds the display line.
    const std::vector<HWND> edits = children_of_class(main_, L"Edit");
    if (!edits.empty()) display_ = edits.front();
    for (HWND c : children_of_class(main_, L"Button")) {
        const std::wstring text = window_text(c);
        if (text == L"Clear") clear_ = c;
        if (text == L"To Clip&board") to_clipboard_ = c;
        if (text == L"&Close") close_ = c;
    }
    if (!display_ || !clear_ || !to_clipboard_ || !close_) {
        throw std::runtime_error("the display line or a push button is missing");
    }
}

HWND ComposerWindow::list(ComposerList which) const {
    for (std::size_t i = 0; i < std::size(kAllLists); ++i) {
        if (kAllLists[i] == which) return lists_[i];
    }
    return nullptr;
}

HWND ComposerWindow::page(int index) const {
    static const wchar_t* const kCaptions[] = {L"Tolerance", L"Symbols", L"Symbols2"};
    for (HWND c : children_of_class(main_, L"TolsyWindow")) {
        if (window_text(c) == kCaptions[static_cast<std::size_t>(index)]) return c;
    }
    return nullptr;
}

int ComposerWindow::visible_page() const {
    for (int i = 0; i < 3; ++i) {
        if (IsWindowVisible(page(i))) return i;
    }
    return -1;
}

namespace {
// The list a drop-down shows while it is open: a top-level window of the program's thread.
HWND dropped_list(HWND box) {
    const DWORD thread = GetWindowThreadProcessId(box, nullptr);
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM out) {
            if (!IsWindowVisible(w) || class_name(w) != L"TolsyDropList") return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Opens the list with a click on its button (its right end) and clicks the item in the list,
// first scrolling it into view with the list's scroll bar, as a user does.
void click_item(HWND box, int item) {
    const RECT field = window_rect(box);
    mouse_click(POINT{field.right - 6, (field.top + field.bottom) / 2});
    HWND list = nullptr;
    if (!wait_until([&] { return (list = dropped_list(box)) != nullptr; }, 2000)) {
        throw std::runtime_error("the list did not drop down");
    }
    const int height = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    const RECT client = client_rect(list);
    const int shown = std::max(1, static_cast<int>(client.bottom) / std::max(1, height));
    const RECT frame = window_rect(list);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int bar_x = frame.right - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int step = 0; step < count; ++step) {
        const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        if (item >= top && item < top + shown) break;
        mouse_click(item < top ? POINT{bar_x, frame.top + 1 + arrow / 2}
                               : POINT{bar_x, frame.bottom - 1 - arrow / 2});
    }
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    POINT at{client.right / 2, (item - top) * height + height / 2};
    ClientToScreen(list, &at);
    mouse_click(at);
}
}  // namespace

void ComposerWindow::pick(ComposerList which, int item) const {
    const HWND box = list(which);
    if (visible_page() != 0) show_page(0);  // the lists are on the Tolerance page
    click_item(box, item);
    if (!wait_until([&] { return chosen_item(which) == item && !dropped_list(box); }, 3000)) {
        ADD_FAILURE() << "the list did not take the pick of item " << item;
    }
    settle();
}

void ComposerWindow::post_pick(ComposerList which, int item) const {
    if (visible_page() != 0) show_page(0);
    click_item(list(which), item);
}

int ComposerWindow::chosen_item(ComposerList which) const {
    return static_cast<int>(SendMessageW(list(which), CB_GETCURSEL, 0, 0));
}

bool ComposerWindow::diameter_ticked() const {
    return SendMessageW(diameter_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ComposerWindow::click_diameter() const {
    const bool before = diameter_ticked();
    if (visible_page() != 0) show_page(0);
    mouse_click(centre_of(diameter_));
    if (!wait_until([&] { return diameter_ticked() != before; }, 3000)) {
        ADD_FAILURE() << "the diameter check box did not change";
    }
    settle();
}

std::string ComposerWindow::display_text() const {
    return glyph_text(window_text(display_));
}

std::string ComposerWindow::tolerance_text() const {
    return glyph_text(window_text(list(ComposerList::kTolerance)));
}

namespace {
std::pair<int, int> selection_of(HWND edit) {
    // EM_GETSEL's pointers do not cross processes; its packed result does.
    const LRESULT packed = SendMessageW(edit, EM_GETSEL, 0, 0);
    return {LOWORD(packed), HIWORD(packed)};
}
}  // namespace

std::pair<int, int> ComposerWindow::display_selection() const {
    return selection_of(display_);
}

std::pair<int, int> ComposerWindow::tolerance_selection() const {
    const HWND edit = children_of_class(list(ComposerList::kTolerance), L"Edit").at(0);
    return selection_of(edit);
}

void ComposerWindow::show_page(int index) const {
    // A click on the first tab gives the tab row the focus; the arrow keys then walk the pages,
    // from the first (the click alone may leave another page shown).
    const RECT r = window_rect(tabs_);
    mouse_click(POINT{r.left + 20, r.top + 10});
    for (int i = 0; i < 3 && visible_page() != 0; ++i) press_keys({VK_LEFT});
    for (int i = 0; i < index; ++i) press_keys({VK_RIGHT});
    wait_until([&] { return visible_page() == index; }, 2000);
}

POINT ComposerWindow::palette_button_centre(int number) const {
    const PalettePlace place = palette_place(number);
    POINT p{(place.rect.left + place.rect.right) / 2, (place.rect.top + place.rect.bottom) / 2};
    ClientToScreen(page(place.page), &p);
    return p;
}

void ComposerWindow::click_palette(int number) const {
    const int index = palette_place(number).page;
    if (visible_page() != index) show_page(index);
    mouse_click(palette_button_centre(number));
}

void ComposerWindow::click_control(HWND control) const {
    mouse_click(centre_of(control));
}

void ComposerWindow::type_tolerance(const std::wstring& text) const {
    const HWND edit = children_of_class(list(ComposerList::kTolerance), L"Edit").at(0);
    mouse_click(centre_of(edit));
    press_keys({VK_END});
    type_text(text);
}

void ComposerWindow::focus_display_end() const {
    mouse_click(centre_of(display_));
    press_keys({VK_END});
}

}  // namespace e2e
