#include "config/pages/log/log_part.h"

#include <commctrl.h>

#include <cstring>

#include "config/pages/log/log_files.h"
#include "config/pages/common/page_controls.h"
#include "engine/event_log_format.h"
#include "framework/context_menu_point.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr int kPictureWidth = 15, kPictureHeight = 31;
constexpr COLORREF kViewerBack = 0xFFFAF0;

// One level picture: five segments from the bottom, as many lit as the level.
void DrawLevel(HDC dc, int x, int y, int level) {
    static const COLORREF kLit[5] = {RGB(0, 160, 0), RGB(0, 220, 0), RGB(220, 220, 0), RGB(255, 140, 0), RGB(255, 0, 0)};
    RECT r{x, y, x + kPictureWidth, y + kPictureHeight};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (int s = 0; s < 5; ++s) {
        RECT seg{x + 2, y + kPictureHeight - 3 - (s + 1) * 5 - s, x + kPictureWidth - 2, y + kPictureHeight - 3 - s * 6};
        SetDCBrushColor(dc, s < level ? kLit[s] : RGB(48, 48, 48));
        FillRect(dc, &seg, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

std::string LogPath(const char* name) { return fw::ProgramFolder() + name; }

}  // namespace

LogPart::LogPart(PageHost& host) : host_(host) {
    tick_ = std::make_unique<fw::Timer>(*this, 1, 100);
    tick_->onTimer = [this] { PlayTick(); };
}

bool LogPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreatePart(L"QuonLogsPage", parent, x, y, w, h)) return false;
    HWND p = Handle();
    AddGroup(p, " о п ц и и ", 0, 0, 200, 96);
    logData_ = AddCheck(p, "ВЕСТИ  ЖУРНАЛ  СОБЬIТИЙ", 10, 20, 180, 16, idLogData);
    logTraffic_ = AddCheck(p, "ВЕСТИ  ЖУРНАЛ  СКОРОСТИ", 10, 44, 180, 16, idLogTraffic);
    logClear_ = AddCheck(p, "ОЧИЩАТЬ  РАЗ  В  МЕСЯЦ", 10, 68, 180, 16, idLogClear);

    AddGroup(p, " ж у р н а л   с к о р о с т и ", 206, 0, w - 206, 96);
    stripView_ = AddLabel(p, "", 216, 16, kPictureWidth * static_cast<int>(kStripLength), kPictureHeight, idStrip,
                          SS_OWNERDRAW);
    bar_ = AddControl(p, PROGRESS_CLASSW, "", PBS_SMOOTH, 216, 52, kPictureWidth * static_cast<int>(kStripLength), 12,
                      idBar);
    interval_ = AddDropList(p, 216, 68, 70, 160, idInterval, {"x1", "x2", "x5", "x10", "x20", "x50", "x100"});
    Select(interval_, 3);
    speed_ = AddButton(p, "ЗАПУСК", 292, 68, 100, 22, idSpeed);

    const int vh = h - 100 - 50;
    AddGroup(p, " ж у р н а л    с о б ы т и й ", 0, 100, w, vh);
    viewer_ = AddControl(p, WC_LISTBOXW, "",
                         LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL,
                         10, 116, w - 20, vh - 46, idViewer, WS_EX_CLIENTEDGE);
    SendMessageW(viewer_, LB_SETHORIZONTALEXTENT, 900, 0);
    ShowLines({{"Нажмите кнопку «показать» для загрузки данных из журнала событий...", kViewerGrey}, {"", kViewerGrey}});
    const char* filters[4] = {"СОСТОЯНИЕ", "СТАТИСТИКА", "ПРОГРАММА", "ВАЖНАЯ  ИНФОРМАЦИЯ"};
    const int fx[4] = {8, 96, 190, 280}, fw[4] = {86, 92, 88, 154};
    for (int i = 0; i < 4; ++i) {
        vis_[i] = AddCheck(p, filters[i], fx[i], 100 + vh - 26, fw[i], 16, idVisA + i);
        SetChecked(vis_[i], true);
    }
    show_ = AddButton(p, "ПОКАЗАТЬ", w - 110, 100 + vh - 29, 100, 22, idShow);

    AddGroup(p, " д е й с т в и я ", 0, h - 46, w, 46);
    AddButton(p, "ОЧИСТИТЬ  ЖУРНАЛ  СОБЬIТИЙ", 10, h - 30, (w - 30) / 2, 22, idClearData);
    AddButton(p, "ОЧИСТИТЬ  ЖУРНАЛ  СКОРОСТИ", 20 + (w - 30) / 2, h - 30, (w - 30) / 2, 22, idClearSpeed);
    return true;
}

