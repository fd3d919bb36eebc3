#include "config/pages/common/theme_links.h"

#include <gtest/gtest.h>

#include "config/pages/interface/theme_check.h"
#include "tests/unit/skin_fixture.h"

namespace quon::config {
namespace {

TEST(ThemeLinks, OnlyWebAndMailAddressesReachTheShell) {
    struct Row {
        const char* value;
        std::optional<std::string> web, mail;
    };
    const Row rows[] = {
        {"http://x.example/", "http://x.example/", "mailto:http://x.example/"},
        {"HTTPS://X.example/page?a=1", "HTTPS://X.example/page?a=1", "mailto:HTTPS://X.example/page?a=1"},
        {"m@x.example?subject=Quon%20Tollen%20II", std::nullopt, "mailto:m@x.example?subject=Quon%20Tollen%20II"},
        {"C:\\Windows\\system32\\calc.exe", std::nullopt, "mailto:C:\\Windows\\system32\\calc.exe"},
        {"file:///C:/Windows/system32/cmd.exe", std::nullopt, "mailto:file:///C:/Windows/system32/cmd.exe"},
        {"cmd.exe /c del x", std::nullopt, "mailto:cmd.exe /c del x"},
        {"http://", std::nullopt, "mailto:http://"},
        {"http://x.example/ cmd", std::nullopt, "mailto:http://x.example/ cmd"},
        {"http://x.example/\r\nx", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(WebLinkTarget(r.value), r.web) << r.value;
        EXPECT_EQ(MailLinkTarget(r.value), r.mail) << r.value;
    }
}

TEST(ThemeLinks, MessengerNumberKeepsDigitsOnly) {
    EXPECT_EQ(MessengerLinkTarget("123-456 789"), std::string(kMessengerSearch) + "123456789");
    EXPECT_EQ(MessengerLinkTarget("12&cmd=calc.exe"), std::string(kMessengerSearch) + "12");
    EXPECT_EQ(MessengerLinkTarget("нет"), std::nullopt);
    EXPECT_EQ(MessengerLinkTarget(""), std::nullopt);
}

TEST(ThemeLinks, HostileThemeFileOpensNothingOutsideTheWeb) {
    quon::test::ThemeFolder dir;
    dir.Write("hostile.qsf",
              "[plugin]\r\ntype=skin\r\nhost=Quon Tollen\r\n[info]\r\nweb=C:\\Windows\\system32\\calc.exe\r\n"
              "mail=\r\nicq=\\\\server\\share\\run.exe\r\n");
    const ThemePanels p = DescribeTheme(fw::IniFile(dir.File("hostile.qsf")));
    EXPECT_EQ(WebLinkTarget(p.webLink), std::nullopt);
    EXPECT_EQ(MailLinkTarget(p.mailLink), std::nullopt);
    EXPECT_EQ(MessengerLinkTarget(p.icqLink), std::nullopt);
}

}  // namespace
}  // namespace quon::config
