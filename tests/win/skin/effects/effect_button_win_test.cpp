// The effect button and the transition clock under Wine: the timer runs exactly while a
// transition does, frames reach the button's window, and a disabled button never animates.
#include "skin/effects/effect_button_win.h"

#include <gtest/gtest.h>

#include "skin/themes/theme_components.h"
#include "toolkit/controls/form_resource_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {
namespace {

void pump_until(const std::function<bool()>& done) {
    MSG msg;
    for (int i = 0; i < 100000 && !done(); ++i) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class EffectButtonWin : public ::testing::Test {
  protected:
    void SetUp() override {
        // The button's looks come from the program's own theme.
        themes = std::make_unique<ThemeComponents>();
        load_window_description(*themes, "TFORM1", {}, keep_theme_components);
        ASSERT_NE(theme_manager().current(), nullptr);
        form.set_client_size(200, 100);
        form.create_window();
        ShowWindow(form.handle(), SW_SHOW);
        component.caption = u"&Close";
        button.set_caption("&Close");
        button.create({10, 10, 77, 25}, form.handle());
        timer = &start_transition_clock();
    }
    // What a user's pointer entering and leaving the button makes the platform send it.
    void enter() { SendMessageW(button.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }
    void leave() { SendMessageW(button.handle(), WM_MOUSELEAVE, 0, 0); }
    bool timer_exists() const {
        // Killing a timer that does not exist fails; one that does is set again at once.
        if (!KillTimer(timer->handle(), TransitionTimerWin::kTimerId)) return false;
        SetTimer(timer->handle(), TransitionTimerWin::kTimerId, TransitionEngine::kTickMs, nullptr);
        return true;
    }

    std::unique_ptr<ThemeComponents> themes;
    Form form;
    TeEffectButton component{nullptr};
    TTeEffectButton button{component};
    TransitionTimerWin* timer = nullptr;
};

TEST_F(EffectButtonWin, TheTimerRunsExactlyWhileTheFadeDoes) {
    EXPECT_GE(button.animation_slot(), 0);
    EXPECT_FALSE(timer_exists());
    enter();
    EXPECT_TRUE(button.hot());
    EXPECT_TRUE(button.animating());
    EXPECT_TRUE(timer_exists());
    pump_until([&] { return !button.animating(); });
    EXPECT_FALSE(timer->running());
    EXPECT_FALSE(timer_exists());
    leave();
    EXPECT_FALSE(button.hot());
    EXPECT_TRUE(timer_exists());
    pump_until([&] { return !button.animating(); });
    EXPECT_FALSE(timer_exists());
}

TEST_F(EffectButtonWin, ADisabledButtonOrAnAnimationSwitchedOffChangesWithoutAFade) {
    for (int way = 0; way < 2; ++way) {
        if (way == 0) EnableWindow(button.handle(), FALSE);
        if (way == 1) {
            EnableWindow(button.handle(), TRUE);
            component.animation.set_enabled(false);
        }
        enter();
        EXPECT_TRUE(button.hot());
        EXPECT_FALSE(button.animating());
        EXPECT_FALSE(timer_exists());
        leave();
        EXPECT_FALSE(button.hot());
        EXPECT_FALSE(timer_exists());
    }
}

TEST_F(EffectButtonWin, ARunEndsWhenItsTransitionHasDrawnItsLastFrame) {
    WindowCanvasWin canvas(form.handle());
    TteAnimationRec settings;
    settings.set_effect("[ FADE ] - Plasma");
    settings.set_time(100);
    const Image before(40, 30, 0xFF000000), after(40, 30, 0xFFFFFFFF);
    run_transition(&canvas, 5, 5, settings, after, before);
    EXPECT_EQ(canvas.last_frame(), after);
    EXPECT_FALSE(transition_engine().any_active());
    EXPECT_FALSE(timer_exists());
}

TEST_F(EffectButtonWin, EachButtonHasItsOwnSlotUntilItGoes) {
    int slot = -1;
    {
        TeEffectButton other_component(nullptr);
        TTeEffectButton other(other_component);
        slot = other.animation_slot();
        EXPECT_NE(slot, button.animation_slot());
    }
    EXPECT_EQ(transition_engine().reserve(), slot);
    transition_engine().release(slot);
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

class EffectToggles : public ::testing::Test {
  protected:
    void SetUp() override {
        form.set_client_size(200, 100);
        form.create_window();
        check.set_caption("Tick");
        check.create({10, 10, 80, 20}, form.handle());
        first_component.caption = u"One";
        first.create({10, 40, 80, 20}, form.handle());
        second.create({10, 70, 80, 20}, form.handle());
    }
    Form form;
    TeEffectCheckBox check_component{nullptr};
    TTeEffectCheckBox check{check_component};
    TeEffectRadioButton first_component{nullptr}, second_component{nullptr};
    TTeEffectRadioButton first{first_component}, second{second_component};
};

TEST_F(EffectToggles, HoverAnimatesAndALeftPressEndsTheTransitionAtOnce) {
    for (HWND w : {check.handle(), first.handle()}) {
        SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_TRUE(w == check.handle() ? check.animating() : first.animating());
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_FALSE(w == check.handle() ? check.animating() : first.animating());
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    EXPECT_TRUE(check.checked());
    EXPECT_TRUE(first.checked());
}

TEST_F(EffectToggles, ARadioButtonClickedSelectsItselfAlone) {
    SendMessageW(first.handle(), BM_CLICK, 0, 0);
    SendMessageW(second.handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(first.checked());
    EXPECT_TRUE(second.checked());
    EXPECT_TRUE(second_component.checked);
}

}  // namespace
}  // namespace tolsy