void LogPart::Fill(const SettingsValues& v) {
    SetChecked(logData_, v.box_log_data);
    SetChecked(logClear_, v.box_log_clear);
    SetChecked(logTraffic_, v.box_log_traffic);
}

void LogPart::Collect(SettingsValues& v) const {
    v.box_log_data = Checked(logData_);
    v.box_log_clear = Checked(logClear_);
    v.box_log_traffic = Checked(logTraffic_);
}

// The list box holds no lines, only their number: each is made from the log when it is drawn.
void LogPart::ShowModel() {
    SendMessageW(viewer_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(viewer_, LB_RESETCONTENT, 0, 0);
    SendMessageW(viewer_, LB_SETCOUNT, model_.Count(), 0);
    SendMessageW(viewer_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(viewer_, nullptr, TRUE);
}

void LogPart::ShowLines(const std::vector<ViewerLine>& lines) {
    model_.Show(lines);
    ShowModel();
}

void LogPart::LoadViewer() {
    loaded_ = true;
    EnableWindow(show_, FALSE);
    UpdateWindow(show_);
    std::optional<LogLines> lines = ReadEventLogLines(LogPath(kEventLogFile));
    if (!lines) {
        host_.Box("невозможно прочитать журнал событий", MB_ICONWARNING);
        EnableWindow(show_, TRUE);
        return;
    }
    const ViewerFilter filter{Checked(vis_[0]), Checked(vis_[1]), Checked(vis_[2]), Checked(vis_[3])};
    model_.Build(std::move(*lines), filter, receivedLimitSet(), sentLimitSet());
    ShowModel();
    EnableWindow(show_, TRUE);
}

void LogPart::ClickFilter(int box) {
    SetChecked(vis_[box], !Checked(vis_[box]));
    OnCommand(idVisA + box, BN_CLICKED);
}

void LogPart::ClearEventLog() {
    if (host_.Box("очистить журнал событий сейчас?", MB_ICONQUESTION | MB_YESNO) != IDYES) return;
    if (!DeleteLogFile(LogPath(kEventLogFile))) {
        host_.Box("невозможно удалить журнал событий:\nфайл занят другой программой или защищён от удаления", MB_ICONWARNING);
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    ShowLines({{LogClearedLine(now), kViewerGrey}});
}

void LogPart::ClearActivityLog() {
    if (host_.Box("очистить журнал скорости сейчас?", MB_ICONQUESTION | MB_YESNO) != IDYES) return;
    if (!DeleteLogFile(LogPath(kActivityLogFile)))
        host_.Box("невозможно удалить журнал скорости:\nфайл занят другой программой или защищён от удаления", MB_ICONWARNING);
}

void LogPart::StartPlayback() {
    const std::optional<std::string> text = ReadActivityLog(LogPath(kActivityLogFile));
    if (!text) return;
    playback_.Start(*text);
    SendMessageW(bar_, PBM_SETRANGE32, 0, static_cast<LPARAM>(playback_.Length()));
    SendMessageW(bar_, PBM_SETPOS, 0, 0);
    tick_->SetEnabled(true);
    EnableWindow(speed_, FALSE);
}

void LogPart::PlayTick() {
    if (!playback_.Tick(strip_)) {
        tick_->SetEnabled(false);
        EnableWindow(speed_, TRUE);
        return;
    }
    InvalidateRect(stripView_, nullptr, FALSE);
    SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(playback_.Position()), 0);
}

void LogPart::StopPlayback() {
    playback_.Stop();
    tick_->SetEnabled(false);
    EnableWindow(speed_, TRUE);
    SendMessageW(bar_, PBM_SETPOS, 0, 0);
}

void LogPart::CopyLine() {
    const LRESULT at = SendMessageW(viewer_, LB_GETCURSEL, 0, 0);
    if (at == LB_ERR) {
        host_.Box("ничего не выделено", MB_ICONWARNING);
        return;
    }
    const std::wstring text = fw::Widen(model_.Line(static_cast<size_t>(at)).text);
    if (!OpenClipboard(Handle())) return;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);  // with the terminator
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(mem), text.c_str(), bytes);
        GlobalUnlock(mem);
        if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
    }
    CloseClipboard();
}

