// The settings dialog inside the running meter: what is changed on its pages and applied takes effect
// in the meter.
#include <gtest/gtest.h>

#include <cstdio>

#include "config/frame_ids.h"
#include "config/period_part.h"
#include "config/statistics_part.h"
#include "framework/text.h"
#include "tests/e2e/harness_settings.h"
#include "tests/e2e/meter_session.h"

namespace quon::e2e {
namespace {

// A child window of the dialog by its class.
HWND PartOf(HWND dialog, const wchar_t* className) {
    struct Search { const wchar_t* name; HWND found; } s{className, nullptr};
    EnumChildWindows(dialog, [](HWND w, LPARAM p) {
        auto& s = *reinterpret_cast<Search*>(p);
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        if (std::wstring(name) == s.name) {
            s.found = w;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

void Command(HWND parent, int id, int code) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
}

std::string DateAfterDays(int days) {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += static_cast<ULONGLONG>(days) * 864000000000ULL;
    ft = {t.LowPart, t.HighPart};
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&ft, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", local.wDay, local.wMonth, local.wYear % 100);
    return text;
}

TEST(SettingsApply, ALimitAndPeriodChangedInTheDialogTakeEffectAfterApply) {
    MeterSession m(QuietSettings({{"reset", TodayStamp()},
                                  {"events", "hangup_d=1\r\nbeep_d=0\r\n"},
                                  {"bytes", "daylim=1048576\r\nmonthlim=31457280\r\n"}}));
    HWND window = m.Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(m.WaitFirstPoll());

    // The data page opens on a double click; the meter is offline, so the statistics can be changed.
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
    HWND dialog = rig::SettingsWindow::WaitFor(m.program->Pid()).Handle();
    ASSERT_NE(dialog, nullptr);
    HWND stats = PartOf(dialog, L"QuonStatisticsPart");
    HWND period = PartOf(dialog, L"QuonPeriodPart");
    ASSERT_NE(stats, nullptr);
    ASSERT_NE(period, nullptr);

    // The daily limit typed in bytes, committed with Enter.
    SendMessageW(GetDlgItem(stats, config::StatisticsPart::idUnits), CB_SETCURSEL, 0, 0);
    Command(stats, config::StatisticsPart::idUnits, CBN_SELCHANGE);
    Command(stats, config::StatisticsPart::PlusId(config::sfDayLimit), STN_CLICKED);
    HWND dayLimit = GetDlgItem(stats, config::StatisticsPart::EditId(config::sfDayLimit));
    SendMessageW(dayLimit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1000"));
    SendMessageW(dayLimit, WM_CHAR, L'\r', 0);
    // The own accounting period, starting in ten days.
    const std::string next = DateAfterDays(10);
    SendMessageW(GetDlgItem(period, config::PeriodPart::idAlt), BM_SETCHECK, BST_CHECKED, 0);
    Command(period, config::PeriodPart::idAlt, BN_CLICKED);
    SendMessageW(GetDlgItem(period, config::PeriodPart::idNext), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(fw::Widen(next).c_str()));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_BTN_OK)));
    Command(dialog, IDC_BTN_OK, BN_CLICKED);
    ASSERT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog); }, 10000));

    const std::string data = m.folder.Read("data.qif").value_or("");
    EXPECT_NE(data.find("daylim=1000\r\n"), std::string::npos);
    EXPECT_NE(data.find("period=88"), std::string::npos);
    EXPECT_NE(data.find("next=" + next), std::string::npos);
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");  // the meter lives on after the reload

    // The library is loaded afresh for the next opening: its pages come up again and close.
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
    dialog = rig::SettingsWindow::WaitFor(m.program->Pid()).Handle();
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(PartOf(dialog, L"QuonStatisticsPart"), nullptr);
    Command(dialog, IDC_BTN_CANCEL, BN_CLICKED);
    ASSERT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog); }, 10000));

    // A connection of 5000 bytes passes the new daily limit at once: the meter hangs up.
    m.folder.WriteRasScript(rig::RasScript().Connected("Dial", 5000, 10));
    EXPECT_TRUE(m.folder.WaitForRasCall("RasHangUpA", 15000).has_value());
}

}  // namespace
}  // namespace quon::e2e
