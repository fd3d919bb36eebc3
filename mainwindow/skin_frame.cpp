#include "mainwindow/skin_frame.h"

#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>

#include "framework/text.h"
#include "mainwindow/picture_cache.h"

namespace quon {
namespace gp = Gdiplus::DllExports;
using Gdiplus::GpBitmap;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;

namespace {

// Owners of the flat API's objects for one drawing.
struct Image {
    GpBitmap* p = nullptr;
    ~Image() { if (p) gp::GdipDisposeImage(p); }
};
struct Graphics {
    GpGraphics* p = nullptr;
    ~Graphics() { if (p) gp::GdipDeleteGraphics(p); }
};
struct Format {
    Gdiplus::GpStringFormat* p = nullptr;
    ~Format() { if (p) gp::GdipDeleteStringFormat(p); }
};
struct Brush {
    Gdiplus::GpSolidFill* p = nullptr;
    ~Brush() { if (p) gp::GdipDeleteBrush(p); }
};
struct Font {
    Gdiplus::GpFont* p = nullptr;
    ~Font() { if (p) gp::GdipDeleteFont(p); }
};

Gdiplus::ARGB Argb(int32_t a, int32_t r, int32_t g, int32_t b) {
    return (static_cast<uint32_t>(a & 0xFF) << 24) | (static_cast<uint32_t>(r & 0xFF) << 16) |
           (static_cast<uint32_t>(g & 0xFF) << 8) | static_cast<uint32_t>(b & 0xFF);
}

void DrawImage(GpGraphics* g, GpBitmap* picture, int left, int top, int width, int height) {
    UINT w = 0, h = 0;
    gp::GdipGetImageWidth(picture, &w);
    gp::GdipGetImageHeight(picture, &h);
    // Scaling samples the picture's own edge pixels, not the transparent outside, so a picture keeps a
    // crisp rim in any box.
    Gdiplus::GpImageAttributes* edges = nullptr;
    gp::GdipCreateImageAttributes(&edges);
    if (edges) gp::GdipSetImageAttributesWrapMode(edges, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    gp::GdipDrawImageRectRectI(g, picture, left, top, width, height, 0, 0, static_cast<INT>(w), static_cast<INT>(h),
                               Gdiplus::UnitPixel, edges, nullptr, nullptr);
    if (edges) gp::GdipDisposeImageAttributes(edges);
}

void DrawPictureIn(GpGraphics* g, PictureCache& pictures, const std::wstring& path, const ElementPlace& place) {
    if (!place.visible) return;
    if (GpBitmap* picture = pictures.Get(path)) DrawImage(g, picture, place.left, place.top, place.width, place.height);
}

const std::string& TextOf(const DisplayTexts& t, SkinText which) {
    switch (which) {
        case SkinText::D_now: return t.d_now;
        case SkinText::D_day: return t.d_day;
        case SkinText::D_month: return t.d_month;
        case SkinText::D_free: return t.d_free;
        case SkinText::Speed: return t.speed;
        case SkinText::U_now: return t.u_now;
        case SkinText::U_month: return t.u_month;
        case SkinText::U_free: return t.u_free;
        case SkinText::Upload: return t.upload;
    }
    return t.d_now;
}

void DrawText(GpGraphics* g, Gdiplus::GpStringFormat* format, const SkinTextStyle& style, const ElementPlace& place,
              const std::string& text) {
    Font font;
    {
        Gdiplus::GpFontFamily* family = nullptr;
        if (gp::GdipCreateFontFamilyFromName(style.font.c_str(), nullptr, &family) != Gdiplus::Ok) return;
        gp::GdipCreateFont(family, static_cast<Gdiplus::REAL>(style.size),
                           style.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular, Gdiplus::UnitPoint,
                           &font.p);
        gp::GdipDeleteFontFamily(family);
        if (!font.p) return;
    }
    Brush shadow, brush;
    gp::GdipCreateSolidFill(Argb(style.shadowA, style.shadowR, style.shadowG, style.shadowB), &shadow.p);
    gp::GdipCreateSolidFill(Argb(style.colorA, style.colorR, style.colorG, style.colorB), &brush.p);
    if (style.align >= 0 && style.align <= 2) {
        static const Gdiplus::StringAlignment kAlign[3] = {
            Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentFar};
        gp::GdipSetStringFormatAlign(format, kAlign[style.align]);
    }  // any other value keeps what the previous text set
    // The figures are code page 1251 text, whatever the system's code page is.
    const std::wstring wide = fw::Widen(text);
    const auto x = static_cast<Gdiplus::REAL>(place.left), y = static_cast<Gdiplus::REAL>(place.top);
    const auto d = static_cast<Gdiplus::REAL>(style.shadow);
    Gdiplus::RectF shadowAt(x + d, y + d, 0, 0), textAt(x, y, 0, 0);
    if (shadow.p) gp::GdipDrawString(g, wide.c_str(), -1, font.p, &shadowAt, format, shadow.p);
    if (brush.p) gp::GdipDrawString(g, wide.c_str(), -1, font.p, &textAt, format, brush.p);
}

}  // namespace

Frame::Frame(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_) {
        bits_ = static_cast<uint32_t*>(bits);
        std::fill_n(bits_, static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
    }
}

Frame::~Frame() {
    if (bitmap_) DeleteObject(bitmap_);
}

uint32_t Frame::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

bool EnsureGdiplus() {
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

std::unique_ptr<Frame> ComposeFrame(const FrameInput& in) {
    if (!EnsureGdiplus()) return nullptr;
    const SkinTheme& theme = *in.theme;
    const SkinLayout& layout = *in.layout;

    PictureCache drawingOnly;
    PictureCache& pictures = in.pictures ? *in.pictures : drawingOnly;
    pictures.NewDrawing();

    GpBitmap* background = pictures.Get(theme.face);
    if (!background) return nullptr;
    UINT width = 0, height = 0;
    gp::GdipGetImageWidth(background, &width);
    gp::GdipGetImageHeight(background, &height);
    if (width == 0 || height == 0) return nullptr;

    // The canvas is a premultiplied ARGB picture of the background's size over the frame's own memory, so a
    // theme may ship a background in any format (an indexed-colour PNG cannot be drawn on).
    auto frame = std::make_unique<Frame>(static_cast<int>(width), static_cast<int>(height));
    if (!frame->Valid()) return nullptr;
    Image canvas;
    if (gp::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), static_cast<INT>(width * 4),
                                      PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(frame->Bits()),
                                      &canvas.p) != Gdiplus::Ok)
        return nullptr;
    Graphics g;
    if (gp::GdipGetImageGraphicsContext(canvas.p, &g.p) != Gdiplus::Ok) return nullptr;