void LogPart::OnCommand(int id, int code) {
    switch (id) {
        case idLogData:
            host_.EnableApply();
            host_.ShowHint(false, 0, "");
            return;
        case idLogTraffic:
            host_.EnableApply();
            if (Checked(logTraffic_))
                host_.ShowHint(true, 2, "Нерекомендуется использовать эту опцию, так как со временем нагрузки на процессор и жёсткий диск возрастут...");
            else
                host_.ShowHint(true, 0, "");
            return;
        case idLogClear:
            host_.EnableApply();
            if (!Checked(logClear_))
                host_.ShowHint(true, 2, "Крайне нерекомендуется отключать эту опцию, так как это может вызвать некорректную сортировку событий при чтении журнала...");
            else
                host_.ShowHint(true, 0, "");
            return;
        case idInterval:
            if (code == CBN_SELCHANGE) tick_->SetInterval(PlaybackInterval(Selection(interval_)));
            return;
        case idSpeed: StartPlayback(); return;
        case idShow:
        case idMenuLoad: LoadViewer(); return;
        case idMenuCopy: CopyLine(); return;
        case idVisA: case idVisB: case idVisC: case idVisD: {
            const ViewerFilter filter{Checked(vis_[0]), Checked(vis_[1]), Checked(vis_[2]), Checked(vis_[3])};
            if (!filter.Any()) {
                host_.Box("не выделен ни один тип отображаемой информации", MB_ICONWARNING);
                return;
            }
            if (loaded_) LoadViewer();
            return;
        }
        case idClearData: ClearEventLog(); return;
        case idClearSpeed: ClearActivityLog(); return;
        default: return;
    }
}

void LogPart::DrawStrip(const DRAWITEMSTRUCT& d) const {
    // The newest picture is the rightmost.
    for (size_t i = 0; i < kStripLength; ++i)
        DrawLevel(d.hDC, d.rcItem.left + static_cast<int>(kStripLength - 1 - i) * kPictureWidth, d.rcItem.top, strip_[i]);
}

void LogPart::DrawLine(const DRAWITEMSTRUCT& d) const {
    if (d.itemID == static_cast<UINT>(-1)) return;
    const bool selected = d.itemState & ODS_SELECTED;
    SetDCBrushColor(d.hDC, selected ? GetSysColor(COLOR_HIGHLIGHT) : kViewerBack);
    FillRect(d.hDC, &d.rcItem, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const ViewerLine line = model_.Line(d.itemID);
    SetTextColor(d.hDC, d.itemState & ODS_FOCUS ? RGB(255, 255, 255) : static_cast<COLORREF>(line.colour));
    SetBkMode(d.hDC, TRANSPARENT);
    const std::wstring text = fw::Widen(line.text);
    HGDIOBJ old = SelectObject(d.hDC, PageFont());
    TextOutW(d.hDC, d.rcItem.left + 2, d.rcItem.top, text.c_str(), static_cast<int>(text.size()));
    SelectObject(d.hDC, old);
}

LRESULT LogPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = 14;
            return TRUE;
        case WM_DRAWITEM: {
            const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (d.CtlID == idStrip) DrawStrip(d);
            if (d.CtlID == idViewer) DrawLine(d);
            return TRUE;
        }
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wp) == viewer_) {
                HMENU menu = CreatePopupMenu();
                AppendMenuW(menu, MF_STRING, idMenuLoad, fw::Widen("Показать данные журнала событий").c_str());
                AppendMenuW(menu, MF_STRING, idMenuCopy, fw::Widen("Копировать строку в буфер обмена").c_str());
                const POINT at = fw::ContextMenuPoint(viewer_, lp);  // from the keyboard: under the selected line
                TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
                DestroyMenu(menu);
                return 0;
            }
            return DefaultMessage(msg, wp, lp);
        case WM_CTLCOLORLISTBOX:
            if (reinterpret_cast<HWND>(lp) == viewer_) {
                SetDCBrushColor(reinterpret_cast<HDC>(wp), kViewerBack);
                return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
            }
            return DefaultMessage(msg, wp, lp);
        case WM_SHOWWINDOW:
            if (!wp) StopPlayback();
            return DefaultMessage(msg, wp, lp);
        case WM_ERASEBKGND: EraseWithFace(Handle(), reinterpret_cast<HDC>(wp)); return 1;
        default: return DefaultMessage(msg, wp, lp);
    }
}

}  // namespace quon::config
