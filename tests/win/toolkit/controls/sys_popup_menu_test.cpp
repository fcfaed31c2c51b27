// The window menu component on a real window: its items after the platform's own entries, the
// system commands of those entries clicking the items, other system commands passed on, and
// the application's message hook chained and put back.
#include "toolkit/controls/sys_popup_menu_win.h"

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/components/text_stream.h"
#include "toolkit/components/window_description.h"
#include "toolkit/controls/form_components_win.h"

namespace tolsy {
namespace {

std::wstring entry_text(HMENU menu, int index) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(index), text, 64, MF_BYPOSITION);
    return text;
}

// Records the system commands that reach the window and handles none of them.
class RecordingForm : public Form {
  public:
    std::vector<WPARAM> commands;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message != WM_SYSCOMMAND) return Form::handle_message(message, wparam, lparam);
        commands.push_back(wparam);
        return 0;
    }
};

class SysPopupMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        register_sys_popup_menu_classes();
        form.set_caption("Menu test");
        form.create_window();
        platform_entries = GetMenuItemCount(GetSystemMenu(form.handle(), FALSE));
        previous = Application::instance().set_message_hook([this](MSG& m) {
            if (m.message == WM_SYSCOMMAND) ++hook_calls;
            return false;
        });
    }
    void TearDown() override {
        shell.reset();
        Application::instance().set_message_hook(std::move(previous));
    }
    void read(Component& root) {
        const auto bytes = object_text_to_binary(
            "object Main: TMain\n"
            "  object SysPopupMenu1: TSysPopupMenu\n"
            "    object N1: TMenuItem\n      Caption = '-'\n    end\n"
            "    object About1: TMenuItem\n      Caption = 'About...'\n"
            "      OnClick = ItemClick\n    end\n"
            "    object Hidden1: TMenuItem\n      Caption = 'Hidden'\n"
            "      Visible = False\n    end\n"
            "    object Help1: TMenuItem\n      Caption = 'Help...'\n      Enabled = False\n"
            "      OnClick = ItemClick\n    end\n"
            "    object Close1: TMenuItem\n      Caption = 'Close'\n      ShortCut = 32883\n"
            "      OnClick = ItemClick\n    end\n"
            "  end\nend\n");
        read_description(root, bytes,
                         {{"ItemClick", [this](Component& c) { clicks.push_back(c.name()); }}},
                         [](ObjectNode& n) { n.properties.clear(); });
    }
    void read_shell() {
        shell = std::make_unique<FormComponents>(form);
        read(*shell);
        menu = dynamic_cast<TSysPopupMenu*>(shell->find_component("SysPopupMenu1"));
        ASSERT_NE(menu, nullptr);
    }
    std::uint16_t command_of(std::string_view name) {
        return dynamic_cast<TMenuItem&>(*shell->find_component(name)).command();
    }
    // Posts a system command and takes it through the application's message loop.
    void post_and_process(WPARAM command) {
        PostMessageW(form.handle(), WM_SYSCOMMAND, command, 0);
        MSG msg;
        while (PeekMessageW(&msg, form.handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) {
            if (Application::instance().process_message(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    RecordingForm form;
    std::unique_ptr<FormComponents> shell;
    TSysPopupMenu* menu = nullptr;
    int platform_entries = 0;
    int hook_calls = 0;
    Application::MessageHook previous;
    std::vector<std::string> clicks;
};

TEST_F(SysPopupMenuTest, VisibleItemsFollowThePlatformsEntries) {
    read_shell();
    HMENU window_menu = GetSystemMenu(form.handle(), FALSE);
    ASSERT_EQ(GetMenuItemCount(window_menu), platform_entries + 4);
    struct Entry {
        const char* item;
        const wchar_t* text;
        UINT type, state;
    };
    const Entry entries[] = {
        {"N1", L"", MFT_SEPARATOR, 0},
        {"About1", L"About...", MFT_STRING, 0},
        {"Help1", L"Help...", MFT_STRING, MFS_GRAYED},
        {"Close1", L"Close\tAlt+F4", MFT_STRING, 0},
    };
    for (int i = 0; i < 4; ++i) {
        const int position = platform_entries + i;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
        ASSERT_TRUE(GetMenuItemInfoW(window_menu, static_cast<UINT>(position), TRUE, &info));
        EXPECT_EQ(info.wID, command_of(entries[i].item)) << entries[i].item;
        EXPECT_EQ(info.fType & MFT_SEPARATOR, entries[i].type) << entries[i].item;
        EXPECT_EQ(info.fState & MFS_GRAYED, entries[i].state) << entries[i].item;
        if (entries[i].type != MFT_SEPARATOR) {
            EXPECT_EQ(entry_text(window_menu, position), entries[i].text);
        }
    }
}

TEST_F(SysPopupMenuTest, ItsSystemCommandsClickTheItemsAndGoOnToTheWindow) {
    read_shell();
    const std::vector<WPARAM> sent = {command_of("About1"), command_of("Help1"), SC_MOVE | 2};
    for (WPARAM command : sent) post_and_process(command);
    EXPECT_EQ(clicks, std::vector<std::string>{"About1"});  // Help1 is disabled
    EXPECT_EQ(form.commands, sent);                         // each went on to the window
    EXPECT_EQ(hook_calls, 3);  // the hook it replaced saw every message first
}

TEST_F(SysPopupMenuTest, DestructionPutsTheSavedHookBack) {
    read_shell();
    const WPARAM about = command_of("About1");
    shell.reset();
    post_and_process(about);
    EXPECT_EQ(hook_calls, 1);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SysPopupMenuTest, AnOwnerThatIsNoFormIsRefused) {
    Component not_a_form;
    EXPECT_THROW(read(not_a_form), InvalidCastError);
    not_a_form.destroy_components();
}

}  // namespace
}  // namespace tolsy
