#include "skin/effects/animation_settings.h"

#include <algorithm>

#include "skin/bytes/bmp_reader.h"
#include "skin/bytes/skin_error.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {

const EnumInfo kRotationNames{"TteRotation",
                              {"krNone", "krRotate90", "krRotate180", "krRotate270"}};
const EnumInfo kDirectionNames{
    "TTeDirection", {"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"}};

namespace {

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

std::uint32_t get32(std::span<const std::uint8_t> d) {
    return d[0] | (d[1] << 8) | (d[2] << 16) | (std::uint32_t{d[3]} << 24);
}

void read_bitmap_data(TeBitmap& bitmap, std::span<const std::uint8_t> data, ReadContext& ctx) {
    if (data.size() < 4) ctx.fail("bitmap data too short");
    const std::uint32_t size = get32(data);
    if (size > data.size() - 4) ctx.fail("bitmap data shorter than its size");
    if (size == 0) {
        bitmap.image = Image();
        return;
    }
    try {
        bitmap.image = decode_bmp(data.subspan(4, size));
    } catch (const SkinError& e) {
        ctx.fail(e.what());
    }
}

std::optional<std::string> write_bitmap_data(const TeBitmap& bitmap) {
    if (bitmap.image.empty()) return std::nullopt;
    const std::string file = encode_bmp(bitmap.image);
    std::string out;
    put32(out, static_cast<std::uint32_t>(file.size()));
    return out + file;
}

// Publishes the record's bitmap as the animation's own nested "Bitmap" object.
PropertyInfo record_bitmap_property() {
    PropertyInfo p;
    p.name = "Bitmap";
    p.kind = PropertyKind::kObject;
    p.target_class = &TeBitmap::static_class_info();
    p.nested = [](Persistent& obj) -> Persistent* {
        return &static_cast<TTeExtAnimation&>(obj).record().bitmap;
    };
    p.write = [](const Persistent& obj, const PropertyInfo&, const std::string& path,
                 std::vector<Property>& out, WriteContext& ctx) {
        write_properties(static_cast<const TTeExtAnimation&>(obj).record().bitmap, path + ".", out,
                         ctx);
    };
    p.read = [](Persistent&, const Value&, ReadContext& ctx) {
        ctx.fail("a nested object takes no value");
    };
    return p;
}

}  // namespace

std::string encode_bmp(const Image& image) {
    const std::uint32_t pixels = static_cast<std::uint32_t>(image.width()) * image.height() * 4;
    std::string out;
    out += "BM";
    put32(out, 14 + 40 + pixels);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height()));  // bottom-up rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);  // uncompressed
    put32(out, pixels);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) put32(out, image.at(x, y));
    }
    return out;
}

const ClassInfo& TeBitmap::static_class_info() {
    static const ClassInfo info = declare_class<TeBitmap>(
        "TBitmap", nullptr, [](auto& c) { c.binary("Data", read_bitmap_data, write_bitmap_data); });
    return info;
}

void TteAnimationRec::set_time(int ms) {
    time_ = std::clamp(ms, kMinTime, kMaxTime);
}
void TteAnimationRec::set_resolution(int pixels) {
    resolution_ = std::clamp(pixels, 1, kMaxResolution);
}
void TteAnimationRec::set_tile_count(int count) {
    tile_count_ = std::clamp(count, 1, kMaxTileCount);
}

void TteAnimationRec::assign(const TteAnimationRec& other) {
    if (&other == this) return;
    bitmap.image = other.bitmap.image;
    enabled_ = other.enabled_;
    time_ = other.time_;
    resolution_ = other.resolution_;
    tile_count_ = other.tile_count_;
    effect_ = other.effect_;
    rotation_ = other.rotation_;
}

const ClassInfo& TteAnimationRec::static_class_info() {
    using T = TteAnimationRec;
    static const ClassInfo info = declare_class<T, Component>("TteAnimationRec", [](auto& c) {
        c.object("Bitmap", &T::bitmap);
        c.boolean("Enabled", getset(&T::Enabled, &T::set_enabled), false);
        c.integer("Time", getset(&T::Time, &T::set_time), 400);
        c.integer("Resolution", getset(&T::Resolution, &T::set_resolution), 1);
        c.integer("TileCount", getset(&T::TileCount, &T::set_tile_count), 1);
        c.string("Effect", getset(&T::Effect, &T::set_effect), kRandomEffectName);
        c.enumeration("Rotation", getset(&T::Rotation, &T::set_rotation), kRotationNames,
                      TteRotation::krNone);
    });
    return info;
}

TTeDirection TTeExtAnimation::Direction() const {
    switch (record_.Rotation()) {
        case TteRotation::krRotate90:
            return TTeDirection::kdRotate90;
        case TteRotation::krRotate180:
            return TTeDirection::kdRotate180;
        case TteRotation::krRotate270:
            return TTeDirection::kdRotate270;
        case TteRotation::krNone:
            break;
    }
    return TTeDirection::kdNone;
}

void TTeExtAnimation::set_direction(TTeDirection direction) {
    switch (direction) {
        case TTeDirection::kdRotate90:
            record_.set_rotation(TteRotation::krRotate90);
            return;
        case TTeDirection::kdRotate180:
            record_.set_rotation(TteRotation::krRotate180);
            return;
        case TTeDirection::kdRotate270:
            record_.set_rotation(TteRotation::krRotate270);
            return;
        case TTeDirection::kdNone:
        case TTeDirection::kdNoRotate:
            break;
    }
    record_.set_rotation(TteRotation::krNone);
}

const ClassInfo& TTeExtAnimation::static_class_info() {
    using T = TTeExtAnimation;
    static const ClassInfo info = declare_class<T>("TTeExtAnimation", nullptr, [](auto& c) {
        c.enumeration("Direction", getset(&T::Direction, &T::set_direction), kDirectionNames,
                      TTeDirection::kdNone);
        c.boolean("Enabled", getset(&T::Enabled, &T::set_enabled), false);
        c.integer("Resolution", getset(&T::Resolution, &T::set_resolution), 1);
        c.integer("TileCount", getset(&T::TileCount, &T::set_tile_count), 1);
        // Through the virtual setter, so the advanced animation's tighter limit holds too.
        c.integer("Time", getset(&T::Time, [](T& self, int ms) { self.set_time(ms); }), 400);
    });
    return info;
}

void TTeAdvancedAnimation::set_time(int ms) {
    TTeExtAnimation::set_time(std::min(ms, kMaxAdvancedTime));
}

void TTeAdvancedAnimation::assign(const TTeExtAnimation& other) {
    TTeExtAnimation::assign(other);
    if (auto* advanced = dynamic_cast<const TTeAdvancedAnimation*>(&other)) {
        EffectMouseEnter = advanced->EffectMouseEnter;
        EffectMouseLeave = advanced->EffectMouseLeave;
    }
}

const ClassInfo& TTeAdvancedAnimation::static_class_info() {
    using T = TTeAdvancedAnimation;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TTeExtAnimation>("TTeAdvancedAnimation", [](auto&) {});
        i.add_property(record_bitmap_property());
        ClassBuilder<T> c(i);
        c.string("EffectMouseEnter", &T::EffectMouseEnter, kFadeEffectName);
        c.string("EffectMouseLeave", &T::EffectMouseLeave, kFadeEffectName);
        return i;
    }();
    return info;
}

}  // namespace tolsy
