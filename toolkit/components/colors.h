#pragma once
// The toolkit's colour and character set values and their names in descriptions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolsy {

// 0x00BBGGRR, or 0xFF000000 | system colour index, or one of the two special values.
using Color = std::uint32_t;

inline constexpr Color kSystemColorFlag = 0xFF000000;
inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clDefault = 0x20000000;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clBtnFace = kSystemColorFlag | 15;
inline constexpr Color clWindowText = kSystemColorFlag | 8;
inline constexpr Color clWindow = kSystemColorFlag | 5;
inline constexpr Color clHighlight = kSystemColorFlag | 13;

// Colour names ("clBlack", "clBtnFace", "clNone" ...). Reading also accepts the aliases
// clLtGray and clDkGray; writing gives the first name of a value.
std::optional<Color> color_from_name(std::string_view name);  // case-insensitive
std::optional<std::string_view> color_name(Color color);

inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kSymbolCharset = 2;

// Character set names ("ANSI_CHARSET", "DEFAULT_CHARSET" ...).
std::optional<std::uint8_t> charset_from_name(std::string_view name);
std::optional<std::string_view> charset_name(std::uint8_t charset);

}  // namespace tolsy
