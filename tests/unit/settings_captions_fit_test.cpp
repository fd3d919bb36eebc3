// Every caption of the settings dialog can be read whole: on every page, offline and online, with the
// accounting period folded and unfolded and with plug-in rows in the list, each static text, box, radio
// button, push button, group caption, combo item and number field is measured with the control's own font
// (a combo item also as the closed combo really paints it) against the room the control gives it, and no two captions run into each other. Every hint the dialog
// can show fits the hint panel.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "config/pages/common/general_hints.h"
#include "config/pages/options/level_thresholds.h"
#include "config/pages/events/play_boxes.h"
#include "config/dialog/settings_dialog.h"
#include "framework/text.h"
#include "tests/unit/settings_dialog_fixture.h"

namespace quon::config {
namespace {

std::string Utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<size_t>(n - 1) : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring WindowText(HWND w) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

bool IsClass(HWND w, const wchar_t* name) { return lstrcmpiW(ClassOf(w).c_str(), name) == 0; }

// The size the text takes in the control's font, wrapped at `width` when `wrap`.
SIZE Measure(HWND control, const std::wstring& text, bool wrap, int width, UINT extra = 0) {
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | extra | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

// How far the combo's closed field paints item `index`, from the field's left edge: the combo is widened
// for the while so that nothing clips the text, painted into a bitmap, and the last column that differs
// from the field's background is found. Fonts do not always paint as wide as they measure.
int PaintedItemWidth(HWND combo, int index) {
    const int shown = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    RECT before;
    GetWindowRect(combo, &before);
    const int height = before.bottom - before.top;
    constexpr int kWide = 1200;
    SetWindowPos(combo, nullptr, 0, 0, kWide, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, kWide, height);
    HGDIOBJ old = SelectObject(dc, picture);
    PrintWindow(combo, dc, PW_CLIENTONLY);
    const LONG right = std::min(info.rcItem.right, info.rcButton.left) - 2;
    const int middle = (info.rcItem.top + info.rcItem.bottom) / 2;
    const COLORREF background = GetPixel(dc, right - 1, middle);
    int last = info.rcItem.left;
    for (int y = info.rcItem.top + 1; y < info.rcItem.bottom - 1; ++y)
        for (int x = info.rcItem.left + 1; x < right; ++x)
            if (GetPixel(dc, x, y) != background) last = std::max(last, x);
    SelectObject(dc, old);
    DeleteObject(picture);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    SendMessageW(combo, CB_SETCURSEL, shown, 0);
    SetWindowPos(combo, nullptr, 0, 0, before.right - before.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return last + 1 - info.rcItem.left;
}

RECT ClientOnScreen(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT WindowOnScreen(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

// A caption as drawn: where it lands on the screen; opaque controls cover their whole window.
struct Caption {
    HWND control;
    std::string what;
    RECT rect;
};

class CaptionCheck {
public:
    CaptionCheck(HWND dialog, std::string state) : dialog_(dialog), state_(std::move(state)) {}

    void Run() {
        EnumChildWindows(dialog_, [](HWND w, LPARAM self) { return reinterpret_cast<CaptionCheck*>(self)->Visit(w), TRUE; },
                         reinterpret_cast<LPARAM>(this));
        for (size_t i = 0; i < captions_.size(); ++i)
            for (size_t j = i + 1; j < captions_.size(); ++j) {
                RECT both;
                if (IntersectRect(&both, &captions_[i].rect, &captions_[j].rect))
                    ADD_FAILURE() << state_ << ": " << captions_[i].what << " and " << captions_[j].what << " overlap";
            }
    }

private:
    std::string Name(HWND w, const std::wstring& text) const {
        std::ostringstream s;
        s << Utf8(ClassOf(w)) << " " << GetDlgCtrlID(w) << " \"" << Utf8(text) << "\"";
        return s.str();
    }

    void Fits(HWND w, const std::wstring& text, SIZE need, SIZE room) {
        if (need.cx > room.cx || need.cy > room.cy)
            ADD_FAILURE() << state_ << ": " << Name(w, text) << " needs " << need.cx << " x " << need.cy << ", has "
                          << room.cx << " x " << room.cy;
    }

    // A caption placed in the control at (x, y) of its client area; it must show inside every parent too.
    void Place(HWND w, const std::wstring& text, int x, int y, SIZE size) {
        RECT client = ClientOnScreen(w);
        RECT r{client.left + x, client.top + y, client.left + x + size.cx, client.top + y + size.cy};
        Shown(w, text, r);
    }

    void Shown(HWND w, const std::wstring& text, RECT r) {
        for (HWND p = GetParent(w); p; p = GetParent(p)) {
            RECT room = ClientOnScreen(p), inside;
            IntersectRect(&inside, &room, &r);
            if (!EqualRect(&inside, &r))
                ADD_FAILURE() << state_ << ": " << Name(w, text) << " is cut by its parent " << Utf8(ClassOf(p));
            if (p == dialog_) break;
        }
        captions_.push_back({w, Name(w, text), r});
    }

    void Visit(HWND w) {
        if (!IsWindowVisible(w)) return;
        const LONG style = static_cast<LONG>(GetWindowLongPtrW(w, GWL_STYLE));
        RECT c;
        GetClientRect(w, &c);
        const SIZE room{c.right, c.bottom};
        const std::wstring text = WindowText(w);
        if (IsClass(w, L"Static")) {
            const LONG type = style & SS_TYPEMASK;
            if (text.empty() || (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
                                 type != SS_SIMPLE))
                return;
            const bool wrap = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
            const SIZE need = Measure(w, text, wrap, room.cx, (style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
            if (!(style & SS_ELLIPSISMASK)) Fits(w, text, need, room);  // a shortened value shows "..." on purpose
            const int x = type == SS_CENTER ? (room.cx - need.cx) / 2 : type == SS_RIGHT ? room.cx - need.cx : 0;
            const int y = (style & SS_CENTERIMAGE) ? (room.cy - need.cy) / 2 : 0;
            Place(w, text, std::max(x, 0), std::max(y, 0), {std::min(need.cx, room.cx), std::min(need.cy, room.cy)});
        } else if (IsClass(w, L"Button")) {
            const LONG type = style & BS_TYPEMASK;
            const bool wrap = (style & BS_MULTILINE) != 0;
            if (type == BS_GROUPBOX) {
                if (text.empty()) return;
                const SIZE need = Measure(w, text, false, 0);
                constexpr int kIndent = 8;  // the frame line starts left of the caption
                Fits(w, text, {need.cx + kIndent + 2, need.cy}, room);
                Place(w, text, kIndent, 0, {std::min(need.cx, room.cx - kIndent), need.cy});
            } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
                if (text.empty()) return;
                const int mark = GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box or circle and its gap
                const SIZE need = Measure(w, text, wrap, room.cx - mark);
                Fits(w, text, {need.cx + mark, need.cy}, room);
                const int y = (style & BS_TOP) ? 0 : std::max<int>((room.cy - need.cy) / 2, 0);
                Place(w, text, mark, y, {std::min(need.cx, room.cx - mark), std::min(need.cy, room.cy)});
            } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
                if (text.empty() || (style & (BS_BITMAP | BS_ICON))) return;
                constexpr int kFrameX = 3, kFrameY = 2;  // the raised frame and the focus line
                const SIZE need = Measure(w, text, wrap, room.cx - 2 * kFrameX);
                Fits(w, text, {need.cx + 2 * kFrameX, need.cy + 2 * kFrameY}, room);
                Shown(w, text, WindowOnScreen(w));
            }
        } else if (IsClass(w, L"ComboBox")) {
            const int count = static_cast<int>(SendMessageW(w, CB_GETCOUNT, 0, 0));
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            GetComboBoxInfo(w, &info);
            // The selected item shows left of the drop button, inside the frame.
            const LONG right = std::min(info.rcItem.right, info.rcButton.left);
            const SIZE itemRoom{right - info.rcItem.left - 2, info.rcItem.bottom - info.rcItem.top};
            for (int i = 0; i < count; ++i) {
                std::wstring item(static_cast<size_t>(SendMessageW(w, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
                item.resize(static_cast<size_t>(SendMessageW(w, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
                SIZE need = Measure(w, item, false, 0, DT_NOPREFIX);
                need.cx = std::max<LONG>(need.cx, PaintedItemWidth(w, i));
                Fits(w, item, need, itemRoom);
            }
            Shown(w, L"", WindowOnScreen(w));
        } else if (IsClass(w, L"Edit")) {
            if (!(style & ES_NUMBER)) return;
            RECT format{};
            SendMessageW(w, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            const SIZE formatRoom{format.right - format.left, room.cy};
            std::vector<std::wstring> values{text};
            if (HWND spin = UpDownOf(w)) {  // the largest number the arrows reach must show whole too
                int low = 0, high = 0;
                SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
                values.push_back(std::to_wstring(high));
            }
            for (const std::wstring& value : values) Fits(w, value, Measure(w, value, false, 0, DT_NOPREFIX), formatRoom);
            Shown(w, L"", WindowOnScreen(w));
        } else if (IsClass(w, WC_LISTVIEWW)) {
            const int rows = static_cast<int>(SendMessageW(w, LVM_GETCOUNTPERPAGE, 0, 0));
            if (rows < 4) ADD_FAILURE() << state_ << ": the list shows " << rows << " rows";
            Shown(w, L"", WindowOnScreen(w));
        } else if (IsClass(w, L"TFilenameEdit") || IsClass(w, L"TDateEdit") || IsClass(w, L"ListBox") ||
                   IsClass(w, L"msctls_trackbar32")) {
            Shown(w, L"", WindowOnScreen(w));
        }
    }

    HWND UpDownOf(HWND edit) const {
        HWND found = nullptr;
        for (HWND s = GetWindow(GetParent(edit), GW_CHILD); s && !found; s = GetWindow(s, GW_HWNDNEXT))
            if (IsClass(s, UPDOWN_CLASSW) && reinterpret_cast<HWND>(SendMessageW(s, UDM_GETBUDDY, 0, 0)) == edit) found = s;
        return found;
    }

    HWND dialog_;
    std::string state_;
    std::vector<Caption> captions_;
};

void Pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

// The sample settings of every page and a plug-in list of several rows.
void WriteSample(OpenDialog& d) {
    test::WriteIni(d.Data(), test::EveryKeyChanged());
    test::Map list{{{"plugins", "items"}, "6"}};
    for (int i = 1; i <= 6; ++i) {
        const std::string file = "module_" + std::to_string(i) + ".dll";
        list[{"plugins", "item_" + std::to_string(i)}] = file;
        list[{file, "enabled"}] = i % 2 ? "1" : "0";
        list[{file, "events"}] = "4";
        list[{file, "class"}] = "TModule";
        list[{file, "info"}] = "Модуль для проверки";
        list[{file, "author"}] = "Автор";
    }
    test::WriteIni(d.Plugins(), list);
}

TEST(SettingsDialogLayout, EveryCaptionFitsOnEveryPageInEveryState) {
    for (int lock : {0, 1, -1}) {
        OpenDialog d(TestName() + std::to_string(lock));
        WriteSample(d);
        d.Show(lock);
        ShowWindow(d.form.Handle(), SW_SHOWNOACTIVATE);
        for (int page : {0, 1, 2, 3, 4, 5}) {
            d.form.SelectPage(page);
            Pump();
            const std::string state = "lock " + std::to_string(lock) + ", page " + std::to_string(page);
            CaptionCheck(d.form.Handle(), state).Run();
            if (page == 3) {
                DataParts& data = d.form.tab_data.Parts();
                data.ToggleExpanded();
                Pump();
                ASSERT_TRUE(data.Expanded());
                CaptionCheck(d.form.Handle(), state + ", period unfolded").Run();
                data.ToggleExpanded();
            }
        }
    }
}

// The hint panel shows its whole text: the hints of the general options for every choice, and whatever
// a click on each box and radio button of every page explains.
TEST(SettingsDialogLayout, EveryHintFitsThePanel) {
    OpenDialog d(TestName());
    WriteSample(d);
    d.Show(1);
    ShowWindow(d.form.Handle(), SW_SHOWNOACTIVATE);
    HWND panel = d.form.Item(IDC_HINT_TEXT);
    RECT room;
    GetClientRect(panel, &room);
    std::vector<std::wstring> seen;
    auto check = [&](const std::wstring& text) {
        if (text.empty()) return;
        for (const std::wstring& s : seen)
            if (s == text) return;
        seen.push_back(text);
        const SIZE need = Measure(panel, text, true, room.right, DT_NOPREFIX);
        EXPECT_TRUE(need.cx <= room.right && need.cy <= room.bottom)
            << Utf8(text) << " needs " << need.cx << " x " << need.cy << ", the panel has " << room.right << " x "
            << room.bottom;
    };

    std::vector<OptionHint> hints;
    for (bool a : {false, true}) {
        for (bool b : {false, true}) hints.push_back(ReinitHint(a, b)), hints.push_back(AutostartFailedHint(a, b));
        for (auto* f : {ProtectionHint, IdleHangUpHint, OnTopHint, HoverHint, HangUpButtonHint, ShutdownHint, LanguageHint})
            hints.push_back(f(a));
    }
    for (int i = 0; i < 16; ++i) hints.push_back(IntervalHint(i)), hints.push_back(MethodHint(i)), hints.push_back(FadeHint(i));
    for (const OptionHint& h : hints) check(fw::Widen(h.text));
    check(fw::Widen(kLevelOrderWarning));
    check(fw::Widen(kChooseSoundFirst));

    for (int page : {0, 1, 2, 3, 4, 5}) {
        d.form.SelectPage(page);
        std::vector<HWND> boxes;
        EnumChildWindows(d.form.Handle(), [](HWND w, LPARAM out) {
            const LONG type = static_cast<LONG>(GetWindowLongPtrW(w, GWL_STYLE)) & BS_TYPEMASK;
            if (IsWindowVisible(w) && IsWindowEnabled(w) && IsClass(w, L"Button") &&
                (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON))
                reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&boxes));
        for (HWND box : boxes)
            for (int twice = 0; twice < 2; ++twice) {
                SendMessageW(box, BM_CLICK, 0, 0);
                Pump();
                check(WindowText(panel));
            }
    }
    // While online the statistics refuse a reset and say why.
    SendMessageW(GetDlgItem(d.form.tab_data.Parts().statistics.Handle(), StatisticsPart::idReset), BM_CLICK, 0, 0);
    check(WindowText(panel));
    EXPECT_GT(seen.size(), 20u);  // the clicks reached the pages' own explanations
}

}  // namespace
}  // namespace quon::config
