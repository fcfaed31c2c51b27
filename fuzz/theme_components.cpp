// libFuzzer target for the theme components as a window description carries them: a theme
// list with its stored themes and an engine that picks one (by index, by file or by kind),
// its colour deltas, and then the current theme put to work on a skinned frame and a button.
// File access is a stand-in: every name exists and holds the input's file part, so a
// ThemeFile reaches no real file.
//
// Input: u16 length N, N bytes of "file", 4 bytes of engine settings (hue, brightness, index,
// frame size), then the description in the binary component stream.
#include <cstdint>
#include <exception>
#include <span>

#include "fuzz/fuzz_budget.h"
#include "skin/themes/theme_components.h"
#include "skin/themes/theme_engine.h"
#include "skin/themes/theme_files.h"

using namespace tolsy;

namespace {

class InputFiles : public ThemeFiles {
  public:
    explicit InputFiles(std::span<const std::uint8_t> file) : file_(file) {}
    bool exists(const std::string&) const override { return true; }
    bool read(const std::string&, Bytes& out) const override {
        out.assign(file_.begin(), file_.end());
        return true;
    }

  private:
    std::span<const std::uint8_t> file_;
};

constexpr int kFrameKinds[] = {kFrameStandard, kFrameDialog, kFrameBorder, kFrameToolWindow};
constexpr VisualState kStates[] = {VisualState::kNormal, VisualState::kHot, VisualState::kPressed,
                                   VisualState::kFocused, VisualState::kDisabled};

// The current theme draws a frame of every kind and a push button's face in every state.
void put_theme_to_work(int size) {
    TteTheme* theme = theme_manager().current();
    if (theme == nullptr) return;
    Image target(64, 48, 0);
    Canvas canvas(target);
    FrameWindowInfo info;
    info.window = {0, 0, size * 4 - 100, size * 3 - 60};
    info.buttons = 0x03FF;
    info.caption = "Caption";
    for (const int kind : kFrameKinds) {
        (void)theme->has_form_object(kind, "");
        (void)theme->window_region(kind, "", info.window);
        (void)theme->client_rect(kind, "", info.window);
        (void)theme->frame_hit_test(kind, "", info, {size, 3});
        theme->draw_window(kind, "", canvas, info);
        theme->draw_caption_text(kind, "", canvas, theme->caption_text_rect(kind, "", info), info);
        for (int button = 0; button < kCaptionButtonKinds; ++button)
            theme->draw_caption_button(
                kind, "", canvas,
                {theme->caption_button_rect(kind, "", info, button), button, button % 4});
    }
    for (const VisualState state : kStates)
        (void)theme->draw_button(kButtonKindPushFace, canvas, "", {-3, 2, size, 30}, state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    if (size < 6) return 0;
    const std::size_t file_size = std::min<std::size_t>(data[0] | (data[1] << 8), size - 6);
    const std::span<const std::uint8_t> file(data + 2, file_size);
    const std::uint8_t* settings = data + 2 + file_size;
    const std::span<const std::uint8_t> description(settings + 4, size - 6 - file_size);
    const InputFiles files(file);
    const ThemeFiles* before = set_theme_files(&files);
    try {
        ThemeComponents themes;
        read_description(themes, description, {}, keep_theme_components);
        for (Component* child : themes.child_components()) {
            auto* engine = dynamic_cast<TTeThemeEngine*>(child);
            if (engine == nullptr) continue;
            engine->set_delta_hue(static_cast<std::int8_t>(settings[0]) * 37);
            engine->set_delta_brightness(static_cast<std::int8_t>(settings[1]) * 3);
            put_theme_to_work(settings[3]);
            engine->set_theme_index(static_cast<std::int8_t>(settings[2]));
            if (settings[2] & 0x80) engine->set_theme_file("other.mskn");
            if (settings[3] & 0x80) engine->set_theme_building("Default");
            put_theme_to_work(settings[3]);
        }
    } catch (const std::exception&) {
        // Rejected descriptions and themes are the expected outcome for most bytes.
    }
    theme_manager().unload_current();
    set_theme_files(before);
    return 0;
}
