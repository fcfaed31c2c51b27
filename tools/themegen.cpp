// themegen: draws the two images of the built-in theme "Tolsy metal" with our own raster code.
//   themegen IMAGES_OUT [PNG_FOLDER]
// IMAGES_OUT receives the image records (lstr name, width, height, BGRA rows top to bottom) of
// "themeimage" (350 x 300: opaque pieces on the key colour) and "track.bmp" (5 x 5, partly
// translucent); PNG_FOLDER, when given, receives a PNG of each for people to look at. The
// rectangles below are the ones the theme's objects link to (resources/theme/tolsy_metal.txt).
#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "picture/png.h"
#include "themegen_raster.h"

namespace themegen {
namespace {

constexpr int kAtlasWidth = 350;
constexpr int kAtlasHeight = 300;

// The metal palette. kAccent is the theme's caption colour $00E75900.
constexpr Rgb kAccent{0, 89, 231};
constexpr Rgb kAccentDark{0, 52, 150};
constexpr Rgb kAccentLight{96, 152, 245};
constexpr Rgb kInk{34, 38, 46};
constexpr Rgb kInkDisabled{160, 162, 166};
constexpr Rgb kOutline{112, 120, 132};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kWindow{234, 233, 215};
constexpr Rgb kHint{245, 251, 254};

// Border profiles from the outer edge inwards, active and inactive.
constexpr Rgb kBlueProfile[5] = {kAccentDark, kAccent, kAccentLight, kAccent, kAccentDark};
constexpr Rgb kGreyProfile[5] = {
    {112, 112, 112}, {160, 160, 160}, {204, 204, 204}, {160, 160, 160}, {112, 112, 112}};
constexpr Rgb kBlueProfile3[3] = {kAccentDark, kAccentLight, kAccent};
constexpr Rgb kGreyProfile3[3] = {{112, 112, 112}, {204, 204, 204}, {160, 160, 160}};

struct Look {
    Rgb outline;
    Ramp inside;
};

// Brushed metal: a vertical gradient whose rows carry a small fixed ripple, so that the strip
// tiles seamlessly from left to right.
void brushed(Painter& p, const Rect& r, Ramp ramp) {
    unsigned seed = 0x5EEDu + static_cast<unsigned>(r.top * 31 + r.height());
    for (int y = r.top; y < r.bottom; ++y) {
        seed = seed * 1103515245u + 12345u;
        const int ripple = static_cast<int>((seed >> 16) % 5) - 2;
        p.fill({r.left, y, r.right, y + 1}, lighten(ramp.at(y - r.top, r.height()), ripple));
    }
}

// One piece of a window frame: the sides named carry the border profile (sides `side` pixels
// thick, the top `top` pixels), a caption piece is brushed metal with a rule under it; where
// two sides meet, the outermost colour of either wins.
struct FrameLook {
    const Rgb* profile;
    int side;
    int top;
    Ramp metal;
    Rgb rule;
};

void frame_piece(Painter& p, const Rect& r, const FrameLook& look, bool left, bool right,
                 bool caption) {
    if (caption) {
        brushed(p, r, look.metal);
        p.fill({r.left, r.bottom - 1, r.right, r.bottom}, look.rule);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            int depth = 99;
            if (y - r.top < look.top) depth = y - r.top;
            if (left && x - r.left < look.side) depth = std::min(depth, x - r.left);
            if (right && r.right - 1 - x < look.side) depth = std::min(depth, r.right - 1 - x);
            if (depth != 99) p.set(x, y, look.profile[depth]);
        }
    }
}

// A bottom strip or bottom corner: the profile runs from the bottom edge upwards.
void bottom_piece(Painter& p, const Rect& r, const Rgb* profile, bool left, bool right) {
    const int t = r.height();
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            int depth = r.bottom - 1 - y;
            if (left) depth = std::min(depth, x - r.left);
            if (right) depth = std::min(depth, r.right - 1 - x);
            p.set(x, y, profile[std::min(depth, t - 1)]);
        }
    }
}

