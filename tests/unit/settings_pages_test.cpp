// The events, data and logs pages in a window of their own: the user's clicks and keys, what the pages
// show, and what they write.
#include <gtest/gtest.h>

#include "config/pages/data/data_parts.h"
#include "config/pages/events/events_part.h"
#include "config/pages/log/log_part.h"
#include "config/pages/common/page_controls.h"
#include "framework/ini_file.h"
#include "framework/text.h"
#include "page_fixture.h"

namespace quon::config {
namespace {

using EventsPage = PageTest;

TEST_F(EventsPage, PlayBoxesCascadeAndUntickedBoxesSaveNoFile) {
    Write("data.qif", "[events]\nwav_m=month.wav\nwav_d=abc\nhangup_d=1\nbeep_m=0\n");
    EventsPart part(host_);
    ASSERT_TRUE(part.Create(window_.Handle(), 0, 0, 545, 230));
    const fw::IniFile data(Path("data.qif"));
    part.Fill(ReadValues());
    HWND p = part.Handle();
    auto box = [&](int id) { return Checked(GetDlgItem(p, id)); };
    auto text = [&](int id) { return TextOf(GetDlgItem(p, id)); };
    EXPECT_TRUE(box(EventsPart::idWavM));
    EXPECT_FALSE(box(EventsPart::idWavD));  // three characters are no file
    EXPECT_EQ(text(EventsPart::idEditD), "abc");
    EXPECT_TRUE(box(EventsPart::idHangupD));
    EXPECT_FALSE(box(EventsPart::idBeepM));
    EXPECT_TRUE(box(EventsPart::idBeepD));

    // ticking a box without a file: unticked again, the kind-3 hint, and the short name goes
    Click(p, EventsPart::idWavO);
    EXPECT_FALSE(box(EventsPart::idWavO));
    ASSERT_FALSE(host_.hints.empty());
    EXPECT_EQ(host_.hints.back().kind, 3);
    EXPECT_EQ(text(EventsPart::idEditD), "");
    // a chosen file ticks its box; unticking the box empties the edit
    SetText(GetDlgItem(p, EventsPart::idEditO), "C:\\sounds\\on.wav");
    EXPECT_TRUE(box(EventsPart::idWavO));
    Click(p, EventsPart::idWavM);
    EXPECT_FALSE(box(EventsPart::idWavM));
    EXPECT_EQ(text(EventsPart::idEditM), "");
    // a name typed into an unticked box stays there, and is not saved
    SetText(GetDlgItem(p, EventsPart::idEditX), "x.w");
    EXPECT_FALSE(box(EventsPart::idWavX));
    EXPECT_EQ(text(EventsPart::idEditX), "x.w");
    EXPECT_GT(host_.applies, 0);

    SettingsValues saved = ReadValues();
    part.Collect(saved);
    SaveValues(saved);
    EXPECT_EQ(data.ReadString("events", "wav_m", "?"), "");
    EXPECT_EQ(data.ReadString("events", "wav_d", "?"), "");
    EXPECT_EQ(data.ReadString("events", "wav_o", "?"), "C:\\sounds\\on.wav");
    EXPECT_EQ(data.ReadString("events", "wav_x", "?"), "");
    EXPECT_EQ(data.ReadString("events", "hangup_d", "?"), "1");
    EXPECT_EQ(data.ReadString("events", "beep_m", "?"), "0");
}

using StatisticsPage = PageTest;

// How a value box looks: its styles, whether its frame takes room, and the colour it paints its
// empty right end with.
struct BoxLook {
    bool readOnly, edge, border, framed;
    COLORREF face;
    bool operator==(const BoxLook&) const = default;
};
std::ostream& operator<<(std::ostream& os, const BoxLook& l) {
    return os << "read-only " << l.readOnly << ", edge " << l.edge << ", border " << l.border << ", framed "
              << l.framed << ", colour " << std::hex << l.face << std::dec;
}

BoxLook LookOf(HWND box) {
    RECT window, client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF face = GetPixel(dc, client.right - 3, client.bottom / 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE), ex = GetWindowLongPtrW(box, GWL_EXSTYLE);
    return {(style & ES_READONLY) != 0, (ex & WS_EX_CLIENTEDGE) != 0, (style & WS_BORDER) != 0,
            client.right < window.right - window.left || client.bottom < window.bottom - window.top, face};
}

const BoxLook kShown{true, false, false, false, GetSysColor(COLOR_BTNFACE)};
const BoxLook kEdited{false, true, false, true, GetSysColor(COLOR_WINDOW)};

TEST_F(StatisticsPage, EditWithEnterAndInvalidKeys) {
    Write("data.qif", "[bytes]\nmonthlim=31457280\ndaylim=1048576\nday=524288\nmonth=1000\n[memory]\nunits=2\nfloat=3\n");
    DataParts page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    const fw::IniFile data(Path("data.qif"));
    SettingsValues v = ReadValues();
    page.Fill(v);
    StatisticsPart& stats = page.statistics;
    HWND p = stats.Handle();
    HWND day = GetDlgItem(p, StatisticsPart::EditId(sfDay));
    EXPECT_EQ(TextOf(day), "0,5");
    for (int f = 1; f <= kStatFieldCount; ++f)
        EXPECT_EQ(LookOf(GetDlgItem(p, StatisticsPart::EditId(f))), kShown) << StatFieldKey(f);
    RECT shownAt;
    GetWindowRect(day, &shownAt);

    SendMessageW(p, WM_COMMAND, MAKEWPARAM(StatisticsPart::PlusId(sfDay), STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(p, StatisticsPart::PlusId(sfDay))));
    EXPECT_EQ(LookOf(day), kEdited);
    // The edge leaves room for the figures and stays within the gaps between the rows.
    RECT editedAt, editedClient, rowAbove;
    GetWindowRect(day, &editedAt);
    GetClientRect(day, &editedClient);
    GetWindowRect(GetDlgItem(p, StatisticsPart::EditId(sfDayLimit)), &rowAbove);
    TEXTMETRICW font{};
    HDC dc = GetDC(day);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(day, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &font);
    SelectObject(dc, oldFont);
    ReleaseDC(day, dc);
    EXPECT_GE(editedClient.bottom, font.tmAscent);
    const LONG gap = shownAt.top - rowAbove.bottom;
    EXPECT_GE(editedAt.top, shownAt.top - gap);
    EXPECT_LE(editedAt.bottom, shownAt.bottom + gap);
    EXPECT_EQ(LookOf(GetDlgItem(p, StatisticsPart::EditId(sfMonth))), kShown) << "only the toggled row";
    SetText(day, "");
    for (wchar_t key : std::wstring(L"1x,5q")) SendMessageW(day, WM_CHAR, key, 0);  // letters are refused
    EXPECT_EQ(TextOf(day), "1,5");
    EXPECT_EQ(stats.Editor().raw[sfDay - 1], "1572864");
    EXPECT_FALSE(host_.okApply);  // held until the field is committed
    SendMessageW(day, WM_CHAR, L'\r', 0);
    EXPECT_TRUE(host_.okApply);
    EXPECT_EQ(LookOf(day), kShown);
    RECT committedAt;
    GetWindowRect(day, &committedAt);
    EXPECT_TRUE(EqualRect(&committedAt, &shownAt));
    EXPECT_EQ(TextOf(day), "1,5");
    EXPECT_TRUE(host_.boxes.empty());

    // "-" alone is no number: the box says so and the last valid value comes back
    SendMessageW(p, WM_COMMAND, MAKEWPARAM(StatisticsPart::PlusId(sfMonth), STN_CLICKED), 0);
    HWND month = GetDlgItem(p, StatisticsPart::EditId(sfMonth));
    SetText(month, "");
    SendMessageW(month, WM_CHAR, L'-', 0);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(stats.Editor().raw[sfMonth - 1], "1000");
    SendMessageW(month, WM_CHAR, L'\r', 0);

    // what the user did not change is not written: a value the meter stored meanwhile stays
    EXPECT_TRUE(data.WriteString("bytes", "month", "2000"));
    page.Collect(v);
    SaveValues(v);
    EXPECT_EQ(data.ReadString("bytes", "day", "?"), "1572864");
    EXPECT_EQ(data.ReadString("bytes", "month", "?"), "2000");
}

TEST_F(StatisticsPage, NothingIsWrittenWhileLocked) {
    Write("data.qif", "[bytes]\nday=5\nmonth=7\nup=9\n");
    host_.lock = 1;
    DataParts page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    const fw::IniFile data(Path("data.qif"));
    SettingsValues v = ReadValues();
    page.Fill(v);
    HWND p = page.statistics.Handle();
    SendMessageW(p, WM_COMMAND, MAKEWPARAM(StatisticsPart::PlusId(sfDay), STN_CLICKED), 0);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(p, StatisticsPart::EditId(sfDay)), GWL_STYLE) & ES_READONLY);
    ASSERT_FALSE(host_.hints.empty());
    EXPECT_EQ(host_.hints.back().kind, 2);
    Click(p, StatisticsPart::idReset);
    EXPECT_TRUE(host_.boxes.empty());  // not even asked
    page.Collect(v);
    EXPECT_EQ(v.counters, v.countersAtOpening);
    SaveValues(v);
    EXPECT_EQ(data.ReadString("bytes", "day", "?"), "5");
    EXPECT_EQ(data.ReadString("bytes", "month", "?"), "7");
    EXPECT_FALSE(data.KeyExists("bytes", "monthlim"));
}

