#pragma once
// The settings of one transition (TteAnimationRec) and the two persistent wrappers the effect
// buttons publish as their Animation property (TTeExtAnimation, TTeAdvancedAnimation). Every
// setter keeps its value inside the property's limits by storing the nearest limit.
#include <cstdint>
#include <string>

#include "picture/image.h"
#include "toolkit/components/component.h"

namespace tolsy {

enum class TteRotation : std::uint8_t { krNone, krRotate90, krRotate180, krRotate270 };
enum class TTeDirection : std::uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };

extern const EnumInfo kRotationNames;   // krNone ... krRotate270
extern const EnumInfo kDirectionNames;  // kdNone ... kdRotate270

// The two effect names that the effect list understands without listing them.
inline constexpr char kRandomEffectName[] = "[ RANDOM ] - Random selection";
inline constexpr char kBitmapEffectName[] = "[ BITMAP ] - Bitmap Animation";
inline constexpr char kFadeEffectName[] = "[ FADE ] - Fade";

// A picture property as descriptions store it ("Bitmap.Data": a 32-bit size, then a bitmap
// file). Only the picture itself is kept.
class TeBitmap : public Persistent {
    TOLSY_PERSISTENT(TeBitmap)
    Image image;
};

// Encodes a picture as an uncompressed 32-bit bitmap file (the form "Data" stores).
std::string encode_bmp(const Image& image);

class TteAnimationRec : public Component {
    TOLSY_PERSISTENT(TteAnimationRec)
    explicit TteAnimationRec(Component* owner = nullptr) : Component(owner) {}

    static constexpr int kMinTime = 50;
    static constexpr int kMaxTime = 9000;
    static constexpr int kMaxResolution = 10;
    static constexpr int kMaxTileCount = 20;

    // The grey-level transition map of the bitmap effect.
    TeBitmap bitmap;

    bool Enabled() const { return enabled_; }
    void set_enabled(bool value) { enabled_ = value; }
    int Time() const { return time_; }
    void set_time(int ms);
    int Resolution() const { return resolution_; }
    void set_resolution(int pixels);
    int TileCount() const { return tile_count_; }
    void set_tile_count(int count);
    const std::string& Effect() const { return effect_; }
    void set_effect(std::string name) { effect_ = std::move(name); }
    TteRotation Rotation() const { return rotation_; }
    void set_rotation(TteRotation rotation) { rotation_ = rotation; }

    // Copies all seven properties.
    void assign(const TteAnimationRec& other);

  private:
    bool enabled_ = false;
    int time_ = 400;
    int resolution_ = 1;
    int tile_count_ = 1;
    std::string effect_ = kRandomEffectName;
    TteRotation rotation_ = TteRotation::krNone;
};

// The Animation property of the simple effect controls: forwards to the record it owns.
class TTeExtAnimation : public Persistent {
    TOLSY_PERSISTENT(TTeExtAnimation)
    TTeExtAnimation() = default;
    TTeExtAnimation(const TTeExtAnimation& other) : Persistent() { assign(other); }
    TTeExtAnimation& operator=(const TTeExtAnimation& other) {
        assign(other);
        return *this;
    }

    TteAnimationRec& record() { return record_; }
    const TteAnimationRec& record() const { return record_; }

    // kdRotate90/180/270 set the matching rotation, kdNone and kdNoRotate none; reading gives
    // kdNone for no rotation.
    TTeDirection Direction() const;
    void set_direction(TTeDirection direction);
    bool Enabled() const { return record_.Enabled(); }
    void set_enabled(bool value) { record_.set_enabled(value); }
    int Resolution() const { return record_.Resolution(); }
    void set_resolution(int value) { record_.set_resolution(value); }
    int TileCount() const { return record_.TileCount(); }
    void set_tile_count(int value) { record_.set_tile_count(value); }
    int Time() const { return record_.Time(); }
    virtual void set_time(int ms) { record_.set_time(ms); }

    virtual void assign(const TTeExtAnimation& other) { record_.assign(other.record_); }

  private:
    TteAnimationRec record_;
};

// Adds the transition map and the effects used on mouse enter and leave; Time is held to
// 50..3000 ms.
class TTeAdvancedAnimation : public TTeExtAnimation {
    TOLSY_PERSISTENT(TTeAdvancedAnimation)
    static constexpr int kMaxAdvancedTime = 3000;

    TTeAdvancedAnimation() = default;
    TTeAdvancedAnimation(const TTeAdvancedAnimation& other) : TTeExtAnimation() { assign(other); }
    TTeAdvancedAnimation& operator=(const TTeAdvancedAnimation& other) {
        assign(other);
        return *this;
    }

    void set_time(int ms) override;
    void assign(const TTeExtAnimation& other) override;

    std::string EffectMouseEnter = kFadeEffectName;
    std::string EffectMouseLeave = kFadeEffectName;
};

}  // namespace tolsy
