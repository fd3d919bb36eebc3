#pragma once
// A DLL loaded by name for one use and freed when the object goes.
#include <windows.h>

#include <string>

namespace fw {

class Library {
public:
    explicit Library(const std::string& name) : handle_(LoadLibraryA(name.c_str())) {}
    ~Library() {
        if (handle_) FreeLibrary(handle_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    HMODULE Handle() const { return handle_; }
    // Leaves the module loaded for the rest of the process.
    HMODULE Release() {
        HMODULE h = handle_;
        handle_ = nullptr;
        return h;
    }

    // An export cast to its function type; null when missing.
    template <class Fn>
    Fn* Proc(const char* name) const {
        return handle_ ? ProcOf<Fn>(handle_, name) : nullptr;
    }

    template <class Fn>
    static Fn* ProcOf(HMODULE module, const char* name) {
        return reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }

private:
    HMODULE handle_;
};

}  // namespace fw
