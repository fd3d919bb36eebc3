// The ignored dial-up entries as the dialog reads them: as many as the file counts, as the main program
// reads them; a count no list reaches ends the list at its first missing line.
#include <gtest/gtest.h>

#include "config/settings/read_settings.h"
#include "tests/support/memory_ini.h"

namespace quon::config {
namespace {

TEST(IgnoreListRead, CountedEntriesWithABoundOnTheCount) {
    struct Row {
        const char* items;
        size_t want;
    };
    const Row rows[] = {{"0", 0}, {"2", 2}, {"-5", 0}, {"2000000000", 1}};
    for (const Row& r : rows) {
        test::MemoryIni data({{{"ignore", "items"}, r.items}, {{"ignore", "item_1"}, "Работа"}}), plugins;
        const SettingsValues v = ReadSettingsValues(data, plugins, "C:\\prog\\", "10.12.26");
        ASSERT_EQ(v.edt_ignore.size(), r.want) << r.items;
        if (r.want > 1) {
            EXPECT_EQ(v.edt_ignore[0], "Работа");
            EXPECT_EQ(v.edt_ignore[1], "NULL");  // a missing line reads as the word NULL
        }
    }
}

}  // namespace
}  // namespace quon::config