void side_piece(Painter& p, const Rect& r, const Rgb* profile, bool left) {
    for (int x = r.left; x < r.right; ++x) {
        const int depth = left ? x - r.left : r.right - 1 - x;
        p.fill({x, r.top, x + 1, r.bottom}, profile[depth]);
    }
}

void draw_window_frames(Painter& p) {
    const FrameLook active{kBlueProfile, 5, 4, {{252, 253, 254}, {203, 211, 222}}, kAccent};
    const FrameLook inactive{
        kGreyProfile, 5, 4, {{247, 247, 247}, {220, 220, 220}}, {160, 160, 160}};
    const FrameLook looks[2] = {active, inactive};
    for (int i = 0; i < 2; ++i) {
        const FrameLook& look = looks[i];
        frame_piece(p, Rect::from_size(40 * i, 0, 10, 29), look, true, false, true);
        frame_piece(p, Rect::from_size(10 + 40 * i, 0, 20, 29), look, false, false, true);
        frame_piece(p, Rect::from_size(30 + 40 * i, 0, 10, 29), look, false, true, true);
        frame_piece(p, Rect::from_size(80, 4 * i, 20, 4), look, false, false, false);
        side_piece(p, Rect::from_size(100 + 10 * i, 0, 5, 29), look.profile, true);
        side_piece(p, Rect::from_size(105 + 10 * i, 0, 5, 29), look.profile, false);
        bottom_piece(p, Rect::from_size(120, 5 * i, 5, 5), look.profile, true, false);
        bottom_piece(p, Rect::from_size(125, 5 * i, 20, 5), look.profile, false, false);
        bottom_piece(p, Rect::from_size(145, 5 * i, 5, 5), look.profile, false, true);
        // The tool window's narrower frame.
        const Rgb* profile3 = i == 0 ? kBlueProfile3 : kGreyProfile3;
        const FrameLook small{profile3, 3, 3, look.metal, look.rule};
        frame_piece(p, Rect::from_size(150 + 32 * i, 0, 6, 18), small, true, false, true);
        frame_piece(p, Rect::from_size(156 + 32 * i, 0, 20, 18), small, false, false, true);
        frame_piece(p, Rect::from_size(176 + 32 * i, 0, 6, 18), small, false, true, true);
        side_piece(p, Rect::from_size(214 + 6 * i, 0, 3, 18), profile3, true);
        side_piece(p, Rect::from_size(217 + 6 * i, 0, 3, 18), profile3, false);
        bottom_piece(p, Rect::from_size(120, 10 + 3 * i, 3, 3), profile3, true, false);
        bottom_piece(p, Rect::from_size(123, 10 + 3 * i, 20, 3), profile3, false, false);
        bottom_piece(p, Rect::from_size(143, 10 + 3 * i, 3, 3), profile3, false, true);
    }
}

// Caption button faces: inactive, active, hot, pressed.
const Look kCaptionButton[4] = {
    {{150, 150, 150}, {{250, 250, 250}, {222, 222, 222}}},
    {{70, 100, 160}, {{255, 255, 255}, {205, 214, 228}}},
    {kAccent, {{240, 246, 255}, {170, 200, 245}}},
    {kAccentDark, {{150, 180, 230}, {210, 225, 248}}},
};

