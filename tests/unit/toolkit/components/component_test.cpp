// Components, published properties and reading/writing them through the binary stream.
#include <gtest/gtest.h>

#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/font.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/stream_test_util.h"

namespace tolsy {
namespace {

enum class Align { kNone, kLeft, kClient };
const EnumInfo kAligns{"TAlign", {"alNone", "alLeft", "alClient"}};

class TestItem : public CollectionItem {
    TOLSY_PERSISTENT(TestItem)
    std::string name;
    std::string data;
};

const ClassInfo& TestItem::static_class_info() {
    static const ClassInfo info = declare_class<TestItem, CollectionItem>("TTestItem", [](auto& c) {
        c.string("Name", &TestItem::name);
        c.binary(
            "Data",
            [](TestItem& self, std::span<const std::uint8_t> b, ReadContext&) {
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
    Align align = Align::kNone;
    std::u16string caption;
    Color color = clBtnFace;
    float ratio = 1.0f;
    Font font;
    TestControl* buddy = nullptr;
    NotifyEvent on_click;
    CollectionOf<TestItem> items;
    int loaded_order = -1;
    TestControl* buddy_at_loaded = nullptr;
    static inline int loaded_count = 0;

    int get_left() const { return left; }
    void set_left(int v) { left = v; }
    void loaded() override {
        loaded_order = loaded_count++;
        buddy_at_loaded = buddy;
    }
};

const ClassInfo& TestControl::static_class_info() {
    static const ClassInfo info =
        declare_class<TestControl, Component>("TTestControl", [](auto& c) {
            c.integer("Left", getset(&TestControl::get_left, &TestControl::set_left), 0);
            c.integer("Big", &TestControl::big);
            c.boolean("Visible", &TestControl::visible, true);
            c.enumeration("Align", &TestControl::align, kAligns, Align::kNone);
            c.wide_string("Caption", &TestControl::caption);
            c.color("Color", &TestControl::color, clBtnFace);
            c.real("Ratio", &TestControl::ratio, 1.0f);
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
    static const ClassInfo info = declare_class<TestForm, Component>(
        "TTestForm", [](auto& c) { c.field("Button1", &TestForm::Button1); });
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
    items.type = ValueType::kCollection;
    items.items().push_back(
        {ValueType::kNull,
         0,
         {{"Name", Value::string("first")}, {"Data", Value::binary("\x01\x02")}}});
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
    EXPECT_EQ(b.align, Align::kClient);
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

// An event bound by a name spelled as registered or in other letters writes back as the
// description spelt it, and calls the handler.
TEST_F(ComponentStreamTest, EventsKeepTheirHandlersSpellingAndCallIt) {
    for (const char* spelling : {"ButtonClick", "BUTTONclick"}) {
        SCOPED_TRACE(spelling);
        ObjectNode tree = form_tree();
        tree.children[0].properties[9].value = Value::ident(spelling);
        const auto bytes = write_binary_stream(tree);
        TestForm form;
        read_into(form, bytes);
        EXPECT_EQ(form.Button1->on_click.handler_name(), spelling);
        EXPECT_EQ(write_component(form), bytes);
        form.Button1->on_click(*form.Button1);
        EXPECT_EQ(form.clicked, form.Button1);
    }
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

// Owner, names and notifications without any stream.
class Recorder : public Component {
    TOLSY_PERSISTENT(Recorder)
    using Component::Component;
    ~Recorder() override {
        if (log) log->push_back("free " + name());
    }
    void notification(Component& c, Operation op) override {
        if (log)
            log->push_back((op == Operation::kInsert ? "insert " : "remove ") + c.name() + " at " +
                           name());
        Component::notification(c, op);
    }
    std::vector<std::string>* log = nullptr;
};

const ClassInfo& Recorder::static_class_info() {
    static const ClassInfo info = declare_class<Recorder, Component>("TRecorder", [](auto&) {});
    return info;
}

// Names match ignoring the case of ASCII letters only: the bytes 0x20 apart that are not letters
// ('@' and '`', '[' and '{', accented Windows-1252 letters) stay different.
TEST(ComponentNames, CaseIsIgnoredForAsciiLettersOnly) {
    struct Case {
        std::string_view a, b;
        bool same;
    };
    const Case cases[] = {
        {"Caption", "cAPTION", true},
        {"Font.Height", "FONT.height", true},
        {"", "", true},
        {"Caption", "Captio", false},
        {"a@", "A`", false},
        {"x[", "X{", false},
        {"\xC9t\xE9", "\xE9t\xE9", false},
        {"Z", "z", true},
        {"A", "a ", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(same_text(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(same_text(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
}

TEST(ComponentOwnership, OwnerFreesItsComponentsLastCreatedFirst) {
    std::vector<std::string> log;
    {
        Recorder owner(nullptr);
        owner.set_name("Owner");
        for (const char* n : {"A", "B", "C"}) {
            auto* c = new Recorder(&owner);
            c->set_name(n);
            c->log = &log;
        }
        ASSERT_EQ(owner.components().size(), 3u);
        EXPECT_EQ(owner.find_component("b"), owner.components()[1]);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"free C", "free B", "free A"}));
}

TEST(ComponentOwnership, OwnerHearsInsertAndRemove) {
    std::vector<std::string> log;
    Recorder owner(nullptr);
    owner.set_name("Owner");
    owner.log = &log;
    auto* child = new Recorder(&owner);  // not yet named when inserted
    child->set_name("Kid");
    delete child;
    EXPECT_EQ(log, (std::vector<std::string>{"insert  at Owner", "remove Kid at Owner"}));
    EXPECT_TRUE(owner.components().empty());
    owner.log = nullptr;
}

TEST(ComponentOwnership, FreeNotificationWorksBothWays) {
    std::vector<std::string> log;
    Recorder a(nullptr), b(nullptr);
    a.set_name("A");
    b.set_name("B");
    a.log = &log;
    {
        Recorder c(nullptr);
        c.set_name("C");
        c.free_notification(a);
        c.free_notification(a);  // registering twice tells once
    }
    EXPECT_EQ(log, (std::vector<std::string>{"remove C at A"}));
    a.log = nullptr;
}

TEST(ComponentOwnership, NamesMustBeIdentifiersAndUniqueInTheOwner) {
    Recorder owner(nullptr);
    auto* a = new Recorder(&owner);
    a->set_name("Same");
    auto* b = new Recorder(&owner);
    EXPECT_THROW(b->set_name("same"), ComponentNameError);
    EXPECT_THROW(b->set_name("1st"), ComponentNameError);
    EXPECT_THROW(b->set_name("a b"), ComponentNameError);
    EXPECT_NO_THROW(b->set_name("_Other2"));
    EXPECT_NO_THROW(b->set_name(""));
    EXPECT_NO_THROW(a->set_name("Same"));  // its own name again
}

// Owners of many components find them through an index; it must answer as the scan does
// through renames, removals from anywhere and names given before the owner was known.
TEST(ComponentOwnership, NameLookupStaysRightForSmallAndLargeOwners) {
    for (const int count : {4, 40, 500}) {
        SCOPED_TRACE(count);
        Recorder owner(nullptr);
        std::vector<Recorder*> kids;
        for (int i = 0; i < count; ++i) {
            kids.push_back(new Recorder(&owner));
            kids.back()->set_name("Kid" + std::to_string(i));
        }
        EXPECT_EQ(owner.find_component("KID1"), kids[1]);
        EXPECT_THROW(kids[0]->set_name("kid2"), ComponentNameError);
        kids[2]->set_name("Renamed");
        EXPECT_EQ(owner.find_component("kid2"), nullptr);
        EXPECT_EQ(owner.find_component("renamed"), kids[2]);
        EXPECT_NO_THROW(kids[0]->set_name("Kid2"));
        delete kids[1];
        EXPECT_EQ(owner.find_component("Kid1"), nullptr);
        EXPECT_EQ(owner.find_component("Kid0"), nullptr);
        EXPECT_EQ(owner.find_component("Kid2"), kids[0]);
        EXPECT_EQ(owner.find_component("Kid" + std::to_string(count - 1)), kids.back());
        EXPECT_EQ(owner.components().size(), static_cast<std::size_t>(count - 1));
        // Every third gone, the rest are still found by name and the gone ones are not.
        for (std::size_t i = 3; i < kids.size(); i += 3) {
            delete kids[i];
            kids[i] = nullptr;
        }
        for (std::size_t i = 3; i < kids.size(); ++i)
            EXPECT_EQ(owner.find_component("kid" + std::to_string(i)), kids[i]) << i;
        // Freed all at once, every name is free again and new ones are found.
        owner.destroy_components();
        EXPECT_EQ(owner.find_component("Kid2"), nullptr);
        for (int i = 0; i < count; ++i) (new Recorder(&owner))->set_name("Kid" + std::to_string(i));
        EXPECT_EQ(owner.find_component("kid" + std::to_string(count - 1)),
                  owner.components().back());
        EXPECT_THROW(owner.components().front()->set_name("Kid1"), ComponentNameError);
    }
}

TEST(ComponentOwnership, ParentKeepsChildrenInCreationOrder) {
    Recorder root(nullptr);
    auto* p = new Recorder(&root);
    auto* x = new Recorder(&root);
    auto* y = new Recorder(&root);
    x->set_parent_component(p);
    y->set_parent_component(p);
    EXPECT_EQ(p->child_components(), (std::vector<Component*>{x, y}));
    x->set_parent_component(&root);
    EXPECT_EQ(p->child_components(), (std::vector<Component*>{y}));
    delete p;
    EXPECT_EQ(y->parent_component(), nullptr);
}

// Property values of the wrong kind or range, each with the property and offset named.
TEST_F(ComponentStreamTest, BadValuesNameThePropertyAndOffset) {
    struct Case {
        Property property;
        const char* words;
    };
    const Case cases[] = {
        {{"Left", Value::integer_value(INT64_C(3000000000))}, "out of range"},
        {{"Visible", Value::integer_value(1)}, "True or False"},
        {{"Align", Value::ident("alRight")}, "not a value of TAlign"},
        {{"Align", Value::integer_value(1)}, "identifier expected"},
        {{"Font.Style", Value::set({"fsBold", "fsShadow"})}, "fsShadow"},
        {{"Font.Name", Value::wide_string(u"中")}, "Windows-1252"},
        {{"Caption", Value::utf8_string("\xC3")}, "malformed UTF-8"},
        {{"Color", Value::ident("clChartreuse")}, "unknown colour"},
        {{"Ratio", Value::extended(1e300L)}, "number out of range"},
        {{"Ratio", Value::string("1.5")}, "number expected"},
        {{"Buddy", Value::ident("Nobody")}, "Nobody not found"},
        {{"Buddy", Value::string("Edit1")}, "component name expected"},
        {{"Items", Value::integer_value(1)}, "collection expected"},
        {{"Font", Value::integer_value(1)}, "nested object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property.name);
        ObjectNode tree = form_tree();
        tree.children[0].properties.push_back(c.property);
        const auto stream = write_binary_stream(tree);
        TestForm form;
        try {
            read_into(form, stream);
            ADD_FAILURE() << "no error";
        } catch (const PropertyValueError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.words), std::string::npos) << what;
            EXPECT_NE(what.find(c.property.name), std::string::npos) << what;
            EXPECT_NE(what.find("at offset "), std::string::npos) << what;
        }
    }
}

TEST_F(ComponentStreamTest, UnknownPropertiesAndPathsAreErrors) {
    for (const char* name :
         {"Lefty", "Font.Colour", "Left.Height", "Font.Height.X", "Items.Name"}) {
        SCOPED_TRACE(name);
        ObjectNode tree = form_tree();
        tree.children[0].properties.push_back({name, Value::integer_value(1)});
        TestForm form;
        EXPECT_THROW(read_into(form, write_binary_stream(tree)), UnknownPropertyError);
    }
}

TEST_F(ComponentStreamTest, RootClassMustMatchAndNamesMustBeUnique) {
    ObjectNode tree = form_tree();
    tree.class_name = "TTestControl";
    TestForm f1;
    EXPECT_THROW(read_into(f1, write_binary_stream(tree)), ClassNotFoundError);

    tree = form_tree();
    tree.children[0].children[0].name = "Button1";
    TestForm f2;
    EXPECT_THROW(read_into(f2, write_binary_stream(tree)), ComponentNameError);
}

TEST_F(ComponentStreamTest, FieldOfTheWrongClassIsAnError) {
    register_class<Recorder>();
    ObjectNode tree = form_tree();
    tree.children[0].class_name = "TRecorder";  // TestForm::Button1 holds a TTestControl
    tree.children[0].properties.clear();
    tree.children[0].children.clear();
    TestForm form;
    EXPECT_THROW(read_into(form, write_binary_stream(tree)), PropertyValueError);
}

TEST_F(ComponentStreamTest, ClassThatCannotBeCreatedByNameIsAnError) {
    register_class<TestForm>();
    ObjectNode tree = form_tree();
    ObjectNode& odd = tree.children.emplace_back();
    odd.class_name = "TTestForm";  // a component class without a constructor taking an owner
    odd.name = "Odd";
    TestForm form;
    EXPECT_THROW(read_into(form, write_binary_stream(tree)), ClassNotFoundError);
}

TEST_F(ComponentStreamTest, InheritedObjectsUpdateExistingComponents) {
    TestForm form;
    read_into(form, write_binary_stream(form_tree()));
    ObjectNode update;
    update.class_name = "TTestForm";
    update.name = "Form1";
    ObjectNode& edit = update.children.emplace_back();
    edit.flags = kFilerInherited;
    edit.class_name = "TTestControl";
    edit.name = "Edit1";
    edit.properties = {{"Left", Value::integer_value(77)}};
    const std::size_t count = form.components().size();
    read_into(form, write_binary_stream(update));
    EXPECT_EQ(form.components().size(), count);
    EXPECT_EQ(static_cast<TestControl*>(form.find_component("Edit1"))->left, 77);

    edit.name = "Missing";
    EXPECT_THROW(read_into(form, write_binary_stream(update)), ClassNotFoundError);
}

TEST_F(ComponentStreamTest, ReferencesResolveBeforeLoadedRuns) {
    TestForm form;
    read_into(form, write_binary_stream(form_tree()));
    // Buddy names a component read after its holder, yet loaded() already saw it resolved.
    EXPECT_NE(form.Button1->buddy_at_loaded, nullptr);
    EXPECT_EQ(form.Button1->buddy_at_loaded, form.Button1->buddy);
    EXPECT_FALSE(form.Button1->loading());
}

TEST_F(ComponentStreamTest, StandaloneRootsOwnedOrNot) {
    ObjectNode tree;
    tree.class_name = "TTestControl";
    tree.name = "Lone";
    tree.properties = {{"Left", Value::integer_value(9)}};
    std::unique_ptr<Component> lone = read_component(write_binary_stream(tree));
    EXPECT_EQ(static_cast<TestControl&>(*lone).left, 9);
    EXPECT_EQ(lone->owner(), nullptr);

    TestForm owner;
    Component& owned = read_component(write_binary_stream(tree), owner);
    EXPECT_EQ(owned.owner(), &owner);
    EXPECT_EQ(owner.find_component("Lone"), &owned);
    // A second root of the same name in the same owner is refused and not left behind.
    EXPECT_THROW(read_component(write_binary_stream(tree), owner), ComponentNameError);
    EXPECT_EQ(owner.components().size(), 1u);
}

TEST_F(ComponentStreamTest, FloatsAcceptAnyNumberAndWriteTheirOwnWidth) {
    for (const Value& v :
         {Value::extended(2.5L), Value::double_value(2.5), Value::integer_value(2)}) {
        ObjectNode tree = form_tree();
        tree.children[0].properties.push_back({"Ratio", v});
        TestForm form;
        read_into(form, write_binary_stream(tree));
        EXPECT_EQ(form.Button1->ratio, v.is_integer() ? 2.0f : 2.5f);
        const ObjectNode back = component_to_node(form);
        const auto& props = back.children[0].properties;
        auto it = std::find_if(props.begin(), props.end(),
                               [](const Property& p) { return p.name == "Ratio"; });
        ASSERT_NE(it, props.end());
        EXPECT_EQ(it->value.type, ValueType::kSingle);
    }
}

TEST_F(ComponentStreamTest, DefaultsAreNotWrittenUnlessAlwaysStored) {
    TestForm form;
    auto* c = new TestControl(&form);
    c->set_name("Plain");
    c->set_parent_component(&form);
    const ObjectNode tree = component_to_node(form);
    ASSERT_EQ(tree.children.size(), 1u);
    EXPECT_TRUE(tree.children[0].properties.empty());
    c->font.height = -13;
    c->caption = u"Ok";
    c->color = 0x123456;
    const ObjectNode changed = component_to_node(form);
    ASSERT_EQ(changed.children[0].properties.size(), 3u);
    EXPECT_EQ(changed.children[0].properties[0].name, "Caption");
    EXPECT_EQ(changed.children[0].properties[0].value.type,
              ValueType::kString);  // ASCII stays 8-bit
    EXPECT_EQ(changed.children[0].properties[1].value.type, ValueType::kInt32);  // no name for it
    EXPECT_EQ(changed.children[0].properties[2].name, "Font.Height");
}

// A component read on its own from a stream that lies inside other data.
class TestBlob : public Component {
    TOLSY_PERSISTENT(TestBlob)
    using Component::Component;

    int left = 0;
    int margin_edge = 0;
    int margin_end = 0;
    Font font;
    Font second_font;
    std::string data;
    std::size_t data_offset = 0;
};

const ClassInfo& TestBlob::static_class_info() {
    static const ClassInfo info = declare_class<TestBlob, Component>("TTestBlob", [](auto& c) {
        c.integer("Left", &TestBlob::left);
        c.integer("MarginLeftEdge", &TestBlob::margin_edge);
        c.integer("MarginLeftEnd", &TestBlob::margin_end);
        c.object("Font", &TestBlob::font);
        c.object("SecondFont", &TestBlob::second_font);
        c.binary(
            "Data",
            [](TestBlob& self, std::span<const std::uint8_t> b, ReadContext& ctx) {
                self.data.assign(b.begin(), b.end());
                self.data_offset = ctx.data_offset;
            },
            [](const TestBlob&) -> std::optional<std::string> { return std::nullopt; });
    });
    return info;
}

// Names alike in their first bytes, out of declaration order, in another case, and nested under
// a name shorter and longer than a machine word.
TEST(ObjectStream, FindsEachPropertyByItsWholeName) {
    const auto stream = testing::bytes(
        "'TPF0' 02 'TX' 05 'Blob1' 0D 'MarginLeftEnd' 02 05 0E 'MarginLeftEdge' 02 06"
        " 04 'left' 02 07 0E 'MARGINLEFTEDGE' 02 08 11 'SecondFont.Height' 02 F5"
        " 0B 'Font.Height' 02 F6 00 00");
    TestBlob blob;
    read_object_stream(blob, stream, 0);
    EXPECT_EQ(blob.margin_end, 5);
    EXPECT_EQ(blob.margin_edge, 8);
    EXPECT_EQ(blob.left, 7);
    EXPECT_EQ(blob.second_font.height, -11);
    EXPECT_EQ(blob.font.height, -10);
}

// A name's key holds its length and its first eight bytes, whatever the length and wherever
// the name lies: names that differ in any one of those bytes never share a key.
TEST(ObjectStream, PropertyNameKeysHoldEachOfTheFirstEightBytes) {
    const std::string letters = "ABCDEFGHIJKL";
    for (std::size_t n = 0; n <= letters.size(); ++n) {
        const std::string name = letters.substr(0, n);
        const std::string elsewhere = "." + name;
        const auto key = ClassInfo::NameKey::of(name);
        EXPECT_EQ(key.size, n);
        EXPECT_EQ(ClassInfo::NameKey::of(std::string_view(elsewhere).substr(1)), key) << n;
        for (std::size_t i = 0; i < n && i < 8; ++i) {
            std::string other = name;
            other[i] = 'x';
            EXPECT_NE(ClassInfo::NameKey::of(other), key) << n << " " << i;
        }
    }
}

TEST(ObjectStream, ReadsStraightIntoTheObjectAndPlacesItsData) {
    // The stream lies at offset 1000; the data of "Data" at 44 in it.
    const auto stream = testing::bytes(
        "'TPF0' 02 'TX' 05 'Blob1' 04 'Left' 02 07 0B 'Font.Height' 02 F7"
        " 04 'Data' 0A 03 00 00 00 'xyz' 00 00");
    TestBlob blob;
    read_object_stream(blob, stream, 1000);
    EXPECT_EQ(blob.name(), "Blob1");
    EXPECT_EQ(blob.left, 7);
    EXPECT_EQ(blob.font.height, -9);
    EXPECT_EQ(blob.data, "xyz");
    EXPECT_EQ(blob.data_offset, 1044u);
}

TEST(ObjectStream, ErrorsNameTheirPlaceInTheHoldingData) {
    struct Case {
        const char* hex;
        const std::type_info& type;
        std::size_t offset;
    };
    const Case cases[] = {
        {"'TPF0' 02 'TX' 05 'Blob1' 05 'Right' 02 07 00 00", typeid(UnknownPropertyError), 1013},
        {"'TPF0' 02 'TX' 05 'Blob1' 06 'Font.X' 02 07 00 00", typeid(UnknownPropertyError), 1013},
        {"'TPF0' 02 'TX' 05 'Blob1' 04 'Left' 07 01 'x' 00 00", typeid(PropertyValueError), 1013},
        {"'TPF0' 02 'TX' 05 'Blob1' 04 'Left' 04 07", typeid(StreamEndsEarlyError), 1019},
        {"'TPF0' 02 'TX' 05 'Blob1' 00 02 'TY' 00 00 00 00", typeid(StreamFormatError), 1014},
        {"'TPF0' 02 'TX' 05 'Blob1' 00 00 FF", typeid(StreamFormatError), 1015},
        {"'TPF0' 02 'TX' 02 '1x' 00 00", typeid(ComponentNameError), 1004},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        TestBlob blob;
        try {
            read_object_stream(blob, testing::bytes(c.hex), 1000);
            ADD_FAILURE() << "no error";
        } catch (const StreamError& e) {
            EXPECT_EQ(typeid(e), c.type) << e.what();
            EXPECT_EQ(e.offset(), c.offset) << e.what();
            // The place is data beside the message, not text cut out of it.
            EXPECT_EQ(e.what(), e.detail() + " at offset " + std::to_string(c.offset));
        }
    }
}

}  // namespace
}  // namespace tolsy
