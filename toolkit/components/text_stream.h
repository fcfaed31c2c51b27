#pragma once
// The textual form of component streams and the converters between it and the binary form.
//
//   object Form1: TForm1
//     Caption = 'Framewright'
//     Font.Height = -11
//     Items.Strings = (
//       'a'
//       #235)
//     object Button1: TButton
//       OnClick = Button1Click
//     end
//   end
//
// Reading follows the established tools of the ecosystem: quoted text and #nnn codes up to
// 127 make an 8-bit string (a long one over 255 bytes), any code above 127 makes the whole
// value, with all its + pieces, a wide string; quoted characters are taken byte for byte, as
// the form is 8-bit text (UTF-8 is not decoded, and a byte joins a wide string as the unit of
// the same value); integers take the smallest width; True, False, nil and Null are their
// own value types; a float takes the suffix s (single), c (currency, the text holding the
// value times 10000), d (date) or none (extended). Writing produces CRLF line ends, two-space
// indents and strings broken into 64-character pieces joined by " +".
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/stream_value.h"

namespace tolsy {

ObjectNode parse_text_stream(std::string_view text);    // throws TextSyntaxError
std::string write_text_stream(const ObjectNode& root);  // throws StreamWriteError

std::vector<std::uint8_t> object_text_to_binary(std::string_view text);
std::string object_binary_to_text(std::span<const std::uint8_t> bytes);

// Formats a float value as the text form writes it (shortest digits that read back exactly).
std::string format_float_value(const Value& v);

}  // namespace tolsy
