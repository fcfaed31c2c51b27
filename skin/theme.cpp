#include "skin/theme.h"

namespace tolsy {

bool TteTheme::load_from_stream(ByteReader&) { return false; }

void TteTheme::save_to_stream(ByteWriter&) const {}

bool TteTheme::load_from_file(const std::string&) { return false; }

void TteTheme::set_deltas(int hue, int brightness) {
    if (hue == delta_hue_ && brightness == delta_brightness_) return;
    delta_hue_ = hue;
    delta_brightness_ = brightness;
    deltas_changed();
}

std::unique_ptr<TteTheme> DefaultThemeKind::create() const {
    return std::make_unique<TteTheme>(*this);
}

}  // namespace tolsy
