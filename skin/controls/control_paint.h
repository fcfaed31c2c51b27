#pragma once
// The one painting path of the skinned controls: each kind of control in a state, at a size and
// with its text, painted from its theme objects onto a canvas. The controls on screen compose
// their pictures here off-screen; the proof sheet and the tests call the same functions.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "picture/canvas.h"
#include "picture/image.h"
#include "picture/text_renderer.h"
#include "skin/stored/theme_tables.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/skin_file_look.h"
#include "toolkit/components/visual_state.h"

namespace tolsy {

// A caption with its mnemonic marker taken out: "To Clip&board" is "To Clipboard" with the
// letter at 7 underlined; "&&" stands for one "&". mnemonic is -1 when there is none.
struct MnemonicText {
    std::string text;
    int mnemonic = -1;
};
MnemonicText strip_mnemonic(std::string_view caption);

PaintFont paint_font(const ThemeFont& font);

// What a push button shows: its state (by precedence, see push_button_state), its caption, its
// 32 x 16 glyph of two frames (normal, disabled; may be empty) and whether it shows the focus cue.
struct PushButtonLook {
    VisualState state = VisualState::kNormal;
    std::string caption;  // Windows-1252; "&" marks the mnemonic
    const Image* glyph = nullptr;
    bool focus_cue = false;
    std::string_view theme_object = kDefaultThemeObject;
};

// The face from the theme's draw-button operation, then glyph and caption centred together in
// the caption font of the state; pressed shifts them one pixel down and right. False (nothing
// drawn) when the theme has no object for the button.
bool paint_push_button(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                       const PushButtonLook& look, TextRenderer& text);

// The push button's face alone, for a derived button that draws its own face (a cross-fade):
// false when the theme has no object.
bool paint_push_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                     const PushButtonLook& look);
// The glyph, caption and focus cue over a face already drawn.
void paint_push_content(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                        const PushButtonLook& look, TextRenderer& text);

// A palette (speed) button: a flat one shows no face at rest and "FlatFace" when hot or
// pressed, a raised one "Face" always; its label is centred in the button's own font (the
// glyphs of the symbol font) in the colour of the object's "Text" part.
struct SpeedButtonLook {
    VisualState state = VisualState::kNormal;
    std::string label;  // Windows-1252
    PaintFont font;
    bool flat = true;
    std::string_view theme_object = kDefaultThemeObject;
    bool operator==(const SpeedButtonLook&) const = default;
};
bool paint_speed_button(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                        const SpeedButtonLook& look, TextRenderer& text);

// The frame and background of a page control's pages: the "Frame" part of "Tabs" laid over
// `frame`. A page, which lies inside the frame, paints this with the frame's rectangle in its
// own coordinates.
bool paint_page_frame(TTeSkinFile& theme, Canvas& canvas, const Rect& frame, TextRenderer& text,
                      std::string_view theme_object = kDefaultThemeObject);

// Whether the page frame painted over a rectangle of `frame`'s size is known to cover it with
// opaque pixels, so that what lies under it need not be painted first.
bool page_frame_opaque(TTeSkinFile& theme, Size frame,
                       std::string_view theme_object = kDefaultThemeObject);

// A group box: the "Frame" part of "GroupBox" from the middle of the caption down, the
// "Caption" part (its text in the part's own font) over the frame's top line, 8 pixels in.
// Transparent: what lies behind it is on the canvas already.
bool paint_group_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                     const std::string& caption, TextRenderer& text,
                     std::string_view theme_object = kDefaultThemeObject);

// A panel: the "Panel" part of "Container" over the whole rectangle.
bool paint_panel(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                 std::string_view theme_object = kDefaultThemeObject);

// A check box: the 13 x 13 box from "Unchecked" or "Checked" of "CheckBox" in the state,
// vertically centred at the left, the caption `gap` pixels right of it in the control's font
// and the colour of the "Text" part (grey when disabled), and a focus cue around the caption.
struct CheckBoxLook {
    VisualState state = VisualState::kNormal;
    bool checked = false;
    std::string caption;  // Windows-1252
    PaintFont font;
    int gap = 5;
    bool focus_cue = false;
    std::string_view theme_object = kDefaultThemeObject;
};
bool paint_check_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const CheckBoxLook& look,
                     TextRenderer& text);

// One tab of a page control's tab row: the "Tab" part of "Tabs" in the state (the selected tab
// shows the focused look, a tab under the pointer the hot one), its caption centred by the
// "Text" part in that part's font, and a focus cue while the tab row has the focus.
struct TabLook {
    VisualState state = VisualState::kNormal;
    std::string caption;  // Windows-1252
    bool focus_cue = false;
    std::string_view theme_object = kDefaultThemeObject;
};
bool paint_tab(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const TabLook& look,
               TextRenderer& text);

