#pragma once
// Image lists shared by every button glyph of one size: a list holds slots that glyph painters take and
// give back; a list with no glyph left is freed, and the cache itself goes with the last painter.
#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace controls {

class GlyphList {
public:
    GlyphList(int width, int height);
    ~GlyphList();
    GlyphList(const GlyphList&) = delete;
    GlyphList& operator=(const GlyphList&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return count_; }
    HIMAGELIST Handle() const { return list_; }
    // Takes a free slot and puts the bitmap there with the given colour as transparent; -1 on failure.
    int AddMasked(HBITMAP image, COLORREF transparent);
    void Delete(int index);

private:
    int AllocateSlot();
    HIMAGELIST list_;
    int width_;
    int height_;
    int count_ = 0;
    std::vector<bool> used_;
};

namespace glyph_cache {
void AddPainter();
void RemovePainter();
GlyphList* Acquire(int width, int height);
void Release(GlyphList* list);  // frees the list when it holds no glyph
size_t ListCount();             // lists alive (for the tests and the release check)
bool Alive();                   // the cache object exists
void FreeAll();                 // library unload: every list goes
}  // namespace glyph_cache

}  // namespace controls
