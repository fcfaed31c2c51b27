#include "skin/themes/theme_container.h"

#include "skin/bytes/skin_error.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

std::size_t checked_size(std::int64_t size, const ByteReader& in, std::size_t at) {
    if (size < 0)
        throw SkinFormatError("stored theme size " + std::to_string(size) + " is negative", at);
    if (static_cast<std::uint64_t>(size) > in.remaining())
        throw SkinReadError("stored theme of " + std::to_string(size) + " bytes", at,
                            static_cast<std::size_t>(std::min<std::uint64_t>(
                                static_cast<std::uint64_t>(size), SIZE_MAX)),
                            in.remaining());
    return static_cast<std::size_t>(size);
}

void read_bare_theme(ByteReader& in, ThemeStreamData& item, const TteThemeManager& manager) {
    item.decoded = manager.load_theme(in);
    item.buffer.clear();
    if (!item.decoded) return;
    ByteWriter restored;
    manager.save_theme(*item.decoded, restored);
    item.buffer = restored.take();
    item.theme_store = item.decoded->theme_name();
}

}  // namespace

void read_theme_container(ByteReader& in, ThemeStreamData& item, const TteThemeManager& manager) {
    const std::size_t kind_at = in.offset();
    const std::uint8_t kind = in.u8("theme container kind");
    item.buffer.clear();
    switch (static_cast<ContainerKind>(kind)) {
        case ContainerKind::kEmpty:
            break;
        case ContainerKind::kBareTheme:
            read_bare_theme(in, item, manager);
            return;
        case ContainerKind::kNamed64:
        case ContainerKind::kNamed32: {
            item.theme_store = in.lstr("theme name");
            const std::size_t size_at = in.offset();
            std::int64_t size = 0;
            if (kind == static_cast<std::uint8_t>(ContainerKind::kNamed64)) {
                // The buffer is sized from the low 32 bits of the stored size.
                size = static_cast<std::int32_t>(in.i64("stored theme size") & 0xFFFFFFFF);
            } else {
                size = in.i32("stored theme size");
            }
            auto bytes = in.bytes(checked_size(size, in, size_at), "stored theme");
            item.buffer.assign(bytes.begin(), bytes.end());
            break;
        }
        default:
            throw SkinFormatError("unknown theme container kind " + std::to_string(kind), kind_at);
    }
    if (!in.at_end())
        throw SkinFormatError(std::to_string(in.remaining()) + " bytes after the theme container",
                              in.offset());
}

void write_theme_container(ByteWriter& out, const ThemeStreamData& item) {
    if (item.buffer.empty()) {
        out.u8(static_cast<std::uint8_t>(ContainerKind::kEmpty));
        return;
    }
    if (item.buffer.size() > static_cast<std::size_t>(INT32_MAX))
        throw std::length_error("Stored theme is too large for its container");
    out.u8(static_cast<std::uint8_t>(ContainerKind::kNamed32));
    out.lstr(item.theme_store);
    out.i32(static_cast<std::int32_t>(item.buffer.size()));
    out.bytes(item.buffer);
}

}  // namespace tolsy
