#pragma once
// The arithmetic of the main window's fades, wheel and stored place.
#include <cstdint>

namespace quon {

struct FadeStep {
    int opacity;
    bool done;
};

// One 5 ms step of a fade-in towards target: the last step lands exactly on it.
inline FadeStep FadeInStep(int opacity, int step, int target) {
    opacity += step;
    if (opacity >= target) return {target, true};
    return {opacity, false};
}

// One step of a fade-out; when it reaches 0 or less the window hides and restore comes back.
inline FadeStep FadeOutStep(int opacity, int step, int restore) {
    opacity -= step;
    if (opacity <= 0) return {restore, true};
    return {opacity, false};
}

constexpr int kWheelOpacityStep = 10;
constexpr int kWheelOpacityMin = 55;
constexpr int kWheelOpacityMax = 255;

// Wheel up (positive delta) adds 10 up to 255, wheel down takes 10 down to 55.
inline int WheelOpacity(int opacity, int delta) {
    if (delta > 0) {
        opacity += kWheelOpacityStep;
        return opacity > kWheelOpacityMax ? kWheelOpacityMax : opacity;
    }
    if (delta < 0) {
        opacity -= kWheelOpacityStep;
        return opacity < kWheelOpacityMin ? kWheelOpacityMin : opacity;
    }
    return opacity;
}

// [view] x and y: the window's distances from the right and bottom screen edges.
struct StoredPlace {
    int64_t x, y;
};
inline StoredPlace StoredPlaceOf(int screenWidth, int screenHeight, int left, int top) {
    return {static_cast<int64_t>(screenWidth) - left, static_cast<int64_t>(screenHeight) - top};
}

}  // namespace quon
