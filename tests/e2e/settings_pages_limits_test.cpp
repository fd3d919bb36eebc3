// The settings dialog inside the running meter: what is changed on its pages and applied takes effect
// in the meter.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "config/dialog/frame_ids.h"
#include "config/pages/data/period_part.h"
#include "config/pages/data/statistics_part.h"
#include "framework/text.h"
#include "tests/e2e/harness_settings.h"
#include "tests/e2e/harness_tray.h"
#include "tests/e2e/meter_session.h"
#include "tests/support/message_box.h"

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

// The local calendar day so many days from now (before it when negative).
SYSTEMTIME LocalDayAfter(int days) {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(days) * 864000000000LL);
    ft = {t.LowPart, t.HighPart};
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&ft, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    return local;
}

std::string TwoDigits(int v) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", v % 100);
    return text;
}

std::string DateAfterDays(int days) {
    const SYSTEMTIME d = LocalDayAfter(days);
    return TwoDigits(d.wDay) + "." + TwoDigits(d.wMonth) + "." + TwoDigits(d.wYear);
}

// The data page of the meter's dialog, opened by a double click on the window, with its statistics and
// period parts.
struct DataPage {
    HWND dialog = nullptr, stats = nullptr, period = nullptr;
};
DataPage OpenDataPage(MeterSession& m, HWND window) {
    DataPage page;
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
    page.dialog = rig::SettingsWindow::WaitFor(m.program->Pid()).Handle();
    EXPECT_NE(page.dialog, nullptr);
    if (!page.dialog) return page;
    page.stats = PartOf(page.dialog, L"QuonStatisticsPart");
    page.period = PartOf(page.dialog, L"QuonPeriodPart");
    EXPECT_NE(page.stats, nullptr);
    EXPECT_NE(page.period, nullptr);
    return page;
}

TEST(SettingsApply, ALimitAndPeriodChangedInTheDialogTakeEffectAfterApply) {
    MeterSession m(QuietSettings({{"reset", TodayStamp()},
                                  {"events", "hangup_d=1\r\nbeep_d=0\r\n"},
                                  {"bytes", "daylim=1048576\r\nmonthlim=31457280\r\n"}}));
    HWND window = m.Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(m.WaitFirstPoll());

    // The data page opens on a double click; the meter is offline, so the statistics can be changed.
    const DataPage page = OpenDataPage(m, window);
    ASSERT_TRUE(page.dialog && page.stats && page.period);
    HWND dialog = page.dialog, stats = page.stats, period = page.period;

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

std::string Value(const rig::TestFolder& dir, const char* section, const char* key) {
    char text[256] = {};
    GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, (dir.PathA() + "data.qif").c_str());
    return text;
}

// The detailed tray tooltip of an offline meter with the given megabytes of the day, the period and
// its limit.
std::string OfflineTooltip(int day, int month, int limit) {
    return "Quon Tollen II\n(статистика)\n\nСеанс: 0 Мб\nДень: " + std::to_string(day) + " Мб\nМесяц: " +
           std::to_string(month) + " Мб\nОсталось: " + std::to_string(limit - month) + " Мб\nСкорость: 0 б/сек";
}

