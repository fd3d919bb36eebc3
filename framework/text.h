#pragma once
// Text inside the program is code page 1251, as its files are; the window side speaks UTF-16.
#include <string>
#include <string_view>

namespace fw {

constexpr unsigned kTextCodePage = 1251;

std::wstring Widen(std::string_view cp1251);
std::string Narrow(std::wstring_view wide);

// Lower case of code page 1251 text (Latin and Cyrillic), independent of the system locale.
std::string ToLower1251(std::string_view text);
// Upper case of code page 1251 text, likewise.
std::string ToUpper1251(std::string_view text);

// Copies at most limit - 1 bytes of text into dest and terminates it; a longer text is cut.
void CopyBounded(char* dest, size_t limit, std::string_view text);

}  // namespace fw
