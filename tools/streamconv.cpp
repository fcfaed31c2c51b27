// streamconv: converts component streams between the textual and the binary form.
//   streamconv tobinary IN OUT
//   streamconv totext IN OUT
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/text_stream.h"

namespace {

std::string read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("Cannot open ") + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const char* path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error(std::string("Cannot write ") + path);
}

int usage() {
    std::fputs("usage: streamconv tobinary IN OUT\n       streamconv totext IN OUT\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string_view command = argv[1];
    if (command != "tobinary" && command != "totext") return usage();
    try {
        const std::string input = read_file(argv[2]);
        if (command == "tobinary") {
            const std::vector<std::uint8_t> out = tolsy::object_text_to_binary(input);
            write_file(argv[3], out.data(), out.size());
        } else {
            const std::string out = tolsy::object_binary_to_text(
                {reinterpret_cast<const std::uint8_t*>(input.data()), input.size()});
            write_file(argv[3], out.data(), out.size());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "streamconv: %s: %s\n", argv[2], e.what());
        return 1;
    }
    return 0;
}
