#pragma once
// Composing the window's picture: the theme, the figures, the activity history and the button states in,
// a 32-bit premultiplied top-down bitmap of the background's size out. Presenting it is a separate call.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "engine/engine_state.h"
#include "engine/skin_theme.h"

namespace quon {

class PictureCache;

struct FrameInput {
    const SkinTheme* theme = nullptr;
    const SkinLayout* layout = nullptr;
    int hideState = 0, configState = 0, hangupState = 0;
    bool online = false;
    bool hangupAllowed = true;  // [skin] hangup is not 0
    const DisplayTexts* texts = nullptr;
    const int* history = nullptr;  // levelHistory
    int historyCount = 0;
    // The window keeps its decoded pictures from one drawing to the next; without a cache each picture
    // is decoded for this drawing only.
    PictureCache* pictures = nullptr;
};

// A composed picture held in a DIB section, ready for UpdateLayeredWindow.
class Frame {
public:
    Frame(int width, int height);
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    bool Valid() const { return bits_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Bitmap() const { return bitmap_; }
    uint32_t* Bits() const { return bits_; }
    uint32_t Pixel(int x, int y) const;  // premultiplied 0xAARRGGBB; 0 outside the picture

private:
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// GDI+ is started on first use and stays started until the process ends.
bool EnsureGdiplus();

// Null when the background picture cannot be read; every other failure leaves only its element out.
std::unique_ptr<Frame> ComposeFrame(const FrameInput& in);

// Hands the frame to a layered window at its current place with one overall opacity (its low 8 bits).
bool PresentFrame(HWND window, const Frame& frame, int opacity);

}  // namespace quon