void draw_caption_buttons(Painter& p) {
    for (int i = 0; i < 4; ++i) {
        p.rounded_box(Rect::from_size(226 + 19 * i, 0, 19, 19), kCaptionButton[i].outline,
                      kCaptionButton[i].inside, 2);
        const Rect small =
            i < 3 ? Rect::from_size(302 + 13 * i, 0, 13, 13) : Rect::from_size(302, 16, 13, 13);
        p.rounded_box(small, kCaptionButton[i].outline, kCaptionButton[i].inside, 1);
    }
    const std::pair<char, Rgb> ink{'#', kInk};
    const int y = 19;
    p.art(226, y,
          {"##     ##", "###   ###", " ### ### ", "  #####  ", "   ###   ", "  #####  ",
           " ### ### ", "###   ###", "##     ##"},
          {ink});
    p.art(235, y,
          {"  #######", "  #######", "  #     #", "####### #", "####### #", "#     ###",
           "#     #  ", "#     #  ", "#######  "},
          {ink});
    p.art(244, y,
          {"#########", "#########", "#       #", "#       #", "#       #", "#       #",
           "#       #", "#       #", "#########"},
          {ink});
    p.art(253, y,
          {"         ", "         ", "         ", "         ", "         ", "         ",
           " ####### ", " ####### ", "         "},
          {ink});
    p.art(262, y,
          {"         ", "         ", " ####### ", "  #####  ", "   ###   ", "    #    ",
           "         ", "#########", "         "},
          {ink});
    p.art(271, y,
          {"         ", "#########", "         ", "    #    ", "   ###   ", "  #####  ",
           " ####### ", "         ", "         "},
          {ink});
    p.art(280, y,
          {"   ###   ", "   ###   ", "   ###   ", " ####### ", "  #####  ", "   ###   ",
           "    #    ", "         ", "#########"},
          {ink});
    p.art(289, y,
          {"  #####  ", " ##   ## ", " ##   ## ", "     ##  ", "    ##   ", "    ##   ",
           "         ", "    ##   ", "    ##   "},
          {ink});
    p.art(315, 16, {"##   ##", "### ###", " ##### ", "  ###  ", " ##### ", "### ###", "##   ##"},
          {ink});
}