TEST(SettingsApply, AnOwnPeriodChosenInTheDialogEndsAtTheNextStartOnANewDay) {
    rig::StandInTray tray;
    ASSERT_TRUE(tray.IsTheOneFound()) << "another Shell_TrayWnd comes first";
    MeterSession m(QuietSettings({{"reset", TodayStamp()},
                                  {"events", "hint=2\r\n"},
                                  {"bytes", "day=2097152\r\nmonth=10485760\r\nup=4096\r\nmonthlim=31457280\r\n"
                                            "backup=1000\r\n"}}));
    HWND window = m.Start(L"");
    ASSERT_NE(window, nullptr);
    tray.OnlyFrom(m.program->Pid());
    ASSERT_TRUE(m.WaitFirstPoll());
    EXPECT_EQ(m.Ask("get(isitnewday)"), "0");

    // On the data page: the bank on, and the own period of 30 days whose next one began three days ago,
    // with a warning five days before its end and the notice at its change.
    const DataPage page = OpenDataPage(m, window);
    ASSERT_TRUE(page.dialog && page.stats && page.period);
    HWND dialog = page.dialog, stats = page.stats, period = page.period;
    SendMessageW(GetDlgItem(stats, config::StatisticsPart::idBackup), BM_SETCHECK, BST_CHECKED, 0);
    Command(stats, config::StatisticsPart::idBackup, BN_CLICKED);
    SendMessageW(GetDlgItem(period, config::PeriodPart::idAlt), BM_SETCHECK, BST_CHECKED, 0);
    Command(period, config::PeriodPart::idAlt, BN_CLICKED);
    EXPECT_EQ(SendMessageW(GetDlgItem(period, config::PeriodPart::idRemind), BM_GETCHECK, 0, 0), BST_CHECKED);
    const std::string next = DateAfterDays(-3);
    SendMessageW(GetDlgItem(period, config::PeriodPart::idNext), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(fw::Widen(next).c_str()));
    SendMessageW(GetDlgItem(period, config::PeriodPart::idRemindSpin), UDM_SETPOS32, 0, 5);
    Command(dialog, IDC_BTN_OK, BN_CLICKED);
    ASSERT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog); }, 10000));
    EXPECT_EQ(Value(m.folder, "data", "period"), "88");
    EXPECT_EQ(Value(m.folder, "data", "backup"), "1");
    EXPECT_EQ(Value(m.folder, "alt", "next"), next);
    EXPECT_EQ(Value(m.folder, "alt", "warn"), "5");
    EXPECT_EQ(Value(m.folder, "alt", "remind"), DateAfterDays(-8));
    EXPECT_EQ(Value(m.folder, "alt", "period"), "30");
    EXPECT_EQ(Value(m.folder, "alt", "notify"), "1");

    // The running meter reloads its settings, but a period ends only at a start: it counts on as before.
    const size_t afterApply = tray.Count();
    EXPECT_TRUE(tray.WaitFor([](const rig::TrayCall& c) { return c.tip == OfflineTooltip(2, 10, 30); }, 10000,
                             afterApply)
                    .has_value());
    EXPECT_EQ(Value(m.folder, "bytes", "month"), "10485760");

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m.program->WaitForExit(10000).has_value());

    // The next start comes on a later day: the day of the last start is yesterday's.
    const SYSTEMTIME yesterday = LocalDayAfter(-1);
    const std::string ini = m.folder.PathA() + "data.qif";
    ASSERT_TRUE(WritePrivateProfileStringA("reset", "date", TwoDigits(yesterday.wDay).c_str(), ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("reset", "month", TwoDigits(yesterday.wMonth).c_str(), ini.c_str()));

    const int64_t secondStart = rig::NowMs();
    const size_t secondCalls = tray.Count();
    m.program = std::make_unique<rig::Program>(m.folder, L"");
    tray.OnlyFrom(m.program->Pid());
    auto summary = m.program->WaitForBox(10000, "смена отчётного периода");
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->text,
              "Quon Tollen II »»» смена отчётного периода\n\n  байт скачано за период: 10 485 760"
              "\n  байт на балансе на конец периода: 20 971 520\n  байт на балансе на начало периода: 31 457 280"
              "\n  байт сохранено (в банке): 20 972 520");
    ASSERT_TRUE(quon::test::AnswerMessageBox(*summary));
    ASSERT_TRUE(m.folder.WaitForRasCall("RasEnumEntriesA", 10000,
                                        [&](const rig::RasCall& c) { return c.ms >= secondStart; }));
    m.window = m.program->WaitForWindow();
    ASSERT_NE(m.window, nullptr);

    // The period that ended is banked and the counters start again; the next period begins a whole
    // period after the one that ended, with its warning five days before.
    EXPECT_EQ(Value(m.folder, "bytes", "month"), "0");
    EXPECT_EQ(Value(m.folder, "bytes", "day"), "0");
    EXPECT_EQ(Value(m.folder, "bytes", "up"), "0");
    EXPECT_EQ(Value(m.folder, "bytes", "backup"), "20972520");
    EXPECT_EQ(Value(m.folder, "bytes", "monthlim"), "31457280");
    EXPECT_EQ(Value(m.folder, "alt", "next"), DateAfterDays(27));
    EXPECT_EQ(Value(m.folder, "alt", "remind"), DateAfterDays(22));
    EXPECT_EQ(Value(m.folder, "reset", "date"), TwoDigits(LocalDayAfter(0).wDay));
    EXPECT_EQ(m.Ask("get(isitnewday)"), "1");
    EXPECT_TRUE(tray.WaitFor([](const rig::TrayCall& c) { return c.tip == OfflineTooltip(0, 0, 30); }, 10000,
                             secondCalls)
                    .has_value())
        << "last tooltip: " << (tray.Calls().empty() ? "" : tray.Calls().back().tip);
    EXPECT_TRUE(m.program->MessageBoxes().empty());
}

}  // namespace
}  // namespace quon::e2e
