// Menus read from a description: item properties, the command pool, shortcut texts, the
// separators a pop-up hides, and the click a chosen command number runs.
#include "toolkit/components/menu.h"

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/components/text_stream.h"
#include "toolkit/components/window_description.h"

namespace tolsy {
namespace {

class MenuRoot : public Component {
    TOLSY_PERSISTENT(MenuRoot)
    MenuRoot() : Component(nullptr) { register_menu_classes(); }
    ~MenuRoot() override { destroy_components(); }
};

const ClassInfo& MenuRoot::static_class_info() {
    static const ClassInfo info = declare_class<MenuRoot, Component>("TMenuWindow", [](auto&) {});
    return info;
}

class Menus : public ::testing::Test {
  protected:
    void read(const std::string& items) {
        const auto bytes = object_text_to_binary(
            "object Main: TMenuWindow\n"
            "  object Menu1: TPopupMenu\n" +
            items + "  end\nend\n");
        const DescriptionHandlers handlers = {
            {"ItemClick", [this](Component& sender) { clicks.push_back(sender.name()); }}};
        read_description(root, bytes, handlers);
        menu = dynamic_cast<TPopupMenu*>(root.find_component("Menu1"));
        ASSERT_NE(menu, nullptr);
    }
    std::vector<std::string> names(const std::vector<TMenuItem*>& items) {
        std::vector<std::string> out;
        for (const TMenuItem* item : items) out.push_back(item->name());
        return out;
    }
    TMenuItem& item(std::string_view name) {
        return dynamic_cast<TMenuItem&>(*root.find_component(name));
    }
    MenuRoot root;
    TPopupMenu* menu = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(Menus, ItemsReadTheirPropertiesAndSubItems) {
    read(
        "    object Edit1: TMenuItem\n"
        "      Caption = '&Edit'\n"
        "      object Copy1: TMenuItem\n"
        "        Caption = 'Copy'\n"
        "        ShortCut = 16451\n"
        "        Checked = True\n"
        "        Default = True\n"
        "        RadioItem = True\n"
        "        Break = mbBarBreak\n"
        "        OnClick = ItemClick\n"
        "      end\n"
        "    end\n"
        "    object Hidden1: TMenuItem\n"
        "      Caption = 'Hidden'\n"
        "      Visible = False\n"
        "      Enabled = False\n"
        "    end\n");
    EXPECT_EQ(names(menu->items()), (std::vector<std::string>{"Edit1", "Hidden1"}));
    EXPECT_EQ(names(item("Edit1").items()), std::vector<std::string>{"Copy1"});
    const TMenuItem& copy = item("Copy1");
    EXPECT_EQ(copy.display_text(), "Copy\tCtrl+C");
    EXPECT_TRUE(copy.checked && copy.is_default && copy.radio_item);
    EXPECT_EQ(copy.break_kind, MenuBreak::kBarBreak);
    const TMenuItem& hidden = item("Hidden1");
    EXPECT_FALSE(hidden.visible || hidden.enabled);
    EXPECT_TRUE(item("Edit1").visible && item("Edit1").enabled);
}

TEST_F(Menus, AChosenCommandClicksTheOneItemCarryingItsLow16Bits) {
    read(
        "    object A: TMenuItem\n      Caption = 'A'\n"
        "      object B: TMenuItem\n        Caption = 'B'\n        OnClick = ItemClick\n"
        "      end\n    end\n"
        "    object C: TMenuItem\n      Caption = 'C'\n      OnClick = ItemClick\n    end\n"
        "    object D: TMenuItem\n      Caption = 'D'\n      OnClick = ItemClick\n"
        "      Enabled = False\n    end\n");
    EXPECT_TRUE(menu->dispatch_command(0xABCD0000u | item("B").command()));
    EXPECT_TRUE(menu->dispatch_command(item("C").command()));
    EXPECT_TRUE(menu->dispatch_command(item("D").command()));  // found, but a disabled item
    EXPECT_FALSE(menu->dispatch_command(0xF060));              // a system command clicks nothing
    EXPECT_EQ(clicks, (std::vector<std::string>{"B", "C"}));
}

TEST(CommandPool, HandsOutTheLowestFreeNumberAndTakesItBack) {
    auto a = std::make_unique<TMenuItem>();
    auto b = std::make_unique<TMenuItem>();
    auto c = std::make_unique<TMenuItem>();
    EXPECT_NE(a->command(), 0);
    EXPECT_LT(a->command(), b->command());
    const std::uint16_t freed = b->command();
    b.reset();
    EXPECT_FALSE(CommandPool::instance().in_use(freed));
    auto d = std::make_unique<TMenuItem>();
    EXPECT_EQ(d->command(), freed);
    EXPECT_TRUE(CommandPool::instance().in_use(c->command()));
}

TEST(ShortCutText, ModifiersThenKey) {
    const std::pair<ShortCut, std::string> cases[] = {
        {0, ""},
        {'S' | kShortCutCtrl, "Ctrl+S"},
        {0x73 | kShortCutAlt, "Alt+F4"},
        {0x2E | kShortCutShift, "Shift+Del"},
        {'1' | kShortCutShift | kShortCutCtrl | kShortCutAlt, "Shift+Ctrl+Alt+1"},
        {0x0D, "Enter"},
        {0x87, "F24"},
        {0xFF | kShortCutCtrl, ""},  // no name for the key: no text
    };
    for (const auto& [shortcut, text] : cases) EXPECT_EQ(shortcut_text(shortcut), text) << shortcut;
}

TEST(PopupLevel, SeparatorsAtTheEndsAndAfterAnotherAreHidden) {
    struct Case {
        std::string layout;  // one letter per item: '-' separator, 'x' item, 'h' hidden item
        std::string shown;
    };
    const Case cases[] = {
        {"-xxx", "xxx"},  {"x--x", "x-x"}, {"xx-", "xx"}, {"-", ""},
        {"x-h-x", "x-x"}, {"h-x", "x"},    {"x-h", "x"},  {"--x--x--", "x-x"},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<TMenuItem>> owned;
        std::vector<TMenuItem*> items;
        for (char kind : c.layout) {
            owned.push_back(std::make_unique<TMenuItem>());
            owned.back()->caption = kind == '-' ? "-" : "item";
            owned.back()->visible = kind != 'h';
            items.push_back(owned.back().get());
        }
        std::string shown;
        for (const TMenuItem* item : popup_level(items)) shown += item->is_separator() ? '-' : 'x';
        EXPECT_EQ(shown, c.shown) << c.layout;
    }
}

}  // namespace
}  // namespace tolsy