// Push button faces: normal, hot, pressed, focused, disabled (nine pieces, margins 4).
void draw_push_buttons(Painter& p) {
    const Look looks[5] = {
        {kOutline, {{253, 253, 254}, {214, 219, 227}}},
        {{60, 120, 220}, {{246, 250, 255}, {196, 216, 245}}},
        {{70, 80, 95}, {{190, 198, 210}, {232, 236, 242}}},
        {kOutline, {{253, 253, 254}, {214, 219, 227}}},
        {{178, 180, 184}, {{238, 238, 238}, {238, 238, 238}}},
    };
    for (int i = 0; i < 5; ++i) {
        const Rect r = Rect::from_size(23 * i, 30, 23, 23);
        p.rounded_box(r, looks[i].outline, looks[i].inside, 2);
        if (i < 2) p.fill({r.left + 2, r.top + 1, r.right - 2, r.top + 2}, kWhite);
        if (i == 3) p.frame({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, kAccent);
    }
}

// Speed button and flat faces: normal, hot, pressed, focused, disabled.
const Look kSpeedLooks[5] = {
    {{150, 156, 166}, {{248, 249, 250}, {226, 229, 234}}},
    {{80, 130, 210}, {{240, 246, 255}, {210, 226, 250}}},
    {{90, 100, 115}, {{200, 206, 216}, {228, 232, 238}}},
    {kAccent, {{248, 249, 250}, {226, 229, 234}}},
    {{200, 200, 200}, {{240, 240, 240}, {240, 240, 240}}},
};

void draw_arrows(Painter& p, int x, int y, Rgb colour) {
    const std::pair<char, Rgb> c{'#', colour};
    p.art(x, y, {"       ", "   #   ", "  ###  ", " ##### ", "#######", "       ", "       "}, {c});
    p.art(x + 7, y, {"       ", "       ", "#######", " ##### ", "  ###  ", "   #   ", "       "},
          {c});
    p.art(x + 14, y, {"    #  ", "   ##  ", "  ###  ", " ####  ", "  ###  ", "   ##  ", "    #  "},
          {c});
    p.art(x + 21, y, {"  #    ", "  ##   ", "  ###  ", "  #### ", "  ###  ", "  ##   ", "  #    "},
          {c});
}

void draw_speed_buttons_and_headers(Painter& p) {
    for (int i = 0; i < 5; ++i) {
        p.rounded_box(Rect::from_size(115 + 23 * i, 30, 23, 23), kSpeedLooks[i].outline,
                      kSpeedLooks[i].inside, 1);
    }
    p.art(230, 30,
          {"       ", "##  ## ", " ##  ##", "  ##  #", " ##  ##", "##  ## ", "       ", "       ",
           "  ###  ", "   #   ", "       "},
          {{'#', kInk}});
    const Ramp header[3] = {{{252, 252, 252}, {226, 230, 236}},
                            {{246, 250, 255}, {214, 228, 248}},
                            {{206, 212, 222}, {234, 237, 242}}};
    for (int i = 0; i < 3; ++i) {
        const Rect r = Rect::from_size(244 + 20 * i, 30, 20, 18);
        p.vgradient(r, header[i]);
        p.fill({r.right - 2, r.top + 3, r.right - 1, r.bottom - 3}, {190, 195, 205});
        p.fill({r.right - 1, r.top + 3, r.right, r.bottom - 3}, kWhite);
        p.fill({r.left, r.bottom - (i == 1 ? 2 : 1), r.right, r.bottom},
               i == 1 ? kAccent : Rgb{150, 156, 166});
    }
}

// Check boxes (unchecked, checked, mixed) and radio buttons (unchecked, checked), each in the
// states normal, hot, pressed, disabled.
const Look kBoxLooks[4] = {
    {kOutline, {{255, 255, 255}, {226, 231, 238}}},
    {kAccent, {{245, 249, 255}, {210, 226, 250}}},
    {{80, 88, 100}, {{200, 208, 220}, {230, 234, 240}}},
    {{190, 190, 190}, {{244, 244, 244}, {244, 244, 244}}},
};

void draw_check_marks(Painter& p, int x, int y, int box, bool disabled) {
    const Rgb mark = disabled ? kInkDisabled : Rgb{0, 70, 190};
    if (box == 1) {
        p.art(x + 2, y + 2,
              {".........", ".......#.", "......##.", ".#...###.", ".##.###..", ".#####...",
               "..###....", "...#.....", "........."},
              {{'#', mark}});
    } else if (box == 2) {
        p.fill({x + 3, y + 3, x + 10, y + 10}, disabled ? kInkDisabled : mix(mark, kWhite, 0.25));
    }
}

void draw_radio(Painter& p, int x, int y, const Look& look, bool checked, bool disabled) {
    for (int py = 0; py < 13; ++py) {
        for (int px = 0; px < 13; ++px) {
            const double d = std::hypot(px - 6.0, py - 6.0);
            if (d > 6.4) {
                p.key(x + px, y + py);
            } else if (d > 5.2) {
                p.set(x + px, y + py, look.outline);
            } else {
                p.set(x + px, y + py, look.inside.at(py, 13));
            }
            if (checked && d <= 2.6) p.set(x + px, y + py, disabled ? kInkDisabled : kAccent);
        }
    }
}

void draw_boxes(Painter& p) {
    for (int box = 0; box < 3; ++box) {
        for (int state = 0; state < 4; ++state) {
            const int x = 13 * (box * 4 + state);
            p.rounded_box(Rect::from_size(x, 54, 13, 13), kBoxLooks[state].outline,
                          kBoxLooks[state].inside, 0);
            draw_check_marks(p, x, 54, box, state == 3);
        }
    }
    for (int checked = 0; checked < 2; ++checked) {
        for (int state = 0; state < 4; ++state) {
            draw_radio(p, 156 + 13 * (checked * 4 + state), 54, kBoxLooks[state], checked == 1,
                       state == 3);
        }
    }
    draw_arrows(p, 260, 54, {50, 56, 68});
    draw_arrows(p, 288, 54, kInkDisabled);
    p.rounded_box(Rect::from_size(316, 54, 13, 13), kOutline, {kWhite, kWhite}, 0);
    draw_check_marks(p, 316, 54, 1, false);
    p.fill(Rect::from_size(329, 54, 20, 1), {170, 176, 186});
    p.fill(Rect::from_size(329, 55, 20, 1), kWhite);
}

// Scroll bar buttons and thumbs, tracks and grips; the combo box's drop button; edit frames.
void draw_scroll_and_edit(Painter& p) {
    const int face_states[4] = {0, 1, 2, 4};  // normal, hot, pressed, disabled
    for (int i = 0; i < 4; ++i) {
        const Look& look = kSpeedLooks[face_states[i]];
        p.rounded_box(Rect::from_size(17 * i, 68, 17, 17), look.outline, look.inside, 1);
        p.rounded_box(Rect::from_size(168 + 17 * i, 68, 17, 19), look.outline, look.inside, 1);
    }
    const Look thumbs[3] = {{kOutline, {{244, 246, 249}, {206, 212, 222}}},
                            {{80, 130, 210}, {{236, 244, 255}, {190, 212, 246}}},
                            {{70, 80, 95}, {{186, 194, 208}, {222, 228, 236}}}};
    for (int i = 0; i < 3; ++i)
        p.rounded_box(Rect::from_size(68 + 17 * i, 68, 17, 17), thumbs[i].outline, thumbs[i].inside,
                      1);
    p.vgradient(Rect::from_size(119, 68, 16, 17), {{222, 226, 232}, {242, 244, 247}});
    p.fill(Rect::from_size(119, 68, 16, 1), {196, 200, 208});
    p.hgradient(Rect::from_size(135, 68, 17, 16), {{222, 226, 232}, {242, 244, 247}});
    p.fill(Rect::from_size(135, 68, 1, 16), {196, 200, 208});
    const std::pair<char, Rgb> dark{'#', {120, 128, 140}};
    const std::pair<char, Rgb> light{'+', kWhite};
    p.art(152, 68,
          {" #+#+#+ ", " #+#+#+ ", " #+#+#+ ", " #+#+#+ ", " #+#+#+ ", " #+#+#+ ", "        ",
           "        "},
          {dark, light});
    p.art(160, 68,
          {" ###### ", " ++++++ ", " ###### ", " ++++++ ", " ###### ", " ++++++ ", "        ",
           "        "},
          {dark, light});
    const Rgb frames[4] = {{128, 136, 148}, {80, 130, 210}, kAccent, {190, 190, 190}};
    for (int i = 0; i < 4; ++i) {
        const Rect r = Rect::from_size(236 + 21 * i, 68, 21, 21);
        p.fill(r, i == 3 ? Rgb{244, 244, 244} : kWhite);
        p.frame(r, frames[i]);
        if (i == 2) p.frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, {200, 220, 250});
    }
    p.art(320, 68,
          {"           #", "            ", "         # #", "            ", "       # # #",
           "            ", "     # # # #", "            ", "   # # # # #", "            ",
           " # # # # # #", "            "},
          {{'#', {140, 146, 156}}});
    p.rounded_box(Rect::from_size(332, 68, 5, 5), {100, 108, 120},
                  {{190, 196, 204}, {214, 218, 224}}, 0);
    p.fill(Rect::from_size(337, 68, 1, 4), {110, 118, 130});
}

