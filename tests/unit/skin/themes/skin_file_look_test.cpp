// A loaded skin theme as controls see it: the standard-object table, ThemeObject lookups, the
// rebuild on hue changes, and the push button face drawn by the draw-button operation.
#include "skin/themes/skin_file_look.h"

#include <gtest/gtest.h>

#include "picture/fake_text_renderer.h"
#include "skin/model/object_images.h"
#include "skin/paint/paint.h"
#include "skin/paint/push_button.h"
#include "skin/skin_fixture.h"
#include "skin/themes/standard_objects.h"

namespace tolsy {
namespace {

class LoadedTheme : public ::testing::Test {
  protected:
    void SetUp() override {
        theme = test::load_built_theme();
        ASSERT_NE(theme, nullptr);
    }
    TSeSkinObject* slot(int i) const { return theme->standard_objects().slot(i); }
    const TSeSkinSource& working() const { return theme->working_source(); }

    std::unique_ptr<TTeSkinFile> theme;
};

int hidden_system_buttons(TSeSkinObject& form) {
    int hidden = 0;
    form.for_each([&](TSeSkinObject& o) {
        if (dynamic_cast<TSeSystemButton*>(&o) != nullptr && !o.visible) ++hidden;
    });
    return hidden;
}

TEST_F(LoadedTheme, TheWorkingFormHasItsNineSystemButtonsHiddenAndNoClient) {
    TSeSkinObject& form = *slot(kSlotForm);
    EXPECT_EQ(&form, working().find_object("Form"));
    EXPECT_EQ(hidden_system_buttons(form), 9);
    EXPECT_EQ(form.find_part("Client"), nullptr);
    EXPECT_EQ(theme->theme_name(), "Tolsy metal");
}

TEST_F(LoadedTheme, TheClientPartMovesToSlotFourAndAPlaceholderTakesItsPlace) {
    TSeSkinObject& client = *slot(kSlotClientCopy);
    EXPECT_EQ(client.name(), "Client");
    EXPECT_EQ(client.kind, TSeKind::skClient);
    EXPECT_EQ(client.color, 0x00D7E9EAu);
    EXPECT_EQ(client.owner(), nullptr);  // the table's own copy
    TSeSkinObject& placeholder = *slot(kSlotClientPlaceholder);
    EXPECT_EQ(placeholder.owner(), slot(kSlotForm));
    EXPECT_EQ(placeholder.kind, TSeKind::skClient);
    EXPECT_EQ(placeholder.color, clNone);
    EXPECT_EQ(placeholder.align, TSeAlign::saClient);
    EXPECT_EQ(slot(kSlotForm)->find_kind(TSeKind::skClient), &placeholder);
}

TEST_F(LoadedTheme, TheFormCopiesAreTakenBeforeTheButtonsAreHidden) {
    for (int i : {kSlotFormCopy, kSlotFormSecondCopy}) {
        TSeSkinObject& copy = *slot(i);
        EXPECT_NE(&copy, slot(kSlotForm));
        EXPECT_EQ(copy.name(), "Form");
        EXPECT_EQ(hidden_system_buttons(copy), 0);
        EXPECT_EQ(copy.find_part("Client"), nullptr);
        EXPECT_NE(copy.find_kind(TSeKind::skClient), nullptr);
    }
    EXPECT_NE(slot(kSlotFormCopy), slot(kSlotFormSecondCopy));
}

TEST_F(LoadedTheme, ControlSlotsHoldTheRootsOfTheirNames) {
    const auto& names = standard_root_names();
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(slot(kSlotButton + static_cast<int>(i)), working().find_object(names[i]))
            << names[i];
    EXPECT_NE(slot(kSlotCheckBox), nullptr);  // "Checkbox" finds "CheckBox"
    EXPECT_EQ(slot(kSlotToolWindow), working().find_object("ToolWindow"));
    EXPECT_EQ(hidden_system_buttons(*slot(kSlotToolWindow)), 1);
    EXPECT_EQ(slot(kSlotToolWindow + kSlotClientCopy)->kind, TSeKind::skClient);
    EXPECT_EQ(slot(kSlotPanel), working().find_object("Panel"));
    EXPECT_EQ(slot(kSlotScrollBoxAgain), slot(kSlotScrollBox));
    for (int i = 37; i < kStandardObjectSlots; ++i) EXPECT_EQ(slot(i), nullptr);
    EXPECT_EQ(slot(-1), nullptr);
    EXPECT_EQ(slot(kStandardObjectSlots), nullptr);
}

TEST_F(LoadedTheme, ThemeObjectNamesFindDefaultsRootsAndPaths) {
    EXPECT_EQ(theme->theme_object("default", kSlotButton), slot(kSlotButton));
    EXPECT_EQ(theme->theme_object("DEFAULT", kSlotEdit), slot(kSlotEdit));
    EXPECT_EQ(theme->theme_object("speedbutton", kSlotButton), slot(kSlotSpeedButton));
    EXPECT_EQ(theme->theme_object("Form\\CloseButton", kSlotButton)->name(), "CloseButton");
    EXPECT_EQ(theme->theme_object("Form\\Caption\\Title", kSlotButton)->name(), "Caption");
    // Paths ignore case in both halves and always reach the working copy.
    TSeSkinObject* close = theme->theme_object("fORM\\closeBUTTON", kSlotButton);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close, slot(kSlotForm)->find_part("CloseButton"));
    EXPECT_EQ(theme->theme_object("form\\Blotter", kSlotButton), nullptr);
    EXPECT_EQ(theme->theme_object("Blotter", kSlotButton), nullptr);
    EXPECT_EQ(theme->theme_object("default", 40), nullptr);
    EXPECT_EQ(theme->theme_part("default", kSlotContainer, "Panel"),
              working().find_object("Container\\Panel"));
    EXPECT_EQ(theme->theme_part("default", kSlotButton, "Knob"), nullptr);
}

TEST_F(LoadedTheme, AHueChangeRebuildsTheLookFromTheLoadedSkin) {
    const Color before = working().find_object("Form")->color;
    const Color table_before = theme->colors().colors[3];
    theme->set_deltas(30, 0);
    EXPECT_NE(working().find_object("Form")->color, before);
    EXPECT_NE(theme->colors().colors[3], table_before);
    EXPECT_EQ(hidden_system_buttons(*slot(kSlotForm)), 9);
    EXPECT_EQ(slot(kSlotForm), working().find_object("Form"));
    theme->set_deltas(0, 0);
    EXPECT_EQ(working().find_object("Form")->color, before);
    EXPECT_EQ(theme->colors().colors[3], table_before);
}

TEST(StandardObjects, AFormWithoutClientKeepsItsButtonsAndFillsNoCopies) {
    TSeSkinSource source;
    auto form = std::make_unique<TSeSystemButton>();
    form->set_name("Form");
    form->action = TSeAction::sbaClose;
    source.objects.push_back(std::move(form));
    StandardObjectTable table;
    table.rebuild(source);
    EXPECT_NE(table.slot(kSlotForm), nullptr);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(table.slot(i), nullptr);
    EXPECT_TRUE(table.slot(kSlotForm)->visible);
    EXPECT_EQ(table.slot(kSlotButton), nullptr);
}

TEST(PushButtonState, PrecedenceIsDisabledPressedHotFocusedDefault) {
    PushButtonStatus s;
    s.held_down = s.pointer_over = s.has_focus = s.is_active_default = true;
    s.enabled = false;
    EXPECT_EQ(push_button_state(s), VisualState::kDisabled);
    s.enabled = true;
    EXPECT_EQ(push_button_state(s), VisualState::kPressed);
    s.held_down = false;
    EXPECT_EQ(push_button_state(s), VisualState::kHot);
    s.pointer_over = false;
    EXPECT_EQ(push_button_state(s), VisualState::kFocused);
    s.has_focus = false;
    EXPECT_EQ(push_button_state(s), VisualState::kDefault);
    s.is_active_default = false;
    EXPECT_EQ(push_button_state(s), VisualState::kNormal);
}

TEST(PushButtonState, TheFacePaintsInTheButtonsStateAndTheDefaultAsFocused) {
    using V = VisualState;
    const std::pair<V, V> cases[] = {{V::kNormal, V::kNormal},     {V::kHot, V::kHot},
                                     {V::kPressed, V::kPressed},   {V::kFocused, V::kFocused},
                                     {V::kDisabled, V::kDisabled}, {V::kDefault, V::kFocused}};
    for (const auto& [button, face] : cases)
        EXPECT_EQ(push_face_state(button), face) << static_cast<int>(button);
}

TEST(PushButtonState, CaptionFontsFollowTheStateAndTheDefaultKeepsTheNormalFont) {
    EXPECT_EQ(push_button_caption_font(VisualState::kNormal), kButtonTextNormal);
    EXPECT_EQ(push_button_caption_font(VisualState::kDefault), kButtonTextNormal);
    EXPECT_EQ(push_button_caption_font(VisualState::kHot), kButtonTextHot);
    EXPECT_EQ(push_button_caption_font(VisualState::kPressed), kButtonTextPressed);
    EXPECT_EQ(push_button_caption_font(VisualState::kFocused), kButtonTextFocused);
    EXPECT_EQ(push_button_caption_font(VisualState::kDisabled), kButtonTextDisabled);
}

class ButtonFace : public LoadedTheme {
  protected:
    Image draw(VisualState state, const std::string& object = "default") {
        Image picture(77, 27, test::kBackground);
        Canvas canvas(picture);
        drawn = theme->draw_button(kButtonKindPushFace, canvas, object, {1, 1, 76, 26}, state);
        return picture;
    }
    // The face link of a state drawn by hand at the same place, for comparison.
    Image expected(const TteBitmapLink& link) {
        auto& face = static_cast<TSeButtonObject&>(*slot(kSlotButton)->find_part("Face"));
        Image picture(77, 27, test::kBackground);
        Canvas canvas(picture);
        draw_pieces(canvas, piece_source(face, link), {1, 1, 76, 26}, {});
        return picture;
    }
    TSeButtonObject& face() {
        return static_cast<TSeButtonObject&>(*slot(kSlotButton)->find_part("Face"));
    }
    bool drawn = false;
};

TEST_F(ButtonFace, EachStateDrawsItsOwnImage) {
    EXPECT_TRUE(draw(VisualState::kNormal) == expected(face().bitmap));
    EXPECT_TRUE(drawn);
    EXPECT_TRUE(draw(VisualState::kHot) == expected(face().bitmap_hot));
    EXPECT_TRUE(draw(VisualState::kPressed) == expected(face().bitmap_pressed));
    EXPECT_TRUE(draw(VisualState::kDisabled) == expected(face().bitmap_disabled));
    EXPECT_TRUE(draw(VisualState::kFocused) == expected(face().bitmap_focused));
    EXPECT_FALSE(draw(VisualState::kNormal) == draw(VisualState::kHot));
}

TEST_F(ButtonFace, TheDefaultButtonShowsTheFocusedFaceWithTheNormalCaptionFont) {
    PushButtonStatus status;
    status.is_active_default = true;
    const VisualState state = push_button_state(status);
    EXPECT_TRUE(draw(state) == expected(face().bitmap_focused));
    EXPECT_EQ(theme->fonts().fonts[push_button_caption_font(state)],
              theme->fonts().fonts[kButtonTextNormal]);
}

TEST_F(ButtonFace, TheFaceGetsItsBoundsBackAfterDrawing) {
    const SkinBounds before = face().bounds();
    draw(VisualState::kHot);
    EXPECT_EQ(face().bounds(), before);
}

TEST_F(ButtonFace, UnknownObjectsAndOtherKindsDrawNothing) {
    const Image untouched(77, 27, test::kBackground);
    EXPECT_TRUE(draw(VisualState::kNormal, "NoSuchButton") == untouched);
    EXPECT_FALSE(drawn);
    Image picture(77, 27, test::kBackground);
    Canvas canvas(picture);
    EXPECT_FALSE(theme->draw_button(1, canvas, "default", {1, 1, 76, 26}, VisualState::kNormal));
    EXPECT_TRUE(picture == untouched);
}

TEST_F(ButtonFace, ANamedObjectWithoutAFaceChildPaintsItself) {
    // The speed button's face is a child too; a part path names an object without one.
    const Image by_path = draw(VisualState::kNormal, "SpeedButton\\Face");
    EXPECT_TRUE(drawn);
    auto& speed = static_cast<TSeButtonObject&>(*working().find_object("SpeedButton\\Face"));
    Image picture(77, 27, test::kBackground);
    Canvas canvas(picture);
    draw_pieces(canvas, piece_source(speed, speed.bitmap), {1, 1, 76, 26}, {});
    EXPECT_TRUE(by_path == picture);
}

TEST(ButtonObjectStates, AHotButtonWithoutAHotImagePaintsItsNormalImage) {
    test::SyntheticSkin skin;
    skin.add_image("faces", test::pattern(6, 3));
    auto& button = skin.root<TSeButtonObject>("Button", {0, 0, 3, 3});
    button.color = 0x00C81405;
    test::set_link(button.bitmap, "faces", {0, 0, 3, 3});
    test::set_link(button.bitmap_pressed, "faces", {3, 0, 6, 3});
    skin.prepare();
    Image normal(3, 3, test::kBackground);
    Image hot(3, 3, test::kBackground);
    Canvas normal_canvas(normal);
    Canvas hot_canvas(hot);
    test::FakeTextRenderer fake;
    paint_object(button, normal_canvas, fake);
    set_state(button, VisualState::kHot);
    paint_object(button, hot_canvas, fake);
    EXPECT_TRUE(hot == normal);
    EXPECT_EQ(hot.at(2, 2), test::distinct(2, 2));
}

}  // namespace
}  // namespace tolsy
