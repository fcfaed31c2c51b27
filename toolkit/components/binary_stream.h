#pragma once
// Reader and writer of the binary component stream: "TPF0", then one object: optional filer
// prefix, class name, object name (each 1 length byte + bytes), properties until a zero byte,
// children until a zero byte. A property is its name (1 length byte + bytes) and a value (a type
// byte and its data). All integers are little-endian.
//
//   ObjectNode tree = parse_binary_stream(bytes);        // throws StreamFormatError
//   std::vector<std::uint8_t> out = write_binary_stream(tree);
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "toolkit/components/stream_value.h"

namespace tolsy {

inline constexpr char kStreamSignature[] = "TPF0";

// Reads one complete stream; trailing bytes after the object are an error.
ObjectNode parse_binary_stream(std::span<const std::uint8_t> bytes);
// As above, but stops after the object and stores in *consumed how many bytes it took.
ObjectNode parse_binary_stream_prefix(std::span<const std::uint8_t> bytes, std::size_t* consumed);

std::vector<std::uint8_t> write_binary_stream(const ObjectNode& root);
// Appends the stream to out.
void append_binary_stream(const ObjectNode& root, std::vector<std::uint8_t>& out);

inline std::span<const std::uint8_t> as_bytes_span(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace tolsy
