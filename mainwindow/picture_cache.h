#pragma once
// Decoded pictures kept from one drawing to the next. A picture file is decoded again only when its size
// or time of last writing has changed, and a file that is gone is left out of the next drawing, so the
// window shows what the files hold now. The pixels are copied into memory of the cache's own: no file
// stays open, and a theme's pictures may be replaced while the program runs.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quon {

class PictureCache {
public:
    PictureCache() = default;
    ~PictureCache() { Clear(); }
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Starts a drawing: each file is looked at once in a drawing, so the pictures handed out stay valid
    // until the next drawing starts (or Clear()).
    void NewDrawing() { ++drawing_; }
    // The picture of the file as 32-bit ARGB pixels, as a picture file holds them; null when it cannot be
    // read.
    Gdiplus::GpBitmap* Get(const std::wstring& path);
    void Clear();
    // Whether the file holds a picture that can be drawn (GDI+ started).
    static bool Readable(const std::wstring& path);

private:
    struct Entry {
        FILETIME written{};
        uint64_t size = 0;
        std::vector<uint32_t> pixels;
        Gdiplus::GpBitmap* bitmap = nullptr;
        uint64_t lookedAt = 0;  // the drawing that last looked at the file
    };
    static bool Decode(const std::wstring& path, Entry& entry);
    static void Release(Entry& entry);

    std::map<std::wstring, Entry> entries_;
    uint64_t drawing_ = 1;
};

}  // namespace quon
