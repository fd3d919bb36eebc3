#include "config/dialog/call_settings.h"

#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "config/settings/conversions.h"
#include "config/pages/common/extended_edits.h"
#include "config/dialog/settings_dialog.h"
#include "engine/product.h"
#include "framework/message_box.h"

namespace quon::config {
namespace {

HINSTANCE g_resources = nullptr;

// COM for this call only (the shell link of the autostart choice); released only when taken here.
class ComForThisCall {
public:
    ComForThisCall() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComForThisCall() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

}  // namespace

void SetResourceModule(HINSTANCE module) { g_resources = module; }
HINSTANCE ResourceModule() { return g_resources ? g_resources : GetModuleHandleW(nullptr); }

bool CallSettings(int page, int version, const char* state) {
    const int lock = StatisticsLock(state);  // the dialog keeps nothing of the caller's text
    ComForThisCall com;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ExtendedEdits edits(ResourceModule());

    Tfrm_quons form(ResourceModule());
    if (form.Create()) {
        form.mainVersion = version;
        form.SelectPage(page);
        form.SetStatisticsLock(lock);
        bool shown = false;
        for (int attempt = 0; attempt < 2 && !shown; ++attempt) {
            try {
                if (attempt > 0) ShowWindow(form.Handle(), SW_HIDE);
                form.ShowModal();
                shown = true;
            } catch (...) {
            }
        }
        if (!shown)
            fw::ShowBox(std::string("внимание!  невозможно  открыть  окно  настроек  программы...\n"
                                    "срочно обратитесь к производителю через e-mail: ") +
                            kSupportMail,
                        MB_ICONWARNING);
    }
    return true;
}

}  // namespace quon::config
