#include "skin/stored/theme_tables.h"

#include <charconv>
#include <cstdio>

#include "skin/bytes/skin_error.h"
#include "skin/bytes/text_util.h"
#include "skin/model/system_colours.h"

namespace tolsy {
namespace {

// Every table entry is three lstr of at least their 4-byte length each.
constexpr std::size_t kMinEntrySize = 12;
constexpr std::string_view kSeparator = ":";

// The comma- or semicolon-separated fields of a text, one at a time.
class Fields {
  public:
    explicit Fields(std::string_view text) : text_(text) {}
    bool done() const { return done_; }
    std::string_view next() {
        std::size_t end = start_;
        while (end < text_.size() && text_[end] != ',' && text_[end] != ';') ++end;
        const std::string_view field = text_.substr(start_, end - start_);
        done_ = end == text_.size();
        start_ = end + 1;
        return field;
    }

  private:
    std::string_view text_;
    std::size_t start_ = 0;
    bool done_ = false;
};

std::size_t field_count(std::string_view text) {
    std::size_t count = 1;
    for (const char c : text) count += c == ',' || c == ';' ? 1 : 0;
    return count;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool parse_int(std::string_view text, long long& out, int base = 10) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

int font_int(std::string_view field, std::string_view text, const char* what, long long lo,
             long long hi) {
    long long v = 0;
    if (!parse_int(field, v) || v < lo || v > hi)
        throw SkinFormatError(std::string(what) + " \"" + std::string(field) +
                              "\" in font text \"" + std::string(text) + "\"");
    return static_cast<int>(v);
}

// An entry's value is a view into the data being read.
struct Entry {
    std::size_t offset;
    std::string_view value;
};

// A string as lstr reads it (and failing as it does), left where it lies.
std::string_view lstr_view(ByteReader& in, std::string_view what) {
    const std::size_t at = in.offset();
    const std::int32_t length = in.i32(what);
    if (length < 0)
        throw SkinFormatError(std::string(what) + " has negative length " + std::to_string(length),
                              at);
    const auto text = in.bytes(static_cast<std::size_t>(length), what);
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// Name and separator are not checked; entries count by position.
Entry read_entry(ByteReader& in) {
    const std::size_t at = in.offset();
    lstr_view(in, "table entry name");
    lstr_view(in, "table entry separator");
    return {at, lstr_view(in, "table entry value")};
}

void write_entry(ByteWriter& out, std::string_view name, const std::string& value) {
    out.lstr(name);
    out.lstr(kSeparator);
    out.lstr(value);
}

Color entry_color(const Entry& e) {
    try {
        return color_from_text(e.value);
    } catch (const SkinFormatError& err) {
        throw SkinFormatError(err.detail(), e.offset);
    }
}

}  // namespace

const std::array<std::string_view, kThemeColorCount>& TteThemeColors::names() {
    static const std::array<std::string_view, kThemeColorCount> n = {
        "CaptionNormal", "CaptionInactive", "WindowBorder", "Window",    "Border",
        "PanelNormal",   "PanelDisabled",   "ButtonNormal", "ButtonHot", "ButtonPressed",
        "ButtonFocused", "ButtonDisabled",  "EditNormal",   "EditHot",   "EditFocused",
        "EditDisabled",  "EditSelection",   "Hint",         "List",      "Tree",
        "Grid",          "BarDock"};
    return n;
}

const std::array<std::string_view, kThemeSysColorCount>& TteThemeSysColors::names() {
    static const std::array<std::string_view, kThemeSysColorCount> n = {"clActiveBorder",
                                                                        "clActiveCaption",
                                                                        "clAppWorkSpace",
                                                                        "clBackground",
                                                                        "clBtnFace",
                                                                        "clBtnHighlight",
                                                                        "clBtnShadow",
                                                                        "clBtnText",
                                                                        "clCaptionText",
                                                                        "clDefault",
                                                                        "clActiveCaption",
                                                                        "clGrayText",
                                                                        "clHighlight",
                                                                        "clHighlightText",
                                                                        "clInactiveBorder",
                                                                        "clInactiveCaption",
                                                                        "clInactiveCaptionText",
                                                                        "clInfoBk",
                                                                        "clInfoText",
                                                                        "clMenu",
                                                                        "clMenuText",
                                                                        "clScrollBar",
                                                                        "cl3DDkShadow",
                                                                        "cl3DLight",
                                                                        "clWindow",
                                                                        "clWindowFrame"};
    return n;
}

TteThemeSysColors::TteThemeSysColors() {
    // Every skin holds a table: the names are looked up once, the platform asked every time.
    static const auto named = [] {
        std::array<Color, kThemeSysColorCount> n{};
        for (std::size_t i = 0; i < n.size(); ++i)
            n[i] = color_from_name(names()[i]).value_or(clBlack);
        return n;
    }();
    for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = resolve_color(named[i]);
}

const std::array<std::string_view, kThemeFontCount>& TteThemeFonts::names() {
    static const std::array<std::string_view, kThemeFontCount> n = {"CaptionTextNormal",
                                                                    "CaptionTextInactive",
                                                                    "SmCaptionTextNormal",
                                                                    "SmCaptionTextInactive",
                                                                    "StaticTextNormal",
                                                                    "StaticTextHot",
                                                                    "StaticTextFocused",
                                                                    "StaticTextDisabled",
                                                                    "PanelTextNormal",
                                                                    "PanelTextDisabled",
                                                                    "ButtonTextNormal",
                                                                    "ButtonTextPressed",
                                                                    "ButtonTextHot",
                                                                    "ButtonTextFocused",
                                                                    "ButtonTextDisabled",
                                                                    "CheckBoxTextNormal",
                                                                    "CheckBoxTextPressed",
                                                                    "CheckBoxTextHot",
                                                                    "CheckBoxTextFocused",
                                                                    "CheckBoxTextDisabled",
                                                                    "RadioButtonTextNormal",
                                                                    "RadioButtonTextPressed",
                                                                    "RadioButtonTextHot",
                                                                    "RadioButtonTextFocused",
                                                                    "RadioButtonTextDisabled",
                                                                    "GroupBoxTextNormal",
                                                                    "GroupBoxTextDisabled",
                                                                    "WindowTextNormal",
                                                                    "WindowTextDisabled",
                                                                    "EditBoxTextNormal",
                                                                    "EditBoxTextFocused",
                                                                    "EditBoxTextHot",
                                                                    "EditBoxTextDisabled",
                                                                    "EditBoxTextSelected",
                                                                    "MenuItemTextNormal",
                                                                    "MenuItemTextSelected",
                                                                    "MenuItemTextHot",
                                                                    "MenuItemTextDisabled",
                                                                    "ToolItemTextNormal",
                                                                    "ToolItemTextSelected",
                                                                    "ToolItemTextHot",
                                                                    "ToolItemTextDisabled",
                                                                    "HeaderSectionTextNormal",
                                                                    "HeaderSectionTextPressed",
                                                                    "HeaderSectionTextDraggedOut",
                                                                    "HeaderSectionTextDragging",
                                                                    "HeaderSectionTextHot",
                                                                    "HeaderSectionTextUnderDrag",
                                                                    "HeaderSectionTextDisabled",
                                                                    "StatusPanelTextNormal",
                                                                    "StatusPanelTextDisabled",
                                                                    "TabTextInactiveNormal",
                                                                    "TabTextInactiveHot",
                                                                    "TabTextInactiveDisabled",
                                                                    "TabTextActiveNormal",
                                                                    "TabTextActiveHot",
                                                                    "TabTextActiveDisabled",
                                                                    "ListItemTextNormal",
                                                                    "ListItemTextHot",
                                                                    "ListItemTextSelected",
                                                                    "ListItemTextFocused",
                                                                    "ListItemTextDisabled",
                                                                    "PopupMenuItemTextNormal",
                                                                    "PopupMenuItemTextSelected",
                                                                    "PopupMenuItemTextHot",
                                                                    "PopupMenuItemTextDisabled"};
    return n;
}

std::string color_to_text(Color color) {
    if (auto name = color_name(color)) return std::string(*name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(color));
    return buf;
}

Color color_from_text(std::string_view text) {
    const std::string_view t = trim(text);
    const bool hex = !t.empty() && t.front() == '$';
    // No colour's name begins with the sign of a hexadecimal number.
    if (!hex)
        if (auto named = color_from_name(t)) return *named;
    long long v = 0;
    const bool ok = hex ? t.size() <= 9 && parse_int(t.substr(1), v, 16)
                        : parse_int(t, v) && v >= INT32_MIN && v <= UINT32_MAX;
    if (!ok || (v < 0 && hex)) throw SkinFormatError("colour text \"" + std::string(text) + "\"");
    return static_cast<Color>(v);
}

std::string font_to_text(const ThemeFont& font) {
    std::string text = font.name + "," + std::to_string(font.size) + "," +
                       std::to_string(font.charset) + "," + std::to_string(font.color & 0xFF) +
                       "," + std::to_string((font.color >> 8) & 0xFF) + "," +
                       std::to_string((font.color >> 16) & 0xFF);
    if (font.bold) text += ",bold";
    if (font.italic) text += ",italic";
    if (font.underline) text += ",underline";
    if (font.strikeout) text += ",strikeout";
    return text;
}

ThemeFont font_from_text(std::string_view text) {
    const std::size_t count = field_count(text);
    if (count < 6)
        throw SkinFormatError("font text \"" + std::string(text) + "\" has " +
                              std::to_string(count) + " of 6 fields");
    Fields fields(text);
    ThemeFont font;
    font.name = std::string(fields.next());
    font.size = font_int(fields.next(), text, "font size", INT32_MIN, INT32_MAX);
    fields.next();  // the character set, which the table does not keep
    const int r = font_int(fields.next(), text, "red", 0, 255);
    const int g = font_int(fields.next(), text, "green", 0, 255);
    const int b = font_int(fields.next(), text, "blue", 0, 255);
    font.color = static_cast<Color>(r | (g << 8) | (b << 16));
    while (!fields.done()) {
        const std::string_view word = trim(fields.next());
        if (same_text(word, "bold")) font.bold = true;
        if (same_text(word, "italic")) font.italic = true;
        if (same_text(word, "underline")) font.underline = true;
        if (same_text(word, "strikeout")) font.strikeout = true;
    }
    return font;
}

int read_color_table(ByteReader& in, TteThemeColors& table) {
    const int count = in.u8("colour table size") + 1;
    for (int i = 0; i < count; ++i) {
        const Entry e = read_entry(in);
        if (i < kThemeColorCount) table.colors[static_cast<std::size_t>(i)] = entry_color(e);
    }
    return count;
}

void write_color_table(ByteWriter& out, const TteThemeColors& table) {
    out.u8(kThemeColorCount - 1);
    for (int i = 0; i < kThemeColorCount; ++i)
        write_entry(out, TteThemeColors::names()[static_cast<std::size_t>(i)],
                    color_to_text(table.colors[static_cast<std::size_t>(i)]));
}

int read_sys_color_table(ByteReader& in, TteThemeSysColors& table) {
    const int count = in.count("system colour table size", kMinEntrySize);
    for (int i = 0; i < count; ++i) {
        const Entry e = read_entry(in);
        if (i < kThemeSysColorCount) table.colors[static_cast<std::size_t>(i)] = entry_color(e);
    }
    return count;
}

void write_sys_color_table(ByteWriter& out, const TteThemeSysColors& table) {
    out.i32(kThemeSysColorCount);
    for (int i = 0; i < kThemeSysColorCount; ++i)
        write_entry(out, TteThemeSysColors::names()[static_cast<std::size_t>(i)],
                    color_to_text(table.colors[static_cast<std::size_t>(i)]));
}

int read_font_table(ByteReader& in, TteThemeFonts& table) {
    const int count = in.u8("font table size") + 1;
    for (int i = 0; i < count; ++i) {
        const Entry e = read_entry(in);
        if (i >= kThemeFontCount) continue;
        try {
            table.fonts[static_cast<std::size_t>(i)] = font_from_text(e.value);
        } catch (const SkinFormatError& err) {
            throw SkinFormatError(err.detail(), e.offset);
        }
    }
    return count;
}

void write_font_table(ByteWriter& out, const TteThemeFonts& table) {
    out.u8(kThemeFontCount - 1);
    for (int i = 0; i < kThemeFontCount; ++i)
        write_entry(out, TteThemeFonts::names()[static_cast<std::size_t>(i)],
                    font_to_text(table.fonts[static_cast<std::size_t>(i)]));
}

}  // namespace tolsy
