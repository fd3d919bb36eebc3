#include "framework/whole_file.h"

#include <windows.h>

#include <algorithm>

namespace fw {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (Open()) CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Open() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

bool WriteAll(HANDLE h, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// The new text in a file of its own beside the old one, on the disk when this returns true.
bool WriteBeside(const std::string& temp, const std::string& bytes, DWORD attributes) {
    bool ok;
    {
        FileHandle f(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
        ok = f.Open() && WriteAll(f.Get(), bytes) && FlushFileBuffers(f.Get());
    }
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}

// The file beside takes the old one's place in one step. A program that has the old file open for a moment
// (a reader of its settings, say) keeps it from being replaced, so a few attempts are made.
bool MoveOver(const std::string& temp, const std::string& path) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) Sleep(10);
        if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        if (ReplaceFileA(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return true;
    }
    return false;
}

bool WriteInPlace(const std::string& path, const std::string& bytes) {
    FileHandle f(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    return f.Open() && WriteAll(f.Get(), bytes) && SetEndOfFile(f.Get()) && FlushFileBuffers(f.Get());
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.Open()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return std::string();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(f.Get(), &size) || size.QuadPart < 0 || size.QuadPart > (1ll << 30)) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        if (!ReadFile(f.Get(), bytes.data() + done, chunk, &got, nullptr)) return std::nullopt;
        if (got == 0) break;  // the file became shorter meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const DWORD old = GetFileAttributesA(path.c_str());
    const DWORD kept = old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const std::string temp = path + ".new";
    if (WriteBeside(temp, bytes, kept ? kept : FILE_ATTRIBUTE_NORMAL)) {
        if (MoveOver(temp, path)) return true;
        DeleteFileA(temp.c_str());
    }
    return WriteInPlace(path, bytes);
}

}  // namespace fw
