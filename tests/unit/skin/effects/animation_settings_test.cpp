// Transition settings: limits, the direction mapping, copying, and the Close button's settings
// read from the main window's description.
#include "skin/effects/animation_settings.h"

#include <gtest/gtest.h>

#include "built_forms.h"
#include "skin/effects/effect_controls.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {
namespace {

struct LimitCase {
    const char* property;
    int stored;
    int expected;
};

int apply(TTeAdvancedAnimation& a, const LimitCase& c) {
    const std::string p = c.property;
    if (p == "Resolution") return a.set_resolution(c.stored), a.Resolution();
    if (p == "TileCount") return a.set_tile_count(c.stored), a.TileCount();
    if (p == "Time") return a.set_time(c.stored), a.Time();
    TteAnimationRec& r = a.record();  // the record's own, wider Time limit
    return r.set_time(c.stored), r.Time();
}

TEST(AnimationSettings, ValuesOutsideTheirLimitsStoreTheNearestLimit) {
    const LimitCase cases[] = {
        {"Resolution", 0, 1},       {"Resolution", -7, 1},  {"Resolution", 11, 10},
        {"Resolution", 4, 4},       {"TileCount", 25, 20},  {"TileCount", 0, 1},
        {"TileCount", 20, 20},      {"Time", 10, 50},       {"Time", 5000, 3000},
        {"Time", 3000, 3000},       {"RecordTime", 10, 50}, {"RecordTime", 5000, 5000},
        {"RecordTime", 9001, 9000},
    };
    for (const LimitCase& c : cases) {
        TTeAdvancedAnimation a;
        EXPECT_EQ(apply(a, c), c.expected) << c.property << " = " << c.stored;
    }
}

TEST(AnimationSettings, DirectionMapsToTheRotationAndBack) {
    const struct {
        TTeDirection set;
        TteRotation rotation;
        TTeDirection read;
    } cases[] = {
        {TTeDirection::kdNone, TteRotation::krNone, TTeDirection::kdNone},
        {TTeDirection::kdNoRotate, TteRotation::krNone, TTeDirection::kdNone},
        {TTeDirection::kdRotate90, TteRotation::krRotate90, TTeDirection::kdRotate90},
        {TTeDirection::kdRotate180, TteRotation::krRotate180, TTeDirection::kdRotate180},
        {TTeDirection::kdRotate270, TteRotation::krRotate270, TTeDirection::kdRotate270},
    };
    for (const auto& c : cases) {
        TTeExtAnimation a;
        a.set_direction(TTeDirection::kdRotate180);
        a.set_direction(c.set);
        EXPECT_EQ(a.record().Rotation(), c.rotation);
        EXPECT_EQ(a.Direction(), c.read);
    }
}

TEST(AnimationSettings, AssigningCopiesEveryProperty) {
    TTeAdvancedAnimation a;
    a.record().bitmap.image = Image(3, 2, 0xFF102030);
    a.set_enabled(true);
    a.set_time(1234);
    a.set_resolution(7);
    a.set_tile_count(3);
    a.record().set_effect("Plasma");
    a.set_direction(TTeDirection::kdRotate270);
    a.EffectMouseEnter = "Push";
    a.EffectMouseLeave = "Corner";
    const TTeAdvancedAnimation b = a;
    TTeAdvancedAnimation c;
    c = b;
    const TTeAdvancedAnimation* copies[] = {&b, &c};
    for (const TTeAdvancedAnimation* x : copies) {
        EXPECT_EQ(x->record().bitmap.image, a.record().bitmap.image);
        EXPECT_TRUE(x->Enabled());
        EXPECT_EQ(x->Time(), 1234);
        EXPECT_EQ(x->Resolution(), 7);
        EXPECT_EQ(x->TileCount(), 3);
        EXPECT_EQ(x->record().Effect(), "Plasma");
        EXPECT_EQ(x->record().Rotation(), TteRotation::krRotate270);
        EXPECT_EQ(x->EffectMouseEnter, "Push");
        EXPECT_EQ(x->EffectMouseLeave, "Corner");
    }
}

TEST(AnimationSettings, PublishedInOrderAndTheBitmapTravelsAsData) {
    std::vector<std::string> names;
    for (const PropertyInfo& p : TTeAdvancedAnimation::static_class_info().properties())
        names.push_back(p.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Direction", "Enabled", "Resolution", "TileCount", "Time",
                                        "Bitmap", "EffectMouseEnter", "EffectMouseLeave"}));

    TeEffectButton written(nullptr);
    Image map(4, 3);
    for (int i = 0; i < 12; ++i) map.data()[i] = Pixel::pack(i * 20, i, 255 - i * 20);
    written.animation.record().bitmap.image = map;
    written.animation.set_time(5000);
    WriteContext wctx;
    std::vector<Property> props;
    write_properties(written, "", props, wctx);
    TeEffectButton read(nullptr);
    ReadContext rctx;
    for (const Property& p : props) apply_property(read, p, rctx);
    EXPECT_EQ(read.animation.record().bitmap.image, map);
    EXPECT_EQ(read.animation.Time(), 3000);
}

TEST(AnimationSettings, CloseButtonReadsItsSettingsFromTheMainWindow) {
    register_effect_classes();
    const ObjectNode form = parse_binary_stream(test::built_form("TFORM1"));
    const ObjectNode* node = test::find_object(form, "TeEffectButton1");
    ASSERT_NE(node, nullptr);
    auto close = test::read_alone<TeEffectButton>(*node);
    EXPECT_EQ(close->caption, u"&Close");
    EXPECT_TRUE(close->animation.Enabled());
    EXPECT_EQ(close->animation.Resolution(), 10);
    EXPECT_EQ(close->animation.Time(), 400);
    EXPECT_EQ(close->animation.EffectMouseEnter, kFadeEffectName);
    EXPECT_EQ(close->animation.EffectMouseLeave, kFadeEffectName);
    EXPECT_EQ(close->sound_options, 0);
    EXPECT_EQ(close->WaveClickIndex(), -1);  // no wave list to play from
    EXPECT_EQ(close->Version_Extra(), "2.0.6");
}

}  // namespace
}  // namespace tolsy
