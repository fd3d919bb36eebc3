#include "config/pages/interface/icon_pictures.h"

#include <gtest/gtest.h>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/unit/skin_fixture.h"

namespace quon::config {
namespace {

using quon::test::ThemeFolder;

std::string ProgramIcons() { return fw::Narrow(rig::BuildFolder()) + "program\\icons\\default\\"; }

std::string SetText(const IconPaths& p, const char* host = "Quon Tollen") {
    std::string text = std::string("[info]\r\ntype=iconset\r\nhost=") + host + "\r\n[icons]\r\n";
    for (int i = 0; i < kIconSlotCount; ++i)
        if (!p[i].empty()) text += std::string(IconSlotKey(i)) + "=" + p[i] + "\r\n";
    return text;
}

TEST(IconPictures, SetLoadsAsAWholeOrNotAtAll) {
    ThemeFolder dir;
    dir.Write("not an icon.ico", "plain text");
    const IconPaths good = DefaultIconFiles(fw::Narrow(rig::BuildFolder()) + "program\\");
    IconPaths missing = good;
    missing[4].clear();  // no icon_3 in the set
    IconPaths bad = good;
    bad[6] = dir.File("not an icon.ico");
    IconPaths absent = good;
    absent[0] = ProgramIcons() + "absent.ico";

    struct Row {
        std::string text;
        IconSetRefusal refusal;
        bool iconsFailed;
    };
    const Row rows[] = {
        {SetText(good), IconSetRefusal::None, false},
        {SetText(missing), IconSetRefusal::None, true},
        {SetText(bad), IconSetRefusal::None, true},
        {SetText(absent), IconSetRefusal::None, true},
        {SetText(good, "quon tollen"), IconSetRefusal::OtherHost, false},
        {"[info]\r\nhost=Quon Tollen\r\n", IconSetRefusal::NotAnIconSet, false},
    };
    int n = 0;
    for (const Row& r : rows) {
        const std::string name = "set" + std::to_string(n++) + ".qof";
        dir.Write(name, r.text);
        IconSetLoad load = LoadIconSet(dir.File(name));
        EXPECT_EQ(load.refusal, r.refusal) << name;
        EXPECT_EQ(load.iconsFailed, r.iconsFailed) << name;
        const bool loaded = r.refusal == IconSetRefusal::None && !r.iconsFailed;
        for (int i = 0; i < kIconSlotCount; ++i)
            EXPECT_EQ(load.icons[i] != nullptr, loaded) << name << " slot " << i;
        if (loaded) {
            EXPECT_EQ(load.paths, good);
        }
    }
}

}  // namespace
}  // namespace quon::config
