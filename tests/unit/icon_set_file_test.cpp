#include "config/pages/interface/icon_set_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/unit/skin_fixture.h"

namespace quon::config {
namespace {

using quon::test::ThemeFolder;

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

IconPaths SomePaths(const std::string& folder) {
    IconPaths p;
    for (int i = 0; i < kIconSlotCount; ++i) p[i] = folder + "значки\\" + IconSlotKey(i) + ".ico";
    return p;
}

TEST(IconSetFile, RefusedByTypeOrHost) {
    ThemeFolder dir;
    struct Row {
        const char* info;
        IconSetRefusal want;
    };
    const Row rows[] = {
        {"type=iconset\r\nhost=Quon Tollen\r\n", IconSetRefusal::None},
        {"type=Iconset\r\nhost=Quon Tollen\r\n", IconSetRefusal::NotAnIconSet},
        {"host=Quon Tollen\r\n", IconSetRefusal::NotAnIconSet},
        {"type=iconset\r\nhost=quon tollen\r\n", IconSetRefusal::OtherHost},  // the host is compared exactly
        {"type=iconset\r\n", IconSetRefusal::OtherHost},
    };
    int n = 0;
    for (const Row& r : rows) {
        const std::string name = "s" + std::to_string(n++) + ".qof";
        dir.Write(name, std::string("[info]\r\n") + r.info);
        EXPECT_EQ(CheckIconSet(fw::IniFile(dir.File(name))), r.want) << r.info;
    }
    EXPECT_EQ(CheckIconSet(fw::IniFile(dir.File("missing.qof"))), IconSetRefusal::NotAnIconSet);
}

TEST(IconSetFile, SavedAndLoadedBackByteForByte) {
    ThemeFolder dir;
    const IconPaths paths = SomePaths("C:\\Программа\\");
    ASSERT_TRUE(WriteIconSet(fw::IniFile(dir.File("a.qof")), paths));
    const std::string text = FileText(dir.File("a.qof"));
    // The keys in the file's order.
    size_t at = 0;
    for (const char* line : {"[info]", "type=iconset", "host=Quon Tollen", "version=2", "support=2", "[icons]",
                             "icon_o=", "icon_0=", "icon_1=", "icon_2=", "icon_3=", "icon_4=", "icon_5="}) {
        const size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " in\n" << text;
        at = found;
    }
    EXPECT_EQ(CheckIconSet(fw::IniFile(dir.File("a.qof"))), IconSetRefusal::None);
    EXPECT_EQ(ReadIconSetPaths(fw::IniFile(dir.File("a.qof"))), paths);
    ASSERT_TRUE(WriteIconSet(fw::IniFile(dir.File("b.qof")), ReadIconSetPaths(fw::IniFile(dir.File("a.qof")))));
    EXPECT_EQ(FileText(dir.File("b.qof")), text);
}

TEST(IconSetFile, SavingKeepsOtherKeysAndReportsAFailedWrite) {
    ThemeFolder dir;
    dir.Write("old.qof", "[info]\r\ntype=other\r\nnote=mine\r\n[icons]\r\nicon_9=x.ico\r\n");
    ASSERT_TRUE(WriteIconSet(fw::IniFile(dir.File("old.qof")), SomePaths("D:\\")));
    const fw::IniFile old(dir.File("old.qof"));
    EXPECT_EQ(old.ReadString("info", "note", ""), "mine");
    EXPECT_EQ(old.ReadString("icons", "icon_9", ""), "x.ico");
    EXPECT_EQ(old.ReadString("info", "type", ""), "iconset");

    EXPECT_FALSE(WriteIconSet(fw::IniFile(dir.File("no such folder\\set.qof")), SomePaths("D:\\")));
}

TEST(IconSetFile, MissingKeysReadEmptyAndDefaultsLieInTheProgramFolder) {
    ThemeFolder dir;
    dir.Write("part.qof", "[info]\r\ntype=iconset\r\nhost=Quon Tollen\r\n[icons]\r\nicon_o=o.ico\r\nicon_5=5.ico\r\n");
    const IconPaths p = ReadIconSetPaths(fw::IniFile(dir.File("part.qof")));
    EXPECT_EQ(p[0], "o.ico");
    EXPECT_EQ(p[4], "");  // icon_3
    EXPECT_EQ(p[6], "5.ico");

    const IconPaths d = DefaultIconFiles("C:\\Q\\");
    EXPECT_EQ(d[0], "C:\\Q\\icons\\default\\offline.ico");
    EXPECT_EQ(d[1], "C:\\Q\\icons\\default\\idle.ico");
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(d[i], "C:\\Q\\icons\\default\\online.ico");
    EXPECT_EQ(d[6], "C:\\Q\\icons\\default\\lime.ico");
    EXPECT_EQ(IconDialogTitle(0), "Выбор иконки для индикатора (offline)...");
    EXPECT_EQ(IconDialogTitle(4), "Выбор иконки для индикатора (online : уровень 3)...");
}

}  // namespace
}  // namespace quon::config