// Tabs (normal, hot, active, disabled), page, group and bevel frames, panels, menus and bars.
void draw_tabs(Painter& p) {
    const Look tabs[4] = {{{150, 156, 166}, {{240, 242, 245}, {220, 224, 230}}},
                          {{80, 130, 210}, {{246, 250, 255}, {214, 228, 248}}},
                          {{128, 136, 148}, {kWhite, kWindow}},
                          {{200, 200, 200}, {{238, 238, 238}, {238, 238, 238}}}};
    for (int i = 0; i < 4; ++i) {
        const Rect r = Rect::from_size(30 * i, 90, 30, 21);
        p.rounded_box({r.left, r.top, r.right, r.bottom + 2}, tabs[i].outline, tabs[i].inside, 2);
        p.fill({r.left, r.bottom - 1, r.right, r.bottom}, tabs[i].outline);
        if (i == 1 || i == 2) p.fill({r.left + 2, r.top + 1, r.right - 2, r.top + 3}, kAccent);
        if (i == 2) p.fill({r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, kWindow);
    }
    const Rect page = Rect::from_size(120, 90, 20, 20);
    p.fill(page, kWindow);
    p.frame(page, {128, 136, 148});
    p.frame({page.left + 1, page.top + 1, page.right - 1, page.bottom - 1}, kWhite);
}

void bevel(Painter& p, const Rect& r, Rgb light, Rgb dark, Rgb centre) {
    p.fill(r, centre);
    p.fill({r.left, r.top, r.right, r.top + 1}, light);
    p.fill({r.left, r.top, r.left + 1, r.bottom}, light);
    p.fill({r.left, r.bottom - 1, r.right, r.bottom}, dark);
    p.fill({r.right - 1, r.top, r.right, r.bottom}, dark);
}

void etched(Painter& p, const Rect& r, bool keep_centre) {
    const Rect inner{r.left + 1, r.top + 1, r.right, r.bottom};
    p.frame(inner, kWhite);
    p.frame({r.left, r.top, r.right - 1, r.bottom - 1}, {160, 166, 176});
    if (!keep_centre) {
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            for (int x = r.left + 2; x < r.right - 2; ++x) p.key(x, y);
    }
}

void draw_panels_and_bars(Painter& p) {
    etched(p, Rect::from_size(140, 90, 20, 20), false);
    const Rect raised = Rect::from_size(160, 90, 20, 20);
    p.vgradient(raised, {{248, 249, 251}, {230, 233, 238}});
    bevel(p, raised, kWhite, {150, 156, 166}, {240, 242, 245});
    p.vgradient({raised.left + 1, raised.top + 1, raised.right - 1, raised.bottom - 1},
                {{248, 249, 251}, {230, 233, 238}});
    bevel(p, Rect::from_size(180, 90, 20, 20), {150, 156, 166}, kWhite, kWhite);
    const Rect popup = Rect::from_size(200, 90, 20, 20);
    p.fill(popup, {250, 250, 251});
    p.frame(popup, kOutline);
    p.fill({popup.left + 1, popup.top + 1, popup.left + 4, popup.bottom - 1}, {232, 236, 242});
    const Ramp bars[3] = {{{250, 251, 252}, {228, 232, 237}},
                          {{246, 247, 249}, {224, 228, 234}},
                          {{236, 238, 241}, {222, 226, 231}}};
    for (int i = 0; i < 3; ++i) {
        const Rect r = Rect::from_size(220 + 20 * i, 90, 20, 20);
        p.vgradient(r, bars[i]);
        p.fill(i == 2 ? Rect{r.left, r.top, r.right, r.top + 1}
                      : Rect{r.left, r.bottom - 1, r.right, r.bottom},
               {190, 196, 206});
    }
    const Rect band = Rect::from_size(280, 90, 20, 20);
    p.rounded_box(band, {170, 176, 186}, bars[1], 1);
    p.art(300, 90, {"#+  ", "    ", "#+  ", "    "}, {{'#', {130, 138, 150}}, {'+', kWhite}});
    p.art(300, 94,
          {"#+  ", "    ", "#+  ", "    ", "#+  ", "    ", "#+  ", "    ", "#+  ", "    ", "#+  ",
           "    ", "#+  ", "    ", "#+  ", "    "},
          {{'#', {130, 138, 150}}, {'+', kWhite}});
    p.hgradient(Rect::from_size(304, 90, 6, 20), {{200, 206, 214}, {236, 238, 242}});
    p.fill(Rect::from_size(304, 90, 1, 20), {150, 156, 166});
    p.fill(Rect::from_size(309, 90, 1, 20), {150, 156, 166});
    const Rect hint = Rect::from_size(310, 90, 20, 20);
    p.fill(hint, kHint);
    p.frame(hint, {118, 118, 118});
    const Rect selection = Rect::from_size(330, 90, 20, 16);
    p.vgradient(selection, {kAccentLight, kAccent});
    p.fill({selection.left, selection.top, selection.right, selection.top + 1}, {170, 200, 250});
}

// Progress chunks, track bar thumbs, the menu bar's small buttons and the bevel frame.
void draw_bars_and_thumbs(Painter& p) {
    p.vgradient(Rect::from_size(0, 112, 10, 12), {{130, 180, 250}, kAccent});
    p.fill(Rect::from_size(9, 112, 1, 12), kAccentDark);
    p.hgradient(Rect::from_size(10, 112, 12, 10), {{130, 180, 250}, kAccent});
    p.fill(Rect::from_size(10, 121, 12, 1), kAccentDark);
    const int face_states[4] = {0, 1, 2, 4};
    for (int i = 0; i < 4; ++i) {
        const Look& look = kSpeedLooks[face_states[i]];
        p.rounded_box(Rect::from_size(22 + 11 * i, 112, 11, 19), look.outline, look.inside, 2);
        p.rounded_box(Rect::from_size(66 + 19 * i, 112, 19, 11), look.outline, look.inside, 2);
    }
    for (int i = 0; i < 2; ++i) {
        const int x0 = 142 + 11 * i;
        for (int y = 0; y < 16; ++y) {
            // The pointed end: the last five rows narrow to a point (the first for "top").
            const int from_point = i == 0 ? y : 15 - y;
            const int inset = from_point < 5 ? 5 - from_point : 0;
            for (int x = 0; x < 11; ++x) {
                const bool inside = x >= inset && x <= 10 - inset;
                const bool edge = x == inset || x == 10 - inset || y == 0 || y == 15;
                if (!inside) {
                    p.key(x0 + x, 112 + y);
                } else {
                    p.set(x0 + x, 112 + y,
                          edge ? kOutline : mix({250, 251, 252}, {206, 212, 222}, y / 15.0));
                }
            }
        }
    }
    const Look menu_buttons[3] = {
        {{228, 232, 237}, {{240, 242, 245}, {230, 233, 238}}}, kSpeedLooks[1], kSpeedLooks[2]};
    for (int i = 0; i < 3; ++i)
        p.rounded_box(Rect::from_size(164 + 16 * i, 112, 16, 14), menu_buttons[i].outline,
                      menu_buttons[i].inside, 1);
    etched(p, Rect::from_size(212, 112, 20, 20), true);
    p.fill(Rect::from_size(214, 114, 16, 16), kWindow);
}

// The track bar's groove: a translucent five by five bevel that lets the control's background
// show through.
Image draw_track() {
    Image track(5, 5, 0);
    Painter p(track);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const int ring = std::min(std::min(x, y), std::min(4 - x, 4 - y));
            const bool lit = x == 4 || y == 4;
            if (ring == 0) {
                p.set(x, y, lit ? kWhite : Rgb{70, 76, 88}, lit ? 200 : 230);
            } else if (ring == 1) {
                p.set(x, y, {120, 126, 138}, 150);
            } else {
                p.set(x, y, {30, 34, 40}, 70);
            }
        }
    }
    return track;
}

