#include "config/pages/options/position_preview.h"

#include <gtest/gtest.h>

namespace quon::config {
namespace {

TEST(PositionPreview, ElevenCharactersWithZeroPadding) {
    struct Row {
        const char *x, *y, *want;
    };
    const Row rows[] = {
        {"7", "1234", "00007:01234"},
        {"0", "0", "00000:00000"},
        {"12345", "99", "12345:00099"},
        {"123456", "1234", ":01234"},  // a side longer than five digits is left out
        {"50", "", "00050:"},
    };
    for (const Row& r : rows) EXPECT_EQ(PositionPreviewText(r.x, r.y), r.want) << r.x << " " << r.y;
}

}  // namespace
}  // namespace quon::config