    gp::GdipSetCompositingMode(g.p, Gdiplus::CompositingModeSourceCopy);
    gp::GdipDrawImageRectI(g.p, background, 0, 0, static_cast<INT>(width), static_cast<INT>(height));
    gp::GdipSetCompositingMode(g.p, Gdiplus::CompositingModeSourceOver);
    // Pictures land on whole pixels: a theme's small pictures keep their exact edges in their boxes.
    gp::GdipSetInterpolationMode(g.p, Gdiplus::InterpolationModeNearestNeighbor);
    gp::GdipSetPixelOffsetMode(g.p, Gdiplus::PixelOffsetModeHalf);
    if (theme.smooth) gp::GdipSetTextRenderingHint(g.p, Gdiplus::TextRenderingHintAntiAlias);
    Format format;
    gp::GdipCreateStringFormat(0, LANG_NEUTRAL, &format.p);

    auto stateOf = [](int s) { return s >= 0 && s <= 2 ? s : 0; };
    DrawPictureIn(g.p, pictures, theme.hide[stateOf(in.hideState)], PlaceOf(layout, SkinElement::Hide));
    DrawPictureIn(g.p, pictures, theme.config[stateOf(in.configState)], PlaceOf(layout, SkinElement::Config));
    if (in.online && in.hangupAllowed)
        DrawPictureIn(g.p, pictures, theme.hangup[stateOf(in.hangupState)], PlaceOf(layout, SkinElement::Hangup));
    DrawPictureIn(g.p, pictures, in.online ? theme.online : theme.offline, PlaceOf(layout, SkinElement::State));
    DrawPictureIn(g.p, pictures, theme.unitLabel, PlaceOf(layout, SkinElement::Value));

    const ElementPlace& graph = PlaceOf(layout, SkinElement::Graph);
    if (graph.visible && in.history) {
        // Each level's bar is looked up once for this drawing, however many bars show it.
        std::array<GpBitmap*, 6> bars{};
        std::array<bool, 6> tried{};
        const int count = std::clamp(in.historyCount, 0, kHistorySize);
        for (int i = 0; i < count; ++i) {
            const int level = in.history[i];
            if (level < 0 || level > 5) continue;
            if (!tried[level]) {
                tried[level] = true;
                bars[level] = pictures.Get(theme.bars[level]);
            }
            if (bars[level])
                DrawImage(g.p, bars[level], graph.left + (theme.bar + theme.space) * i,
                          graph.top + (graph.height + theme.offset) * i, theme.bar, graph.height);
        }
    }

    static constexpr SkinText kDrawOrder[kSkinTextCount] = {
        SkinText::D_now, SkinText::D_day, SkinText::D_month, SkinText::D_free, SkinText::Speed,
        SkinText::Upload, SkinText::U_now, SkinText::U_month, SkinText::U_free,
    };
    if (format.p && in.texts) {
        for (SkinText which : kDrawOrder) {
            const ElementPlace& place = PlaceOf(layout, ElementOfText(which));
            if (!place.visible) continue;
            DrawText(g.p, format.p, theme.text[static_cast<int>(which)], place, TextOf(*in.texts, which));
        }
    }
    gp::GdipFlush(g.p, Gdiplus::FlushIntentionSync);
    return frame;
}

bool PresentFrame(HWND window, const Frame& frame, int opacity) {
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT destination{rect.left, rect.top};
    SIZE size{frame.Width(), frame.Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(opacity & 0xFF), AC_SRC_ALPHA};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, frame.Bitmap());
    const BOOL ok = UpdateLayeredWindow(window, screen, &destination, &size, memory, &source, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok != FALSE;
}

}  // namespace quon