Image draw_atlas() {
    Image atlas(kAtlasWidth, kAtlasHeight, kKey);
    Painter p(atlas);
    draw_window_frames(p);
    draw_caption_buttons(p);
    draw_push_buttons(p);
    draw_speed_buttons_and_headers(p);
    draw_boxes(p);
    draw_scroll_and_edit(p);
    draw_tabs(p);
    draw_panels_and_bars(p);
    draw_bars_and_thumbs(p);
    return atlas;
}

void put_u32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put_record(std::string& out, const std::string& name, const Image& image) {
    put_u32(out, static_cast<std::uint32_t>(name.size()));
    out += name;
    put_u32(out, static_cast<std::uint32_t>(image.width()));
    put_u32(out, static_cast<std::uint32_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) put_u32(out, image.at(x, y));
}

}  // namespace
}  // namespace themegen

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: themegen IMAGES_OUT [PNG_FOLDER]\n", stderr);
        return 2;
    }
    try {
        const tolsy::Image atlas = themegen::draw_atlas();
        const tolsy::Image track = themegen::draw_track();
        std::string records;
        themegen::put_record(records, "themeimage", atlas);
        themegen::put_record(records, "track.bmp", track);
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(records.data(), static_cast<std::streamsize>(records.size()));
        out.close();
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
        if (argc == 3) {
            tolsy::write_png(atlas, std::string(argv[2]) + "/themeimage.png");
            tolsy::write_png(track, std::string(argv[2]) + "/track.png");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "themegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
