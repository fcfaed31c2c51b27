#include "toolkit/components/colors.h"

#include <array>
#include <utility>

#include "toolkit/components/class_info.h"

namespace tolsy {
namespace {

struct Named {
    std::uint32_t value;
    std::string_view name;
};

constexpr Color sys(std::uint32_t index) {
    return kSystemColorFlag | index;
}

// Order matters: writing uses the first name of a value.
constexpr std::array kColors = {
    Named{0x000000, "clBlack"},
    Named{0x000080, "clMaroon"},
    Named{0x008000, "clGreen"},
    Named{0x008080, "clOlive"},
    Named{0x800000, "clNavy"},
    Named{0x800080, "clPurple"},
    Named{0x808000, "clTeal"},
    Named{0x808080, "clGray"},
    Named{0xC0C0C0, "clSilver"},
    Named{0x0000FF, "clRed"},
    Named{0x00FF00, "clLime"},
    Named{0x00FFFF, "clYellow"},
    Named{0xFF0000, "clBlue"},
    Named{0xFF00FF, "clFuchsia"},
    Named{0xFFFF00, "clAqua"},
    Named{0xFFFFFF, "clWhite"},
    Named{0xC0DCC0, "clMoneyGreen"},
    Named{0xF0CAA6, "clSkyBlue"},
    Named{0xF0FBFF, "clCream"},
    Named{0xA4A0A0, "clMedGray"},
    Named{sys(10), "clActiveBorder"},
    Named{sys(2), "clActiveCaption"},
    Named{sys(12), "clAppWorkSpace"},
    Named{sys(1), "clBackground"},
    Named{sys(15), "clBtnFace"},
    Named{sys(20), "clBtnHighlight"},
    Named{sys(16), "clBtnShadow"},
    Named{sys(18), "clBtnText"},
    Named{sys(9), "clCaptionText"},
    Named{clDefault, "clDefault"},
    Named{sys(27), "clGradientActiveCaption"},
    Named{sys(28), "clGradientInactiveCaption"},
    Named{sys(17), "clGrayText"},
    Named{sys(13), "clHighlight"},
    Named{sys(14), "clHighlightText"},
    Named{sys(26), "clHotLight"},
    Named{sys(11), "clInactiveBorder"},
    Named{sys(3), "clInactiveCaption"},
    Named{sys(19), "clInactiveCaptionText"},
    Named{sys(24), "clInfoBk"},
    Named{sys(23), "clInfoText"},
    Named{sys(4), "clMenu"},
    Named{sys(30), "clMenuBar"},
    Named{sys(29), "clMenuHighlight"},
    Named{sys(7), "clMenuText"},
    Named{clNone, "clNone"},
    Named{sys(0), "clScrollBar"},
    Named{sys(21), "cl3DDkShadow"},
    Named{sys(22), "cl3DLight"},
    Named{sys(5), "clWindow"},
    Named{sys(6), "clWindowFrame"},
    Named{sys(8), "clWindowText"},
    Named{0xC0C0C0, "clLtGray"},
    Named{0x808080, "clDkGray"},
};

constexpr std::array kCharsets = {
    Named{0, "ANSI_CHARSET"},          Named{1, "DEFAULT_CHARSET"},
    Named{2, "SYMBOL_CHARSET"},        Named{77, "MAC_CHARSET"},
    Named{128, "SHIFTJIS_CHARSET"},    Named{129, "HANGEUL_CHARSET"},
    Named{130, "JOHAB_CHARSET"},       Named{134, "GB2312_CHARSET"},
    Named{136, "CHINESEBIG5_CHARSET"}, Named{161, "GREEK_CHARSET"},
    Named{162, "TURKISH_CHARSET"},     Named{177, "HEBREW_CHARSET"},
    Named{178, "ARABIC_CHARSET"},      Named{186, "BALTIC_CHARSET"},
    Named{204, "RUSSIAN_CHARSET"},     Named{222, "THAI_CHARSET"},
    Named{238, "EASTEUROPE_CHARSET"},  Named{255, "OEM_CHARSET"},
};

// The names of a table differ, so the one found last, which descriptions name again and again
// ("clWindowText" for each font), is tried first.
template <std::size_t N>
std::optional<std::uint32_t> by_name(const std::array<Named, N>& table, std::string_view name,
                                     std::size_t& found_last) {
    if (found_last < N && same_text(table[found_last].name, name)) return table[found_last].value;
    for (std::size_t i = 0; i < N; ++i) {
        if (same_text(table[i].name, name)) {
            found_last = i;
            return table[i].value;
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::string_view> by_value(const std::array<Named, N>& table, std::uint32_t v) {
    for (const Named& n : table) {
        if (n.value == v) return n.name;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Color> color_from_name(std::string_view name) {
    thread_local std::size_t found_last = 0;
    return by_name(kColors, name, found_last);
}

std::optional<std::string_view> color_name(Color color) {
    return by_value(kColors, color);
}

std::optional<std::uint8_t> charset_from_name(std::string_view name) {
    thread_local std::size_t found_last = 0;
    auto v = by_name(kCharsets, name, found_last);
    if (!v) return std::nullopt;
    return static_cast<std::uint8_t>(*v);
}

std::optional<std::string_view> charset_name(std::uint8_t charset) {
    return by_value(kCharsets, charset);
}

}  // namespace tolsy
