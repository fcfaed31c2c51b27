#include "composer/frame_composer.h"

#include "base/windows1252.h"
#include "composer/glyph_codes.h"
#include "composer/palette.h"

namespace tolsy {
namespace {

struct Choice {
    bool* set;
    std::string* glyphs;
};

Choice choice_of(FrameState& s, ComposerList list) {
    switch (list) {
        case ComposerList::kSymbol:
            return {&s.symbol_set, &s.symbol_glyph};
        case ComposerList::kCondition:
            return {&s.condition_set, &s.condition_glyph};
        case ComposerList::kTolerance:
            return {&s.tolerance_set, &s.tolerance_glyphs};
        case ComposerList::kDatum1:
            return {&s.datum1_set, &s.datum1_glyph};
        case ComposerList::kDatum2:
            return {&s.datum2_set, &s.datum2_glyph};
        case ComposerList::kDatum3:
            return {&s.datum3_set, &s.datum3_glyph};
        case ComposerList::kDatumCond1:
            return {&s.datum1_cond_set, &s.datum1_cond_glyph};
        case ComposerList::kDatumCond2:
            return {&s.datum2_cond_set, &s.datum2_cond_glyph};
        case ComposerList::kDatumCond3:
            return {&s.datum3_cond_set, &s.datum3_cond_glyph};
    }
    return {&s.symbol_set, &s.symbol_glyph};
}

bool is_datum_letter_list(ComposerList list) {
    return list == ComposerList::kDatum1 || list == ComposerList::kDatum2 ||
           list == ComposerList::kDatum3;
}

bool means_nothing_chosen(std::string_view text) {
    return text.empty() || text == kNothingChosenItem;
}

// Clear's order: lists first, then the box (whose click rebuilds an empty frame), then the rest.
constexpr ComposerList kListsClearedAfterBox[] = {
    ComposerList::kCondition,  ComposerList::kDatum1,     ComposerList::kDatum2,
    ComposerList::kDatum3,     ComposerList::kDatumCond1, ComposerList::kDatumCond2,
    ComposerList::kDatumCond3,
};

}  // namespace

ToleranceEdit convert_tolerance_edit(std::string_view text, std::size_t caret) {
    std::string glyphs = tolerance_to_glyphs(text);
    // The caret moves on by one after every conversion, wherever the edit was.
    const std::size_t moved = caret < glyphs.size() ? caret + 1 : glyphs.size();
    return {std::move(glyphs), moved};
}

std::string pick_list_glyphs(ComposerList list, std::string_view text) {
    if (means_nothing_chosen(text)) return {};
    if (is_datum_letter_list(list)) {
        return std::string(
            1, static_cast<char>(datum_letter_to_glyph(static_cast<unsigned char>(text[0]))));
    }
    return std::string(text);
}

void FrameComposer::list_changed(ComposerList list) {
    if (list == ComposerList::kTolerance) {
        tolerance_changed();
        return;
    }
    const Choice choice = choice_of(state_, list);
    std::string glyphs = pick_list_glyphs(list, view_.list_text(list));
    if (glyphs.empty()) {
        *choice.set = false;
    } else {
        *choice.set = true;
        *choice.glyphs = std::move(glyphs);
    }
    write_preview();
}

void FrameComposer::tolerance_changed() {
    const std::string text = view_.list_text(ComposerList::kTolerance);
    if (means_nothing_chosen(text)) {
        state_.tolerance_set = false;
        write_preview();
        return;
    }
    ToleranceEdit edit = convert_tolerance_edit(text, view_.tolerance_caret());
    view_.set_tolerance_text(edit.text, edit.caret);
    state_.tolerance_set = true;
    state_.tolerance_glyphs = std::move(edit.text);
    write_preview();
}

void FrameComposer::clear_all() {
    for (ComposerList list :
         {ComposerList::kSymbol, ComposerList::kTolerance, ComposerList::kCondition,
          ComposerList::kDatum1, ComposerList::kDatumCond1, ComposerList::kDatum2,
          ComposerList::kDatumCond2, ComposerList::kDatum3, ComposerList::kDatumCond3}) {
        *choice_of(state_, list).set = false;
    }
    view_.clear_list(ComposerList::kSymbol);
    // Unticking the box is a change of the box, so its click handler runs as for the user.
    if (view_.diameter_ticked()) {
        view_.set_diameter_ticked(false);
        diameter_clicked();
    }
    view_.clear_list(ComposerList::kTolerance);
    for (ComposerList list : kListsClearedAfterBox) view_.clear_list(list);
    view_.set_display_text({});
    view_.focus_display();
}

void FrameComposer::palette_clicked(std::u16string_view label) {
    const LineEdit edit = insert_palette_glyph(view_.display_text(), view_.display_caret(),
                                               utf16_to_windows1252_lossy(label));
    view_.set_display_text(edit.text);
    view_.set_display_caret(edit.caret);
    view_.focus_display();
}

void FrameComposer::write_preview() {
    view_.set_display_text(tolsy::write_preview(state_, view_.diameter_ticked()));
}

}  // namespace tolsy
