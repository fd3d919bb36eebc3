#pragma once
// A theme folder of a test's own (a scratch folder under the temp folder) with pictures drawn on the spot.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/text.h"
#include "tests/png_file.h"
#include "tests/support/scratch_folder.h"

namespace quon::test {

class ThemeFolder : public ScratchFolder {
public:
    ThemeFolder() : ScratchFolder("quon-theme-") {}

    // A PNG of one colour (0xAARRGGBB, not premultiplied); indexed: an 8-bit palette picture.
    void Png(const std::string& name, int width, int height, uint32_t argb, bool indexed = false) const {
        ASSERT_TRUE(WriteSolidPng(WFile(name), width, height, argb, indexed)) << name;
    }
};

}  // namespace quon::test
