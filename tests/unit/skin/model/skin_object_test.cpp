#include "skin/model/skin_object.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/bytes/skin_error.h"
#include "skin/model/colour_shift.h"
#include "skin/test_skins.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

using test::add_child;
using test::populate;
using test::record_bytes;

std::unique_ptr<TSeSkinObject> read_back(const Bytes& record,
                                         RecordForm form = RecordForm::kBinary) {
    ByteReader in(record);
    auto o = read_root_record(in, form);
    EXPECT_TRUE(in.at_end());
    return o;
}

TEST(SkinClasses, SeventeenInRegistrationOrderWithTheirParents) {
    const auto& classes = skin_object_classes();
    ASSERT_EQ(classes.size(), 17u);
    EXPECT_EQ(classes.front()->name(), "TSeSkinObject");
    EXPECT_EQ(classes.back()->name(), "TSeRollPanelObject");
    EXPECT_EQ(TSeSystemButton::static_class_info().parent()->name(), "TSeActiveBitmap");
    EXPECT_EQ(TSeButtonBitmapBoxObject::static_class_info().parent()->name(), "TSeBitmapBoxObject");
    EXPECT_EQ(TSeFormBitmapSkinObject::static_class_info().parent()->name(), "TSeBitmapSkinObject");
    for (const ClassInfo* info : classes)
        EXPECT_TRUE(info->inherits_from(TSeSkinObject::static_class_info())) << info->name();
}

TEST(SkinClasses, NameResolutionExactThenSeThenTw) {
    EXPECT_EQ(resolve_skin_class("TSeButtonObject"), &TSeButtonObject::static_class_info());
    EXPECT_EQ(resolve_skin_class("tsebuttonobject"), &TSeButtonObject::static_class_info());
    // Characters two and three are replaced: other prefixes of the same family resolve.
    EXPECT_EQ(resolve_skin_class("TteButtonObject"), &TSeButtonObject::static_class_info());
    EXPECT_EQ(resolve_skin_class("TscSkinObject"), &TSeSkinObject::static_class_info());
    EXPECT_EQ(resolve_skin_class("TxxTextObject"), &TSeTextObject::static_class_info());
    EXPECT_EQ(resolve_skin_class("TSeNoSuchObject"), nullptr);
    EXPECT_EQ(resolve_skin_class("TSe"), nullptr);
    EXPECT_EQ(resolve_skin_class(""), nullptr);
    // Only skin classes resolve, not other registered components.
    EXPECT_EQ(resolve_skin_class("TComponent"), nullptr);
}

TEST(SkinProperties, EveryPublishedPropertyIsStoredWhenNotDefault) {
    for (const ClassInfo* info : skin_object_classes()) {
        std::unique_ptr<TSeSkinObject> o(
            static_cast<TSeSkinObject*>(info->create_component(nullptr)));
        populate(*o, 3);
        add_child<TSeSkinObject>(*o, "Child");
        const Bytes record = record_bytes(*o);
        ByteReader in(record);
        in.lstr("class");
        const std::int32_t size = in.i32("size");
        const std::string text =
            object_binary_to_text(in.bytes(static_cast<std::size_t>(size), "s"));
        for (const PropertyInfo& p : info->properties()) {
            const std::string key =
                p.kind == PropertyKind::kObject ? "  " + p.name + "." : "  " + p.name + " = ";
            EXPECT_NE(text.find(key), std::string::npos) << info->name() << " lacks " << p.name;
        }
    }
}

