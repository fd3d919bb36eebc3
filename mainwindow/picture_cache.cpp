#include "mainwindow/picture_cache.h"

namespace quon {
namespace gp = Gdiplus::DllExports;

namespace {

constexpr UINT kLargestSide = 16384;

}  // namespace

Gdiplus::GpBitmap* PictureCache::Get(const std::wstring& path) {
    if (auto known = entries_.find(path); known != entries_.end() && known->second.lookedAt == drawing_)
        return known->second.bitmap;
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file) ||
        (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (auto gone = entries_.find(path); gone != entries_.end()) {
            Release(gone->second);
            entries_.erase(gone);
        }
        return nullptr;
    }
    const uint64_t size = (static_cast<uint64_t>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    Entry& entry = entries_[path];
    entry.lookedAt = drawing_;
    if (entry.bitmap && entry.size == size && CompareFileTime(&entry.written, &file.ftLastWriteTime) == 0)
        return entry.bitmap;
    Release(entry);
    entry.written = file.ftLastWriteTime;
    entry.size = size;
    // A file that cannot be decoded is tried again at the next drawing: it may be half written now.
    if (!Decode(path, entry)) Release(entry);
    return entry.bitmap;
}

void PictureCache::Clear() {
    for (auto& [path, entry] : entries_) Release(entry);
    entries_.clear();
}

bool PictureCache::Readable(const std::wstring& path) {
    Entry entry;
    const bool ok = Decode(path, entry);
    Release(entry);
    return ok;
}

bool PictureCache::Decode(const std::wstring& path, Entry& entry) {
    Gdiplus::GpBitmap* file = nullptr;
    if (gp::GdipCreateBitmapFromFile(path.c_str(), &file) != Gdiplus::Ok) return false;
    UINT width = 0, height = 0;
    gp::GdipGetImageWidth(file, &width);
    gp::GdipGetImageHeight(file, &height);
    bool ok = width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
    if (ok) {
        entry.pixels.assign(static_cast<size_t>(width) * height, 0u);
        Gdiplus::BitmapData data{};
        data.Width = width;
        data.Height = height;
        data.Stride = static_cast<INT>(width * 4);
        data.PixelFormat = PixelFormat32bppARGB;
        data.Scan0 = entry.pixels.data();
        Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        ok = gp::GdipBitmapLockBits(file, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                    PixelFormat32bppARGB, &data) == Gdiplus::Ok;
        if (ok) gp::GdipBitmapUnlockBits(file, &data);
    }
    gp::GdipDisposeImage(file);
    ok = ok && gp::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height),
                                             static_cast<INT>(width * 4), PixelFormat32bppARGB,
                                             reinterpret_cast<BYTE*>(entry.pixels.data()), &entry.bitmap) == Gdiplus::Ok;
    return ok;
}

void PictureCache::Release(Entry& entry) {
    if (entry.bitmap) gp::GdipDisposeImage(entry.bitmap);
    entry.bitmap = nullptr;
    entry.pixels.clear();
    entry.pixels.shrink_to_fit();
}

}  // namespace quon
