#include "config/dialog/settings_dialog.h"

#include <commctrl.h>
#include <shellapi.h>


#include "config/dialog/frame_ids.h"
#include "engine/settings_pages.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {
namespace {

struct PageEntry {
    int page;
    int button;
    const char* header;
};

constexpr PageEntry kPages[] = {
    {pgOptions, IDC_BTN_OPTIONS, ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI"},
    {pgInterface, IDC_BTN_INTERFACE, ">>> НАСТРОЙКИ  ВНЕШНЕГО  ВИДА"},
    {pgEvents, IDC_BTN_EVENTS, ">>> НАСТРОЙКИ  ИНДИКАТОРОВ  СОСТОЯНИЯ"},
    {pgData, IDC_BTN_DATA, ">>> ДАННЬIЕ  и  СТАТИСТИКА"},
    {pgLog, IDC_BTN_LOG, ">>> ЖУРНАЛ  и  его  ведение"},
    {pgInfo, IDC_BTN_INFO, ">>> ИНФОРМАЦИЯ  и  ССЬIЛКИ"},
    {pgStatistics, IDC_BTN_STAT, ">>> ТАБЛИЦА  СТАТИСТИКИ"},
};

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 450;

}  // namespace

const char* PageHeader(int page) {
    for (const PageEntry& entry : kPages)
        if (entry.page == page) return entry.header;
    return nullptr;
}

void SettingsPage::OnHandlerFault() {}

Tfrm_quons::Tfrm_quons(HINSTANCE resources) : resources_(resources), hintColour_(GetSysColor(COLOR_BTNFACE)) {
    sendToMainWindow = [this](int code, const std::string& message) { SendCommandToMainWindow(Handle(), code, message); };
    showWarning = [](const std::string& text) { fw::ShowBox(text, MB_ICONWARNING); };
    openHelp = [this](const std::string& file, int context) {
        WinHelpA(Handle(), file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
    };
    ask = [](const std::string& question) { return fw::ShowBox(question, MB_ICONQUESTION | MB_YESNO) == IDYES; };
    openAddress = [this](const std::string& address) {
        ShellExecuteA(Handle(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    firstArgument = [] {
        int count = 0;
        LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
        std::string first = args && count > 1 ? fw::Narrow(args[1]) : std::string();
        if (args) LocalFree(args);
        return first;
    };
}

Tfrm_quons::~Tfrm_quons() {
    // Child pages go with the dialog; their objects forget their windows first.
    for (int page : {pgOptions, pgInterface, pgEvents, pgData, pgLog, pgInfo, pgStatistics})
        if (SettingsPage* p = PageAt(page)) p->Destroy();
    Destroy();
    ReleaseResources();
}

bool Tfrm_quons::Create() {
    if (!CreateTopLevel(resources_, IDD_QUONS)) return false;
    static const struct {
        int templateId;
        int page;
    } kTemplates[] = {{IDD_PAGE_OPTIONS, pgOptions}, {IDD_PAGE_INTERFACE, pgInterface}, {IDD_PAGE_EVENTS, pgEvents},
                      {IDD_PAGE_DATA, pgData},       {IDD_PAGE_LOG, pgLog},             {IDD_PAGE_INFO, pgInfo},
                      {IDD_PAGE_STATS, pgStatistics}};
    for (const auto& t : kTemplates)
        if (!PageAt(t.page)->CreateChild(resources_, t.templateId, Handle())) return false;
    PlacePages();
    FormCreate();
    return true;
}

SettingsPage* Tfrm_quons::PageAt(int page) {
    switch (page) {
        case pgOptions: return &tab_options;
        case pgInterface: return &tab_interface;
        case pgEvents: return &tab_events;
        case pgData: return &tab_data;
        case pgLog: return &tab_log;
        case pgInfo: return &tab_info;
        case pgStatistics: return &tab_stats;
        default: return nullptr;
    }
}

void Tfrm_quons::OnInitDialog() {
    // The client area is fixed in pixels, whatever the dialog font makes of the template's units.
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    for (const PageEntry& entry : kPages) {
        const int id = entry.button;
        OnCommand(id, BN_CLICKED, [this, id] { btn_optionsClick(id); });
    }
    OnCommand(IDC_BTN_OK, BN_CLICKED, [this] { btn_okClick(); });
    OnCommand(IDC_BTN_APPLY, BN_CLICKED, [this] { btn_applyClick(); });
    OnCommand(IDC_BTN_CANCEL, BN_CLICKED, [this] { btn_cancelClick(); });
    OnCommand(IDCANCEL, BN_CLICKED, [this] { btn_cancelClick(); });  // Esc and the system's close
    OnCommand(IDOK, BN_CLICKED, [this] { btn_okClick(); });          // Enter on the default button
    OnCommand(IDC_SUB_ESC, 1, [this] { btn_cancelClick(); });
    OnCommand(IDC_SUB_CTRLS, 1, [this] { btn_applyClick(); });
    OnCommand(IDC_SUB_CTRLENTER, 1, [this] { btn_okClick(); });
    OnCommand(IDC_SUB_F1, 1, [this] { sub_f1Click(); });

    ACCEL keys[] = {{FVIRTKEY, VK_ESCAPE, IDC_SUB_ESC},
                    {FVIRTKEY | FCONTROL, 'S', IDC_SUB_CTRLS},
                    {FVIRTKEY | FCONTROL, VK_RETURN, IDC_SUB_CTRLENTER},
                    {FVIRTKEY, VK_F1, IDC_SUB_F1}};
    accelerators_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

void Tfrm_quons::PlacePages() {
    RECT area;
    GetWindowRect(Item(IDC_GRP_CONTENTS), &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, -6, -6);
    area.top += 6;  // below the group's frame line
    for (int page : {pgOptions, pgInterface, pgEvents, pgData, pgLog, pgInfo, pgStatistics})
        SetWindowPos(PageAt(page)->Handle(), HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
}

void Tfrm_quons::FormCreate() {
    Dialog::SetTag(IDC_BTN_OPTIONS, 0);
    LOGFONTW font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    GetObjectW(dialogFont ? static_cast<HGDIOBJ>(dialogFont) : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&font);
    LOGFONTW hint{};
    hint.lfHeight = -11;
    hint.lfWeight = FW_NORMAL;
    hint.lfCharSet = RUSSIAN_CHARSET;
    lstrcpynW(hint.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    hintFont_ = CreateFontIndirectW(&hint);
    SendMessageW(Item(IDC_HINT_TEXT), WM_SETFONT, reinterpret_cast<WPARAM>(hintFont_), FALSE);
    SelectPage(pgOptions);
    UseHandOverLinks();

    // The Startup folders for the autostart shortcuts; a folder the system does not name is no place.
    const StartupLinks links = ReadStartupLinks();
    userStartupLink = fw::Narrow(links.user);
    commonStartupLink = fw::Narrow(links.common);
}

void Tfrm_quons::UseHandOverLinks() {
    linkCursor_.Load(resources_);
    for (int id : {IDC_PNL_MAIL, IDC_PNL_WEB, IDC_PNL_ICQ}) linkCursor_.Add(tab_interface.Item(id));
    for (int id : {IDC_URL_MAIL, IDC_URL_WEB, IDC_URL_MIRROR, IDC_URL_OFFICIAL, IDC_URL_SKINS, IDC_URL_PLUGINS,
                   IDC_URL_UPDATE, IDC_URL_HELP, IDC_WARNING_3})
        linkCursor_.Add(tab_info.Item(id));
    const HWND statistics = tab_data.Parts().statistics.Handle();
    for (int field = 1; field <= kStatFieldCount; ++field)
        linkCursor_.Add(GetDlgItem(statistics, StatisticsPart::PlusId(field)));
}

void Tfrm_quons::SelectPage(int page) {
    for (const PageEntry& entry : kPages) {
        HFONT font = entry.page == page ? boldFont_ : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        SendMessageW(Item(entry.button), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (const char* header = PageHeader(page)) SetText(IDC_TXT_NAME, header);
    if (page >= 0 && page <= 7) {
        pageIndex_ = page;
        for (int p : {0, 1, 2, 3, 4, 5, 7}) ShowWindow(PageAt(p)->Handle(), p == page ? SW_SHOW : SW_HIDE);
    }
    Show(IDC_TXT_MODULE, page >= 5 && page != 7);
}

void Tfrm_quons::btn_optionsClick(int buttonId) {
    for (const PageEntry& entry : kPages)
        if (entry.button == buttonId) SelectPage(entry.page);
}

int Tfrm_quons::StatisticsLock() const { return tab_data.Tag(IDC_GRP_DATA); }
void Tfrm_quons::SetStatisticsLock(int lock) { tab_data.SetTag(IDC_GRP_DATA, lock); }

void Tfrm_quons::ShowModal() {
    FormShow();
    RunModal(accelerators_);
}

void Tfrm_quons::ReleaseResources() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_), accelerators_ = nullptr;
    if (boldFont_) DeleteObject(boldFont_), boldFont_ = nullptr;
    if (hintFont_) DeleteObject(hintFont_), hintFont_ = nullptr;
    linkCursor_.Release();
}

bool Tfrm_quons::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    switch (msg) {
        case WM_TIMER:
            if (wp == kBlinkTimer) tmr_psTimer();
            else if (wp == kHideTimer) tmr_hideTimer();
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item->CtlID != IDC_HINT_TYPE) return false;
            DrawHintType(*item);
            result = TRUE;
            return true;
        }
        case WM_SETCURSOR:  // a child's cursor question reaches the frame first
            if (!linkCursor_.SetFor(reinterpret_cast<HWND>(wp), LOWORD(lp))) return false;
            SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
            result = TRUE;
            return true;
        case WM_CLOSE:
            btn_cancelClick();
            return true;
        case WM_DESTROY:
            KillTimer(Handle(), kBlinkTimer);
            KillTimer(Handle(), kHideTimer);
            return false;
    }
    return false;
}

}  // namespace quon::config
