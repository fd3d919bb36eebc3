#include "framework/text.h"

#include <windows.h>

#include <cstring>

namespace fw {

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kTextCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string ToLower1251(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) b = static_cast<unsigned char>(b + 0x20);
        else if (b == 0xA8) b = 0xB8;  // Ё
        c = static_cast<char>(b);
    }
    return out;
}

std::string ToUpper1251(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || b >= 0xE0) b = static_cast<unsigned char>(b - 0x20);
        else if (b == 0xB8) b = 0xA8;  // ё
        c = static_cast<char>(b);
    }
    return out;
}

void CopyBounded(char* dest, size_t limit, std::string_view text) {
    if (limit == 0) return;
    size_t n = text.size() < limit - 1 ? text.size() : limit - 1;
    std::memcpy(dest, text.data(), n);
    dest[n] = '\0';
}

}  // namespace fw