// The rectangle the page frame takes around a page's own rectangle: the page shows the frame's
// inside, the page control draws its border. The page itself when the theme has no frame.
Rect page_frame_around(TTeSkinFile& theme, const Rect& page,
                       std::string_view theme_object = kDefaultThemeObject);

// A list (combo box): the "ComboBox" object's "Client" and four-sided "Frame" in the state,
// its drop "Button" with the "Glyph" (pressed while the list is dropped), and the chosen item
// in the list's own font (the symbol font) in the colour of the "Text" part. A flat list shows
// no frame sides. An editable list leaves the item out: its edit field shows the text.
struct ComboBoxLook {
    VisualState state = VisualState::kNormal;  // normal, hot, focused or disabled
    bool dropped = false;
    std::string text;  // Windows-1252
    PaintFont font;
    bool flat = false;
    bool show_text = true;
    bool focus_cue = false;
    std::string_view theme_object = kDefaultThemeObject;
};
bool paint_combo_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const ComboBoxLook& look,
                     TextRenderer& text);
// Where the drop button of a list painted at `rect` lies; empty when the theme has none.
Rect combo_button_rect(TTeSkinFile& theme, const Rect& rect, bool flat,
                       std::string_view theme_object = kDefaultThemeObject);

// The display line (an edit field): the "Edit" object's fill and four-sided "Frame" in the
// state (no drop button), its text in the field's own font starting at `text_origin` (which a
// scrolled field puts left of the inside), clipped to the inside of the frame, and the
// selection on the colour of the "Selection" part.
struct EditLook {
    VisualState state = VisualState::kNormal;  // normal, hot, focused or disabled
    std::string text;                          // Windows-1252
    PaintFont font;
    Point text_origin;  // relative to the rectangle's top-left corner
    int selection_start = 0;
    int selection_end = 0;  // as long as the start: nothing selected
    std::string_view theme_object = kDefaultThemeObject;
};
bool paint_edit(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const EditLook& look,
                TextRenderer& text);
// The colour selected text is drawn in over the selection.
inline constexpr std::uint32_t kSelectedTextPixel = 0xFFFFFFFF;

// A tool-tip: the "Hint" object (its fill and four-sided "Frame") over the whole rectangle and
// its text in the object's own font and colour, placed by its text alignment and margins.
bool paint_hint(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const std::string& text,
                TextRenderer& renderer, std::string_view theme_object = kDefaultThemeObject);
// The margins of a tool-tip's text inside it: the "Hint" object's text margins (none below),
// each held to 0..kMostHintMargin pixels, since they are stored numbers and the platform's
// tool-tip sizes its window by them. paint_hint places the text by the same margins. All zero
// when the theme has no "Hint".
inline constexpr int kMostHintMargin = 32;
struct HintMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const HintMargins&) const = default;
};
HintMargins hint_margins(TTeSkinFile& theme, std::string_view theme_object = kDefaultThemeObject);
// The font the tool-tip's text is drawn in; the theme's default when it has no "Hint".
PaintFont hint_font(TTeSkinFile& theme, std::string_view theme_object = kDefaultThemeObject);

// What the rectangles leave of `area`, band by band between their edges, each band cut at the
// rectangles' sides: where a window that clips its children paints its own pixels.
std::vector<Rect> bands_outside(const Rect& area, const std::vector<Rect>& covered);
// The parts of `area` a window that clips its children paints itself, its children lying at
// `children`: the bands outside them, or the whole area when there would be more than a few
// bands (each band is one more pass over the window's pieces, which costs more than the
// pixels under small children).
inline constexpr std::size_t kMostOwnBands = 4;
std::vector<Rect> own_bands(const Rect& area, const std::vector<Rect>& children);

// Pictures of one control of `size`, over a background of one pixel value; empty when the theme
// has no object for it.
Image push_button_picture(TTeSkinFile& theme, Size size, const PushButtonLook& look,
                          TextRenderer& text, std::uint32_t background);
Image speed_button_picture(TTeSkinFile& theme, Size size, const SpeedButtonLook& look,
                           TextRenderer& text, std::uint32_t background);
Image check_box_picture(TTeSkinFile& theme, Size size, const CheckBoxLook& look, TextRenderer& text,
                        std::uint32_t background);
Image combo_box_picture(TTeSkinFile& theme, Size size, const ComboBoxLook& look, TextRenderer& text,
                        std::uint32_t background);
Image edit_picture(TTeSkinFile& theme, Size size, const EditLook& look, TextRenderer& text,
                   std::uint32_t background);

}  // namespace tolsy