TEST_F(StatisticsPage, ResetAndStatusRows) {
    Write("data.qif", "[bytes]\nmonthlim=100\ndaylim=10\nday=11\nmonth=96\nuplim=0\nup=5\nbackup=3\n");
    DataParts page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    const fw::IniFile data(Path("data.qif"));
    SettingsValues v = ReadValues();
    page.Fill(v);
    Click(page.statistics.Handle(), StatisticsPart::idReset);
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0], "очистить данные статистики сейчас?");
    EXPECT_EQ(page.statistics.Editor().raw, (StatTexts{"10", "0", "100", "0", "3", "0", "0"}));
    page.Collect(v);
    SaveValues(v);
    EXPECT_EQ(data.ReadString("bytes", "day", "?"), "0");
    EXPECT_EQ(data.ReadString("bytes", "backup", "?"), "3");
    EXPECT_EQ(data.ReadString("bytes", "daylim", "?"), "10");
}

using LogsPageTest = PageTest;

// What the viewer shows: as many lines as the list box has, each as the page draws it.
std::vector<std::string> ViewerLines(const LogPart& page) {
    HWND viewer = GetDlgItem(page.Handle(), LogPart::idViewer);
    std::vector<std::string> lines;
    const int n = static_cast<int>(SendMessageW(viewer, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) lines.push_back(page.Viewer().Line(static_cast<size_t>(i)).text);
    return lines;
}

TEST_F(LogsPageTest, ViewerFiltersAndClearing) {
    Write("data.log", "[status]\r\n05.03.26|10:00:01|1=Start\r\n05.03.26|10:00:02|3=Connected:Home\r\n");
    LogPart page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    page.LoadViewer();
    EXPECT_EQ(ViewerLines(page),
              (std::vector<std::string>{"05.03.26 | 10:00:01 (*1) - Запуск программы.",
                                        "05.03.26 | 10:00:02 (*3) - Обнаружено активное соединение (учётная запись «Home»)."}));
    page.ClickFilter(2);  // programme events off: reloaded at once
    EXPECT_EQ(ViewerLines(page).size(), 1u);
    for (int box : {1, 3, 0}) page.ClickFilter(box);
    ASSERT_EQ(host_.boxes.size(), 1u);  // the last box unticked: told, nothing reloaded
    EXPECT_EQ(host_.boxes[0], "не выделен ни один тип отображаемой информации");
    EXPECT_EQ(ViewerLines(page).size(), 1u);

    // a log that cannot be deleted: a warning, the viewer as it was
    ASSERT_TRUE(DeleteFileA(Path("data.log").c_str()));
    ASSERT_TRUE(CreateDirectoryA(Path("data.log").c_str(), nullptr));
    page.ClearEventLog();
    ASSERT_EQ(host_.boxes.size(), 3u);
    EXPECT_EQ(host_.boxes[1], "очистить журнал событий сейчас?");
    EXPECT_NE(host_.boxes[2].find("невозможно удалить журнал событий"), std::string::npos);
    EXPECT_EQ(ViewerLines(page).size(), 1u);
    RemoveDirectoryA(Path("data.log").c_str());

    Write("data.log", "[status]\r\n");
    host_.answers = {IDNO};
    page.ClearEventLog();
    EXPECT_NE(GetFileAttributesA(Path("data.log").c_str()), INVALID_FILE_ATTRIBUTES);
    page.ClearEventLog();
    EXPECT_EQ(GetFileAttributesA(Path("data.log").c_str()), INVALID_FILE_ATTRIBUTES);
    const std::vector<std::string> cleared = ViewerLines(page);
    ASSERT_EQ(cleared.size(), 1u);
    EXPECT_NE(cleared[0].find(" - Журнал очищен."), std::string::npos);

    // the activity log held open without shared deleting
    Write("traffic.log", "012");
    HANDLE held = CreateFileA(Path("traffic.log").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const size_t before = host_.boxes.size();
    page.ClearActivityLog();
    ASSERT_EQ(host_.boxes.size(), before + 2);
    EXPECT_NE(host_.boxes.back().find("невозможно удалить журнал скорости"), std::string::npos);
    CloseHandle(held);
}

TEST_F(LogsPageTest, TheSelectedLineIsCopiedWhole) {
    Write("data.log", "[status]\r\n05.03.26|10:00:01|1=Start\r\n05.03.26|10:00:02|4=Disconnected\r\n");
    LogPart page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    page.LoadViewer();
    HWND viewer = GetDlgItem(page.Handle(), LogPart::idViewer);
    SendMessageW(viewer, LB_SETCURSEL, 1, 0);
    SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(LogPart::idMenuCopy, 0), 0);
    ASSERT_TRUE(OpenClipboard(window_.Handle()));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"(nothing)";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(fw::Narrow(copied), "05.03.26 | 10:00:02 (*4) - Соединение завершено.");
}

TEST_F(LogsPageTest, PlaybackRunsToTheEndOfTheLog) {
    Write("traffic.log", "0123459a");
    LogPart page(host_);
    ASSERT_TRUE(page.Create(window_.Handle(), 0, 0, 545, 390));
    SendMessageW(GetDlgItem(page.Handle(), LogPart::idInterval), CB_SETCURSEL, 6, 0);
    SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(LogPart::idInterval, CBN_SELCHANGE), 0);
    page.StartPlayback();
    EXPECT_TRUE(page.Playing());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page.Handle(), LogPart::idSpeed)));
    ASSERT_TRUE(PumpUntil([&] { return !page.Playing(); }));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.Handle(), LogPart::idSpeed)));
    const LevelStrip want{0, 5, 5, 4, 3, 2, 1, 0};
    EXPECT_EQ(page.Strip(), want);
    EXPECT_EQ(SendMessageW(GetDlgItem(page.Handle(), LogPart::idBar), PBM_GETPOS, 0, 0), 8);
}

}  // namespace
}  // namespace quon::config
