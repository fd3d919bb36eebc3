#include "controls/button_glyph.h"

#include <commctrl.h>

#include <algorithm>

#include "controls/bitmap_util.h"
#include "controls/glyph_cache.h"
#include "controls/pixels.h"

namespace controls {
namespace {
HBITMAP CutImage(HBITMAP strip, int index, SIZE size) {
    Pixels src = Pixels::Read(strip);
    Pixels out(size.cx, size.cy, 0);
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) out.Set(x, y, src.At(index * size.cx + x, y));
    return out.ToBitmap();
}
}  // namespace

ButtonGlyph::ButtonGlyph() { glyph_cache::AddPainter(); }

ButtonGlyph::~ButtonGlyph() {
    DropImages();
    if (strip_) DeleteObject(strip_);
    glyph_cache::RemovePainter();
}

void ButtonGlyph::SetGlyph(HBITMAP strip) {
    DropImages();
    if (strip_) DeleteObject(strip_);
    strip_ = nullptr;
    Pixels px = Pixels::Read(strip);
    if (px.Empty()) return;
    strip_ = px.ToBitmap();
    transparent_ = px.At(0, px.height - 1);  // the bottom-left pixel marks the transparent colour
    numGlyphs_ = NumGlyphsOfStrip(px.width, px.height, numGlyphs_);
}

void ButtonGlyph::SetNumGlyphs(int n) {
    if (n < 1 || n > 5 || n == numGlyphs_) return;
    DropImages();
    numGlyphs_ = n;
}

SIZE ButtonGlyph::GlyphSize() const {
    BITMAP info{};
    if (!strip_ || !GetObjectW(strip_, sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth / numGlyphs_, info.bmHeight};
}

void ButtonGlyph::DropImages() {
    if (!list_) return;
    for (int& index : indexes_) {
        if (index >= 0) list_->Delete(index);
        index = -1;
    }
    GlyphList* list = list_;
    list_ = nullptr;
    glyph_cache::Release(list);
}

int ButtonGlyph::ImageIndex(ButtonState state) {
    if (state == kStatePressed && numGlyphs_ < 3) state = kStateUp;
    if (!strip_) return -1;
    if (indexes_[state] >= 0) return indexes_[state];
    SIZE size = GlyphSize();
    if (size.cx <= 0 || size.cy <= 0) return -1;
    if (!list_) list_ = glyph_cache::Acquire(size.cx, size.cy);
    HBITMAP image = nullptr;
    COLORREF mask = transparent_;
    if (state == kStateDisabled && numGlyphs_ < 2) {
        HBITMAP first = CutImage(strip_, 0, size);
        image = CreateDisabledBitmap(first, transparent_);
        DeleteObject(first);
        mask = GetSysColor(COLOR_BTNFACE);
    } else if (state == kStateGreyed && numGlyphs_ < 5) {
        HBITMAP first = CutImage(strip_, 0, size);
        image = CreateGreyedBitmap(first, transparent_);
        DeleteObject(first);
    } else {
        int which = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
        image = CutImage(strip_, which, size);
    }
    if (!image) return -1;
    indexes_[state] = list_->AddMasked(image, mask);
    DeleteObject(image);
    return indexes_[state];
}

void ButtonGlyph::Draw(HDC dc, const DrawArgs& a) {
    SIZE client{a.client.right - a.client.left, a.client.bottom - a.client.top};
    SIZE glyph = HasGlyph() ? GlyphSize() : SIZE{0, 0};
    SIZE room = CaptionRoom(client, glyph, a.layout, a.margin, a.spacing, false);
    RECT textRect{0, 0, room.cx, room.cy};
    std::wstring caption = a.caption.substr(0, 255);
    if (!caption.empty())
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
                  DT_CALCRECT | DT_SINGLELINE | DT_CENTER);
    SIZE text{caption.empty() ? 0 : std::min<LONG>(textRect.right, room.cx),
              caption.empty() ? 0 : std::min<LONG>(textRect.bottom, room.cy)};
    ButtonPlaces at = PlaceButtonContent(
        ButtonContent{client, POINT{a.client.left, a.client.top}, glyph, text, a.layout, a.margin, a.spacing});
    int index = ImageIndex(a.state);
    if (index >= 0) ImageList_Draw(list_->Handle(), index, dc, at.glyph.x, at.glyph.y, ILD_TRANSPARENT);
    if (caption.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    RECT r{at.caption.x, at.caption.y, at.caption.x + text.cx, at.caption.y + text.cy};
    UINT flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (a.disabledText) {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, flags);
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, RGB(128, 128, 128));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, flags);
}

}  // namespace controls
