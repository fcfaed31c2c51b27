// The built files the benchmarks work on: read from the host build, the theme loaded once.
#pragma once

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/themes/skin_file.h"

// A file of the host build, whole (e.g. "/theme/tolsy_metal.mskn").
inline std::string built_file(const std::string& relative) {
    const std::string path = std::string(TOLSY_BINARY_DIR) + relative;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing " + path + ": build the host configuration");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The built-in theme as stored, read once.
inline const std::string& stored_theme() {
    static const std::string bytes = [] {
        std::string b = built_file("/theme/tolsy_metal.mskn");
        if (b.size() < 16) throw std::runtime_error("the built-in theme has not been built");
        return b;
    }();
    return bytes;
}

// The built-in theme, loaded once.
inline tolsy::TTeSkinFile& built_theme() {
    static tolsy::SkinFileKind kind;
    static std::unique_ptr<tolsy::TTeSkinFile> loaded = [] {
        auto t = std::make_unique<tolsy::TTeSkinFile>(kind);
        tolsy::ByteReader reader(tolsy::as_bytes(stored_theme()));
        if (!t->load_from_stream(reader))
            throw std::runtime_error("the built-in theme does not load");
        return t;
    }();
    return *loaded;
}
