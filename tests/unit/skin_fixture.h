#pragma once
// A theme folder of a test's own (under the temp folder, emptied first) with pictures drawn on the spot.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "framework/text.h"
#include "tests/png_file.h"

namespace quon::test {

class ThemeFolder {
public:
    ThemeFolder() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::string(temp) + "quon-theme-" + info->test_suite_name() + "-" + info->name() + "\\";
        for (char& c : path_)
            if (c == '/') c = '_';
        Clear();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ThemeFolder() { Clear(); }
    ThemeFolder(const ThemeFolder&) = delete;
    ThemeFolder& operator=(const ThemeFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    std::wstring WFile(const std::string& name) const { return fw::Widen(path_ + name); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
    }
    void MakeFolder(const std::string& name) const { CreateDirectoryA(File(name).c_str(), nullptr); }

    // A PNG of one colour (0xAARRGGBB, not premultiplied); indexed: an 8-bit palette picture.
    void Png(const std::string& name, int width, int height, uint32_t argb, bool indexed = false) const {
        ASSERT_TRUE(WriteSolidPng(WFile(name), width, height, argb, indexed)) << name;
    }

private:
    void Clear() const { RemoveTree(path_); }
    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA f;
        HANDLE h = FindFirstFileA((folder + "*").c_str(), &f);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = f.cFileName;
                if (name == "." || name == "..") continue;
                if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + name + "\\");
                else DeleteFileA((folder + name).c_str());
            } while (FindNextFileA(h, &f));
            FindClose(h);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string path_;
};

}  // namespace quon::test
