#include "controls/glyph_cache.h"

#include <algorithm>
#include <memory>

#include "controls/pixels.h"

namespace controls {

GlyphList::GlyphList(int width, int height)
    : list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)), width_(width), height_(height) {}

GlyphList::~GlyphList() {
    if (list_) ImageList_Destroy(list_);
}

int GlyphList::AllocateSlot() {
    for (size_t i = 0; i < used_.size(); ++i)
        if (!used_[i]) {
            used_[i] = true;
            ++count_;
            return static_cast<int>(i);
        }
    HBITMAP empty = CreateBitmap(width_, height_, 1, 32, nullptr);
    int index = ImageList_Add(list_, empty, nullptr);
    DeleteObject(empty);
    if (index < 0) return -1;
    used_.resize(static_cast<size_t>(index) + 1, false);
    used_[static_cast<size_t>(index)] = true;
    ++count_;
    return index;
}

int GlyphList::AddMasked(HBITMAP image, COLORREF transparent) {
    if (!list_) return -1;
    Pixels px = Pixels::Read(image);
    if (px.Empty()) return -1;
    int index = AllocateSlot();
    if (index < 0) return -1;
    // The mask is white where the transparent colour was; the image is black there.
    Pixels mask(px.width, px.height, RGB(0, 0, 0));
    for (int y = 0; y < px.height; ++y)
        for (int x = 0; x < px.width; ++x)
            if (px.At(x, y) == transparent) {
                mask.Set(x, y, RGB(255, 255, 255));
                px.Set(x, y, RGB(0, 0, 0));
            }
    HBITMAP colour = px.ToBitmap();
    HBITMAP monochrome = CreateBitmap(px.width, px.height, 1, 1, nullptr);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP maskColour = mask.ToBitmap();
    HDC src = CreateCompatibleDC(screen);
    HGDIOBJ oldDst = SelectObject(dc, monochrome);
    HGDIOBJ oldSrc = SelectObject(src, maskColour);
    BitBlt(dc, 0, 0, px.width, px.height, src, 0, 0, SRCCOPY);
    SelectObject(src, oldSrc);
    SelectObject(dc, oldDst);
    DeleteDC(src);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    bool ok = colour && monochrome && ImageList_Replace(list_, index, colour, monochrome);
    for (HBITMAP b : {colour, monochrome, maskColour})
        if (b) DeleteObject(b);
    if (!ok) {
        Delete(index);
        return -1;
    }
    return index;
}

void GlyphList::Delete(int index) {
    if (index < 0 || static_cast<size_t>(index) >= used_.size() || !used_[static_cast<size_t>(index)]) return;
    used_[static_cast<size_t>(index)] = false;
    --count_;
}

namespace glyph_cache {
namespace {
struct Cache {
    std::vector<std::unique_ptr<GlyphList>> lists;
    int painters = 0;
};
Cache* g_cache = nullptr;

void FreeWhenUnused() {
    if (g_cache && g_cache->painters <= 0 && g_cache->lists.empty()) {
        delete g_cache;
        g_cache = nullptr;
    }
}
}  // namespace

void AddPainter() {
    if (!g_cache) g_cache = new Cache;
    ++g_cache->painters;
}

void RemovePainter() {
    if (!g_cache) return;
    --g_cache->painters;
    FreeWhenUnused();
}

GlyphList* Acquire(int width, int height) {
    if (!g_cache) g_cache = new Cache;
    for (auto it = g_cache->lists.rbegin(); it != g_cache->lists.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
    g_cache->lists.push_back(std::make_unique<GlyphList>(width, height));
    return g_cache->lists.back().get();
}

void Release(GlyphList* list) {
    if (!g_cache || !list || list->Count() > 0) return;
    auto& lists = g_cache->lists;
    lists.erase(std::remove_if(lists.begin(), lists.end(), [list](const auto& p) { return p.get() == list; }),
                lists.end());
    FreeWhenUnused();
}

size_t ListCount() { return g_cache ? g_cache->lists.size() : 0; }
bool Alive() { return g_cache != nullptr; }

void FreeAll() {
    delete g_cache;
    g_cache = nullptr;
}

}  // namespace glyph_cache
}  // namespace controls