TEST(SkinProperties, EnumerationNamesLetterForLetter) {
    const std::string text =
        "object Odd: TSeSkinObject\r\n  Kind = skTranparent\r\n  TextShiftSysIton = True\r\n"
        "  Align = saTopRightAngle\r\n  TextAlign = taBottomCenter\r\nend\r\n";
    ByteWriter w;
    w.lstr("TSeSkinObject");
    w.lstr(text);
    auto o = read_back(w.bytes(), RecordForm::kText);
    EXPECT_EQ(o->kind, TSeKind::skTranparent);
    EXPECT_EQ(static_cast<int>(o->kind), 22);
    EXPECT_TRUE(o->text_shift_sys_icon);
    EXPECT_EQ(o->align, TSeAlign::saTopRightAngle);
    EXPECT_EQ(o->text_align, TSeTextAlign::taBottomCenter);
    // Case is not significant, as everywhere in component streams.
    ByteWriter upper;
    upper.lstr("TSeSkinObject");
    upper.lstr(
        "object Odd: TSeSkinObject\r\n  Kind = SKFORM\r\n  TileStyle = tsStretch\r\nend\r\n");
    ByteReader in_upper(upper.bytes());
    EXPECT_THROW(read_root_record(in_upper, RecordForm::kText), SkinFormatError)
        << "TSeSkinObject has no TileStyle";
    ByteWriter upper_ok;
    upper_ok.lstr("TSeBitmapObject");
    upper_ok.lstr(
        "object Odd: TSeBitmapObject\r\n  Kind = SKFORM\r\n  TileStyle = tsstretch\r\nend\r\n");
    auto bitmap = read_back(upper_ok.bytes(), RecordForm::kText);
    EXPECT_EQ(bitmap->kind, TSeKind::skForm);
    EXPECT_EQ(static_cast<TSeBitmapObject&>(*bitmap).tile_style, TscTileStyle::tsStretch);

    for (const char* wrong : {"  Kind = skTransparent\r\n", "  TextShiftSysIcon = True\r\n"}) {
        ByteWriter bad;
        bad.lstr("TSeSkinObject");
        bad.lstr(std::string("object Odd: TSeSkinObject\r\n") + wrong + "end\r\n");
        ByteReader in(bad.bytes());
        EXPECT_THROW(read_root_record(in, RecordForm::kText), SkinFormatError) << wrong;
    }
}

std::unique_ptr<TSeSystemButton> button_with_children() {
    auto button = std::make_unique<TSeSystemButton>();
    populate(*button, 7);
    button->set_name("CloseButton");
    auto& glyph = add_child<TSeButtonObject>(*button, "Glyph");
    populate(glyph, 70);
    auto& deep = add_child<TSeTextObject>(glyph, "Deep");
    deep.font_disabled.name = "Disabled face";
    add_child<TSeRollPanelObject>(*button, "Second").roll_value = -5;
    return button;
}

TEST(SkinRecords, BinaryAndTextFormsRoundTripWithChildrenInOrder) {
    auto button = button_with_children();
    button->set_default_charsets();
    for (RecordForm form : {RecordForm::kBinary, RecordForm::kText}) {
        ByteWriter w;
        write_object_record(w, *button, form);
        auto back = read_back(w.bytes(), form);
        EXPECT_EQ(record_bytes(*back), record_bytes(*button));
        auto* typed = dynamic_cast<TSeSystemButton*>(back.get());
        ASSERT_NE(typed, nullptr);
        EXPECT_EQ(typed->action, button->action);
        EXPECT_EQ(typed->bitmap_pressed, button->bitmap_pressed);
        EXPECT_EQ(typed->active_font, button->active_font);
        EXPECT_EQ(typed->bounds(), button->bounds());
        ASSERT_EQ(back->child_count(), 2u);
        EXPECT_EQ(back->child(0)->name(), "Glyph");
        EXPECT_EQ(back->child(1)->name(), "Second");
        EXPECT_EQ(back->child(0)->parent_object(), back.get());
        auto* deep = dynamic_cast<TSeTextObject*>(back->child(0)->child(0));
        ASSERT_NE(deep, nullptr);
        EXPECT_EQ(deep->font_disabled.name, "Disabled face");
    }
}

