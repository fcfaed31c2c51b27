#pragma once
// Conversions between stream values and property values, shared by all declared properties.
// Readers call ctx.fail() (PropertyValueError) on a value of the wrong kind or range.
#include <cstdint>
#include <string>

#include "toolkit/components/class_info.h"
#include "toolkit/components/colors.h"
#include "toolkit/components/stream_value.h"

namespace tolsy::codec {

std::int64_t to_integer(const Value& v, ReadContext& ctx, std::int64_t lo, std::int64_t hi);
std::uint64_t to_unsigned(const Value& v, ReadContext& ctx, std::uint64_t hi);
bool to_boolean(const Value& v, ReadContext& ctx);
int to_enum(const Value& v, const EnumInfo& info, ReadContext& ctx);
Value from_enum(int ordinal, const EnumInfo& info);
std::uint64_t to_set(const Value& v, const EnumInfo& info, ReadContext& ctx);
Value from_set(std::uint64_t bits, const EnumInfo& info);
// 8-bit strings are Windows-1252; wide and UTF-8 values must be representable in it.
std::string to_ansi(const Value& v, ReadContext& ctx);
Value from_ansi(const std::string& s);
// 8-bit values are taken as Windows-1252.
std::u16string to_wide(const Value& v, ReadContext& ctx);
// ASCII text as a plain string, anything else as a wide string.
Value from_wide(const std::u16string& s);
Color to_color(const Value& v, ReadContext& ctx);
Value from_color(Color c);
std::uint8_t to_charset(const Value& v, ReadContext& ctx);
Value from_charset(std::uint8_t c);
long double to_float(const Value& v, ReadContext& ctx);
std::string to_binary(const Value& v, ReadContext& ctx);

}  // namespace tolsy::codec
