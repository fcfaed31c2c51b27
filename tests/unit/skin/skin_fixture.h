#pragma once
// Synthetic skins for the theme tests: images with distinct pixels and objects built in code,
// attached and prepared as a read skin would be; and the built-in theme as the build made it.
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "picture/pixels.h"
#include "skin/model/layout.h"
#include "skin/model/skin_bitmap.h"
#include "skin/model/skin_object_classes.h"
#include "skin/themes/skin_file.h"

namespace tolsy::test {

class SyntheticSkin {
  public:
    TteBitmap& add_image(const std::string& name, Image image) {
        auto bitmap = std::make_unique<TteBitmap>();
        bitmap->name = name;
        bitmap->image = std::move(image);
        bitmap->key_flag = false;
        bitmap->compute_alpha_flag();
        images.push_back(std::move(bitmap));
        return *images.back();
    }

    // A root of class T at (left, top) with a width and height; children are made with `part`.
    template <class T>
    T& root(const std::string& name, SkinBounds bounds) {
        auto object = std::make_unique<T>();
        object->set_name(name);
        object->set_bounds(bounds);
        roots_.push_back(std::move(object));
        return static_cast<T&>(*roots_.back());
    }
    template <class T>
    static T& part(TSeSkinObject& parent, const std::string& name, SkinBounds bounds,
                   TSeAlign align = TSeAlign::saNone) {
        auto* object = new T(&parent);  // owned by the parent
        object->set_name(name);
        object->align = align;
        object->set_bounds(bounds);
        return *object;
    }
    // Attaches every root to the images and settles link flags, as reading a skin does.
    void prepare() {
        for (auto& r : roots_) {
            r->attach_images(&images);
            r->prepare_tree();
        }
    }

    BitmapList images;

  private:
    std::vector<std::unique_ptr<TSeSkinObject>> roots_;
};

inline void set_link(TteBitmapLink& link, const std::string& image, Rect r) {
    link.name = image;
    link.left = r.left;
    link.top = r.top;
    link.right = r.right;
    link.bottom = r.bottom;
}

inline std::string built_theme_path() {
    return std::string(TOLSY_BINARY_DIR) + "/theme/tolsy_metal.mskn";
}

inline std::string read_binary(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The built-in theme loaded as the program loads it.
inline std::unique_ptr<TTeSkinFile> load_built_theme() {
    static SkinFileKind kind;
    auto theme = std::make_unique<TTeSkinFile>(kind);
    const std::string bytes = read_binary(built_theme_path());
    ByteReader in(as_bytes(bytes));
    if (!theme->load_from_stream(in)) return nullptr;
    return theme;
}

}  // namespace tolsy::test
