// Components, published properties and reading/writing them through the binary stream.
#include <gtest/gtest.h>

#include "toolkit/binary_stream.h"
#include "toolkit/class_builder.h"
#include "toolkit/component_stream.h"
#include "toolkit/stream_errors.h"

namespace tolsy {
namespace {

enum class Align { None, Left, Client };
const EnumInfo kAligns{"TAlign", {"alNone", "alLeft", "alClient"}};
const EnumInfo kStyles{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline"}};

class TestFont : public Persistent {
    TOLSY_PERSISTENT(TestFont)
    int height = -11;
    std::string name = "MS Sans Serif";
    std::uint32_t style = 0;
};

const ClassInfo& TestFont::static_class_info() {
    static const ClassInfo info = declare_class<TestFont>("TTestFont", nullptr, [](auto& c) {
        c.integer("Height", &TestFont::height, -11);
        c.string("Name", &TestFont::name, "MS Sans Serif");
        c.set("Style", &TestFont::style, kStyles);
    });
    return info;
}

class TestItem : public CollectionItem {
    TOLSY_PERSISTENT(TestItem)
    std::string name;
    std::string data;
};

const ClassInfo& TestItem::static_class_info() {
    static const ClassInfo info = declare_class<TestItem, CollectionItem>("TTestItem", [](auto& c) {
        c.string("Name", &TestItem::name);
        c.binary("Data", [](TestItem& self, std::span<const std::uint8_t> b, ReadContext&) {
                     self.data.assign(b.begin(), b.end());
                 },
                 [](const TestItem& self) -> std::optional<std::string> {
                     if (self.data.empty()) return std::nullopt;
                     return self.data;
                 });
    });
    return info;
}

class TestControl : public Component {
    TOLSY_PERSISTENT(TestControl)
    using Component::Component;

    int left = 0;
    std::int64_t big = 0;
    bool visible = true;
    Align align = Align::None;
    std::u16string caption;
    Color color = clBtnFace;
    TestFont font;
    TestControl* buddy = nullptr;
    NotifyEvent on_click;
    CollectionOf<TestItem> items;
    int loaded_order = -1;
    static inline int loaded_count = 0;

    int get_left() const { return left; }
    void set_left(int v) { left = v; }
    void loaded() override { loaded_order = loaded_count++; }
};

const ClassInfo& TestControl::static_class_info() {
    static const ClassInfo info = declare_class<TestControl, Component>("TTestControl", [](auto& c) {
        c.integer("Left", getset(&TestControl::get_left, &TestControl::set_left), 0);
        c.integer("Big", &TestControl::big);
        c.boolean("Visible", &TestControl::visible, true);
        c.enumeration("Align", &TestControl::align, kAligns, Align::None);
        c.wide_string("Caption", &TestControl::caption);
        c.color("Color", &TestControl::color, clBtnFace);
        c.object("Font", &TestControl::font);
        c.reference("Buddy", &TestControl::buddy);
        c.event("OnClick", &TestControl::on_click);
        c.collection("Items", &TestControl::items);
    });
    return info;
}

class TestForm : public Component {
    TOLSY_PERSISTENT(TestForm)
    TestForm() : Component(nullptr) { register_handler("ButtonClick", &TestForm::ButtonClick); }
    ~TestForm() override { destroy_components(); }

    void ButtonClick(Component& sender) { clicked = &sender; }
    TestControl* Button1 = nullptr;
    Component* clicked = nullptr;
};

const ClassInfo& TestForm::static_class_info() {
    static const ClassInfo info = declare_class<TestForm, Component>("TTestForm", [](auto& c) {
        c.field("Button1", &TestForm::Button1);
    });
    return info;
}

class ComponentStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        register_class<TestControl>();
        register_class<TestForm>();
        TestControl::loaded_count = 0;
    }
};

ObjectNode form_tree() {
    ObjectNode root;
    root.class_name = "TTestForm";
    root.name = "Form1";
    ObjectNode& button = root.children.emplace_back();
    button.class_name = "TTestControl";
    button.name = "Button1";
    button.properties = {
        {"Left", Value::integer_value(300)},
        {"Big", Value::integer_value(INT64_C(5000000000))},
        {"Visible", Value::boolean(false)},
        {"Align", Value::ident("alClient")},
        {"Caption", Value::wide_string(u"\u00D8 x")},
        {"Color", Value::ident("clWhite")},
        {"Font.Height", Value::integer_value(-16)},
        {"Font.Style", Value::set({"fsBold", "fsUnderline"})},
        {"Buddy", Value::ident("Edit1")},
        {"OnClick", Value::ident("ButtonClick")},
    };
    Value items;
    items.type = ValueType::Collection;
    items.items.push_back({ValueType::Null, 0, {{"Name", Value::string("first")}, {"Data", Value::binary("\x01\x02")}}});
    button.properties.push_back({"Items", items});
    ObjectNode& edit = button.children.emplace_back();
    edit.class_name = "TTestControl";
    edit.name = "Edit1";
    edit.properties = {{"Left", Value::integer_value(-2)}};
    return root;
}

TEST_F(ComponentStreamTest, ReadsEveryKindOfPropertyIntoAWindow) {
    TestForm form;
    read_into(form, write_binary_stream(form_tree()));
    ASSERT_NE(form.Button1, nullptr);
    TestControl& b = *form.Button1;
    EXPECT_EQ(form.name(), "Form1");
    EXPECT_EQ(b.left, 300);
    EXPECT_EQ(b.big, INT64_C(5000000000));
    EXPECT_FALSE(b.visible);
    EXPECT_EQ(b.align, Align::Client);
    EXPECT_EQ(b.caption, u"\u00D8 x");
    EXPECT_EQ(b.color, clWhite);
    EXPECT_EQ(b.font.height, -16);
    EXPECT_EQ(b.font.name, "MS Sans Serif");
    EXPECT_EQ(b.font.style, 5u);
    ASSERT_EQ(b.items.size(), 1u);
    EXPECT_EQ(b.items.at(0).name, "first");
    EXPECT_EQ(b.items.at(0).data, "\x01\x02");
    auto* edit = dynamic_cast<TestControl*>(form.find_component("edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(b.buddy, edit);
    EXPECT_EQ(edit->parent_component(), &b);
    EXPECT_EQ(edit->owner(), &form);
    b.on_click(b);
    EXPECT_EQ(form.clicked, &b);
    EXPECT_EQ(b.loaded_order, 0);
    EXPECT_EQ(edit->loaded_order, 1);
}

TEST_F(ComponentStreamTest, WritesOnlyNonDefaultValuesAndRoundTrips) {
    TestForm form;
    const auto bytes = write_binary_stream(form_tree());
    read_into(form, bytes);
    EXPECT_EQ(write_component(form), bytes);
}

TEST_F(ComponentStreamTest, DestroyedReferenceIsCleared) {
    TestForm form;
    read_into(form, write_binary_stream(form_tree()));
    delete form.find_component("Edit1");
    EXPECT_EQ(form.Button1->buddy, nullptr);
    EXPECT_TRUE(form.Button1->child_components().empty());
}

TEST_F(ComponentStreamTest, UnknownClassPropertyAndHandlerAreErrors) {
    ObjectNode tree = form_tree();
    tree.children[0].class_name = "TNoSuchClass";
    TestForm f1;
    EXPECT_THROW(read_into(f1, write_binary_stream(tree)), ClassNotFoundError);

    tree = form_tree();
    tree.children[0].properties.push_back({"Font.Colour", Value::integer_value(1)});
    TestForm f2;
    EXPECT_THROW(read_into(f2, write_binary_stream(tree)), UnknownPropertyError);

    tree = form_tree();
    tree.children[0].properties.push_back({"OnClick", Value::ident("Nothing")});
    TestForm f3;
    EXPECT_THROW(read_into(f3, write_binary_stream(tree)), PropertyValueError);

    tree = form_tree();
    tree.children[0].properties.push_back({"Left", Value::string("x")});
    TestForm f4;
    EXPECT_THROW(read_into(f4, write_binary_stream(tree)), PropertyValueError);
}

}  // namespace
}  // namespace tolsy