TEST(SkinRecords, ChildrenInTextFormAreRead) {
    // A children word without the binary flags announces text-form records.
    ByteWriter children;
    children.u32(1);
    children.lstr("TSeTextObject");
    children.lstr("object Text: TSeTextObject\r\n  FontHot.Name = 'Arial'\r\nend\r\n");
    std::string hex;
    for (std::uint8_t b : children.bytes()) {
        static const char* digits = "0123456789ABCDEF";
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    ByteWriter w;
    w.lstr("TSeSkinObject");
    w.lstr("object Button: TSeSkinObject\r\n  Objects = {\r\n    " + hex + "}\r\nend\r\n");
    auto o = read_back(w.bytes(), RecordForm::kText);
    ASSERT_EQ(o->child_count(), 1u);
    EXPECT_EQ(static_cast<TSeTextObject*>(o->child(0))->font_hot.name, "Arial");
}

TEST(SkinTree, FindsPartsKindsAndActionsDepthFirst) {
    auto form = std::make_unique<TSeSkinObject>();
    form->set_name("Form");
    auto& caption = add_child<TSeSkinObject>(*form, "Caption");
    auto& title = add_child<TSeActiveBitmap>(caption, "Title");
    title.kind = TSeKind::skTitle;
    auto& close = add_child<TSeSystemButton>(caption, "CloseButton");
    close.action = TSeAction::sbaClose;
    auto& other = add_child<TSeSysButtonSkinObject>(*form, "Menu");
    other.action = TSeAction::sbaSysMenu;
    auto& second_title = add_child<TSeSkinObject>(*form, "title");
    second_title.kind = TSeKind::skTitle;
    EXPECT_EQ(form->find_part("form"), form.get());
    EXPECT_EQ(form->find_part("TITLE"), &title) << "depth first: the nested one comes first";
    EXPECT_EQ(form->find_kind(TSeKind::skTitle), &title);
    EXPECT_EQ(form->find_kind(TSeKind::skClient), nullptr);
    EXPECT_EQ(find_system_button(*form, TSeAction::sbaClose), &close);
    EXPECT_EQ(find_system_button(*form, TSeAction::sbaSysMenu), &other);
    EXPECT_EQ(find_system_button(*form, TSeAction::sbaHelp), nullptr);
}

TEST(SkinTree, DeepCopyIsEqualAndIndependent) {
    auto button = button_with_children();
    auto copy = button->clone();
    EXPECT_EQ(record_bytes(*copy), record_bytes(*button));
    EXPECT_EQ(&copy->class_info(), &TSeSystemButton::static_class_info());
    static_cast<TSeButtonObject*>(copy->child(0))->bitmap_hot.name = "changed";
    copy->child(1)->set_name("Renamed");
    EXPECT_EQ(static_cast<TSeButtonObject*>(button->child(0))->bitmap_hot.name,
              static_cast<const TSeButtonObject*>(button->child(0))->bitmap_hot.name);
    EXPECT_EQ(button->child(1)->name(), "Second");
    EXPECT_NE(record_bytes(*copy), record_bytes(*button));
}

TEST(SkinTree, ShiftsEveryColourOfTheSubtreeButNone) {
    auto parent = std::make_unique<TSeColorButtonObject>();
    parent->color = rgb_color(255, 0, 0);
    parent->hot_color = rgb_color(0, 0, 255);
    parent->pressed_color = clNone;
    parent->disabled_font.color = rgb_color(255, 0, 0);
    auto& child = add_child<TSeActiveObject>(*parent, "Child");
    child.active_color = rgb_color(255, 0, 0);
    child.font.color = rgb_color(10, 20, 30);
    parent->shift_hue(85);
    EXPECT_EQ(parent->color, rgb_color(0, 255, 0));
    EXPECT_EQ(parent->hot_color, shift_color_hue(rgb_color(0, 0, 255), 85));
    EXPECT_EQ(parent->pressed_color, clNone);
    EXPECT_EQ(parent->disabled_font.color, rgb_color(0, 255, 0));
    EXPECT_EQ(child.active_color, rgb_color(0, 255, 0));
    parent->shift_brightness(-10);
    EXPECT_EQ(child.font.color,
              shift_color_brightness(shift_color_hue(rgb_color(10, 20, 30), 85), -10));
}

TEST(SkinTree, StateFontsByClass) {
    TSeTextObject text;
    text.font_pressed.name = "P";
    text.font_disabled.name = "D";
    EXPECT_EQ(text.state_font(VisualState::kPressed).name, "P");
    EXPECT_EQ(text.state_font(VisualState::kDisabled).name, "D");
    TSeActiveObject active;
    active.active_font.name = "A";
    active.disabled_font.name = "D";
    EXPECT_EQ(active.state_font(VisualState::kHot).name, "A");
    EXPECT_EQ(active.state_font(VisualState::kFocused).name, "A");
    EXPECT_EQ(active.state_font(VisualState::kDisabled).name, "D");
    EXPECT_EQ(&active.state_font(VisualState::kPressed), &active.font);
    TSeActiveBitmap bitmap;
    bitmap.active_font.name = "A";
    EXPECT_EQ(bitmap.state_font(VisualState::kFocused).name, "A");
    EXPECT_EQ(&bitmap.state_font(VisualState::kDisabled), &bitmap.font);
    TSeColorButtonObject colour;
    EXPECT_EQ(&colour.state_font(VisualState::kHot), &colour.font);
}

TEST(SkinTree, StateCodesAreTheSkinsNumbersAndEveryOtherCodeIsNormal) {
    using V = VisualState;
    const std::pair<V, int> codes[] = {{V::kNormal, 0},  {V::kHot, 5},      {V::kPressed, 6},
                                       {V::kFocused, 7}, {V::kDisabled, 8}, {V::kDefault, 0}};
    for (const auto& [state, code] : codes) EXPECT_EQ(skin_state_code(state), code);
    for (int code = 0; code < 256; ++code) {
        const V expected = code == 5   ? V::kHot
                           : code == 6 ? V::kPressed
                           : code == 7 ? V::kFocused
                           : code == 8 ? V::kDisabled
                                       : V::kNormal;
        EXPECT_EQ(visual_state_of_code(static_cast<std::uint8_t>(code)), expected) << code;
    }
}

TEST(SkinTree, NegativeSizesBecomeZero) {
    TSeSkinObject o;
    o.set_width(-5);
    o.set_height(7);
    EXPECT_EQ(o.width(), 0);
    EXPECT_EQ(o.height(), 7);
}

Bytes binary_record(const std::string& class_name, const Bytes& stream) {
    ByteWriter w;
    w.lstr(class_name);
    w.i32(static_cast<std::int32_t>(stream.size()));
    w.bytes(stream);
    return w.take();
}

TEST(SkinRecordErrors, UnknownClassSaysWhichAndWhere) {
    ByteWriter w;
    w.text("padding!");
    w.lstr("TSeWobbly");
    w.i32(0);
    ByteReader in(w.bytes());
    in.bytes(8, "padding");
    try {
        read_root_record(in, RecordForm::kBinary);
        FAIL();
    } catch (const SkinClassNotFoundError& e) {
        EXPECT_NE(std::string(e.what()).find("TSeWobbly"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("offset 8"), std::string::npos);
    }
}

TEST(SkinRecordErrors, TruncationAtEveryOffsetIsAnError) {
    const Bytes ok = record_bytes(*button_with_children());
    for (std::size_t cut = 0; cut < ok.size(); ++cut) {
        Bytes part(ok.begin(), ok.begin() + static_cast<std::ptrdiff_t>(cut));
        ByteReader in(part);
        EXPECT_THROW(read_root_record(in, RecordForm::kBinary), SkinError) << "cut at " << cut;
    }
}

// The toolkit reads each object's stream; what goes wrong deep inside a record is still told
// at its offset in the data that holds the record.
TEST(SkinRecordErrors, ErrorsInNestedStreamsNameTheirOffsetInTheBody) {
    const Bytes ok = record_bytes(*button_with_children());
    const std::string wanted =
        "\x11"
        "FontDisabled.Name\x06\x0D"
        "Disabled face";
    const auto found = std::search(ok.begin(), ok.end(), wanted.begin(), wanted.end());
    ASSERT_NE(found, ok.end());
    const std::size_t at = static_cast<std::size_t>(found - ok.begin());
    constexpr std::size_t kBase = 500;
    auto error_of = [](const Bytes& record) -> std::string {
        ByteReader in(record, kBase);
        try {
            read_root_record(in, RecordForm::kBinary);
        } catch (const SkinError& e) {
            return e.what();
        }
        return "no error";
    };
    auto expect_words = [](const std::string& what, const std::string& begin,
                           const std::string& end) {
        EXPECT_EQ(what.rfind(begin, 0), 0u) << what;
        EXPECT_NE(what.find(end), std::string::npos) << what;
    };

    Bytes unknown = ok;
    unknown[at + 15] = 'o';  // FontDisabled.Nome
    expect_words(error_of(unknown), "Invalid skin data: Property FontDisabled.Nome does not exist",
                 " at offset " + std::to_string(kBase + at));
    // A text whose length runs past the end of its stream.
    Bytes short_text = ok;
    short_text[at + 19] = 0x7F;
    expect_words(error_of(short_text), "Stream read error: string at offset ",
                 std::to_string(kBase + at + 20) + " needs 127 bytes");
}

TEST(SkinRecordErrors, BadSizesCountsAndStreams) {
    ByteWriter negative;
    negative.lstr("TSeSkinObject");
    negative.i32(-4);
    ByteReader in1(negative.bytes());
    EXPECT_THROW(read_root_record(in1, RecordForm::kBinary), SkinFormatError);

    // A component stream that is not one, and one whose class name runs past its end.
    const Bytes junk = binary_record("TSeSkinObject", {'T', 'P', 'F', '1', 1, 'X', 0, 0, 0});
    ByteReader in2(junk);
    EXPECT_THROW(read_root_record(in2, RecordForm::kBinary), SkinFormatError);
    const Bytes short_name = binary_record("TSeSkinObject", {'T', 'P', 'F', '0', 99, 1, 2});
    ByteReader in3(short_name);
    EXPECT_THROW(read_root_record(in3, RecordForm::kBinary), SkinReadError);
    // Value types no skin property takes.
    const Bytes floats =
        binary_record("TSeSkinObject", {'T', 'P', 'F', '0', 1, 'X', 0, 4, 'L',  'e',  'f', 't', 5,
                                        0,   0,   0,   0,   0, 0,   0, 0, 0x80, 0x3F, 0,   0});
    ByteReader in4(floats);
    EXPECT_THROW(read_root_record(in4, RecordForm::kBinary), SkinFormatError);
    // A stream size past the end of the data: the message names the record's class.
    ByteWriter cut;
    cut.lstr("TSeButtonObject");
    cut.i32(100);
    cut.u8(0);
    ByteReader in5(cut.bytes());
    try {
        read_root_record(in5, RecordForm::kBinary);
        ADD_FAILURE() << "a stream cut short was read";
    } catch (const SkinReadError& e) {
        EXPECT_NE(std::string(e.what()).find("object stream of TSeButtonObject"), std::string::npos)
            << e.what();
    }

    // A children word claiming more records than the data could hold.
    auto parent = std::make_unique<TSeSkinObject>();
    Bytes children = {0xFF, 0xFF, 0x0F, 0x00};
    EXPECT_THROW(read_children(*parent, children, 0), SkinReadError);
    EXPECT_EQ(parent->child_count(), 0u);

    // Bytes left over after the children.
    Bytes extra = {0x00, 0x00, 0x0F, 0x00, 0x42};
    EXPECT_THROW(read_children(*parent, extra, 0), SkinFormatError);
}

TEST(SkinRecordErrors, DeepNestingIsRefused) {
    auto root = std::make_unique<TSeSkinObject>();
    TSeSkinObject* at = root.get();
    for (int i = 0; i < kMaxObjectDepth + 1; ++i) at = &add_child<TSeSkinObject>(*at, "N");
    EXPECT_THROW(read_back(record_bytes(*root)), SkinFormatError);
    // One level less reads.
    auto shallow = std::make_unique<TSeSkinObject>();
    at = shallow.get();
    for (int i = 0; i < kMaxObjectDepth; ++i) at = &add_child<TSeSkinObject>(*at, "N");
    EXPECT_NO_THROW(read_back(record_bytes(*shallow)));
}

}  // namespace
}  // namespace tolsy
