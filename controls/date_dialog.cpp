#include "controls/date_dialog.h"

#include <vector>

#include "controls/calendar_view.h"
#include "controls/registry.h"
#include "controls/resource_ids.h"
#include "controls/system_locale.h"
#include "framework/text.h"

namespace controls {
namespace {
constexpr int kWidth = 222, kHeight = 154, kTitle = 22, kButtons = 21;

struct DialogState {
    DateValue date;
    const DateDialogOptions* options;
    CalendarView* calendar = nullptr;
};

void Build(HWND dlg, DialogState& s) {
    std::wstring title = s.options->title.empty() ? ResourceText(IDS_DATE_DIALOG_TITLE) : fw::Widen(s.options->title);
    SetWindowTextW(dlg, title.c_str());
    RECT frame{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_EXSTYLE)));
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    SetWindowPos(dlg, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2 - w / 2, GetSystemMetrics(SM_CYSCREEN) / 2 - h / 2,
                 w, h, SWP_NOZORDER);
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, kCalendarClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                                kWidth, kHeight - kButtons, dlg, reinterpret_cast<HMENU>(100), ControlsModule(),
                                nullptr);
    s.calendar = CalendarView::From(view);
    HWND ok = CreateWindowExW(0, L"BUTTON", ResourceText(IDS_OK).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                              BS_DEFPUSHBUTTON, 0, kHeight - kButtons, 112, kButtons, dlg,
                              reinterpret_cast<HMENU>(IDOK), ControlsModule(), nullptr);
    HWND cancel = CreateWindowExW(0, L"BUTTON", ResourceText(IDS_CANCEL).c_str(), WS_CHILD | WS_VISIBLE |
                                  WS_TABSTOP, 111, kHeight - kButtons, 111, kButtons, dlg,
                                  reinterpret_cast<HMENU>(IDCANCEL), ControlsModule(), nullptr);
    for (HWND c : {view, ok, cancel}) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!s.calendar) return;
    s.calendar->SetTakesFocus(true);
    s.calendar->SetTitleHeight(kTitle);
    s.calendar->SetStartOfWeek(s.options->startOfWeek);
    s.calendar->SetWeekends(s.options->weekends);
    s.calendar->SetWeekendColor(s.options->weekendColor);
    s.calendar->SetHints(s.options->hints);
    DateValue start = s.date == kNullDate || !ValidDateValue(s.date) ? Today() : s.date;
    s.calendar->SetDate(start);
    s.calendar->onDialogKey = [dlg](UINT vk) { PostMessageW(dlg, WM_COMMAND, vk == VK_RETURN ? IDOK : IDCANCEL, 0); };
    s.calendar->onDayDoubleClick = [dlg] { PostMessageW(dlg, WM_COMMAND, IDOK, 0); };
    SetFocus(view);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        auto* s = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        switch (msg) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(dlg, DWLP_USER, lp);
                Build(dlg, *reinterpret_cast<DialogState*>(lp));
                return FALSE;  // the focus is set
            case WM_COMMAND:
                if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
                    if (LOWORD(wp) == IDOK && s && s->calendar) s->date = s->calendar->Date();
                    EndDialog(dlg, LOWORD(wp));
                    return TRUE;
                }
                break;
            default:
                break;
        }
    } catch (const std::exception& e) {
        ReportControlFault(&e);
    } catch (...) {
        ReportControlFault(nullptr);
    }
    return FALSE;
}
}  // namespace

bool SelectDate(HWND owner, DateValue& date, const DateDialogOptions& options) {
    // An empty in-memory template: the dialog builds its controls in pixels when it starts.
    std::vector<WORD> tpl(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* t = reinterpret_cast<DLGTEMPLATE*>(tpl.data());
    t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t->dwExtendedStyle = WS_EX_TOOLWINDOW;
    t->cx = 100;
    t->cy = 60;
    DialogState state{date, &options};
    INT_PTR result = DialogBoxIndirectParamW(ControlsModule(), t, owner, &DialogProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return false;
    // The calendar window is gone by now: the date was read when OK ended the dialog.
    date = state.date;
    return true;
}

}  // namespace controls
