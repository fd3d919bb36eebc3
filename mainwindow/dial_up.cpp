#include "mainwindow/dial_up.h"

#include <memory>
#include <vector>

#include "framework/library.h"
#include "framework/text.h"
#include "framework/wnd.h"

namespace quon {
namespace {

RasDialApi g_override;

// One dial: a message-only window that RasDialA notifies, holding the connection handle.
class DialWatcher : public fw::Wnd {
public:
    explicit DialWatcher(const RasDialApi& api) : api_(api) {}
    bool Start(const RASDIALPARAMSA& params, DWORD& result) {
        if (!Create(L"TQuonDialWatcher", 0, 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
        RASDIALPARAMSA copy = params;
        result = api_.dial(nullptr, nullptr, &copy, 0xFFFFFFFF, Handle(), &conn_);
        SecureZeroMemory(&copy, sizeof copy);
        if (result != 0) Finish(true);
        return true;
    }
    bool Finished() const { return finished_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        static const UINT kRasDialEvent = RegisterWindowMessageA(RASDIALEVENT);
        if ((msg == kRasDialEvent || msg == WM_RASDIALEVENT) && !finished_) {
            const auto state = static_cast<RASCONNSTATE>(wp);
            const DWORD error = static_cast<DWORD>(lp);
            if (error != 0 || state == RASCS_Disconnected) Finish(true);
            else if (state == RASCS_Connected) Finish(false);  // the poll tick takes it from here
            return 0;
        }
        return DefaultMessage(msg, wp, lp);
    }

private:
    void Finish(bool hangUp) {
        finished_ = true;
        if (hangUp && conn_ && api_.hangUp) api_.hangUp(conn_);
        conn_ = nullptr;
    }

    RasDialApi api_;
    HRASCONN conn_ = nullptr;
    bool finished_ = false;
};

std::vector<std::unique_ptr<DialWatcher>>& Watchers() {
    static std::vector<std::unique_ptr<DialWatcher>> watchers;
    return watchers;
}

// Finished watchers are destroyed later, never from inside their own window procedure.
void ForgetFinishedDials() {
    auto& all = Watchers();
    std::erase_if(all, [](const std::unique_ptr<DialWatcher>& w) { return w->Finished(); });
}

}  // namespace

RasDialApi SystemRasDialApi() {
    static const RasDialApi api = [] {
        RasDialApi loaded;
        HMODULE ras = LoadLibraryA("rasapi32.dll");
        if (!ras) return loaded;
        loaded.getEntryDialParams =
            fw::Library::ProcOf<std::remove_pointer_t<decltype(loaded.getEntryDialParams)>>(ras, "RasGetEntryDialParamsA");
        loaded.dial = fw::Library::ProcOf<std::remove_pointer_t<decltype(loaded.dial)>>(ras, "RasDialA");
        loaded.hangUp = fw::Library::ProcOf<std::remove_pointer_t<decltype(loaded.hangUp)>>(ras, "RasHangUpA");
        return loaded;
    }();
    return api;
}

void OverrideRasDialApiForTests(const RasDialApi& api) { g_override = api; }

RasDialApi CurrentRasDialApi() { return g_override.dial ? g_override : SystemRasDialApi(); }

bool GetEntryDialParams(const RasDialApi& api, const std::string& entry, RASDIALPARAMSA& params, bool& saved) {
    SecureZeroMemory(&params, sizeof params);
    params.dwSize = sizeof params;
    saved = false;
    if (entry.empty() || entry.size() > RAS_MaxEntryName) return false;
    fw::CopyBounded(params.szEntryName, sizeof params.szEntryName, entry);
    BOOL hasPassword = FALSE;
    if (!api.getEntryDialParams || api.getEntryDialParams(nullptr, &params, &hasPassword) != 0) {
        SecureZeroMemory(&params, sizeof params);
        params.dwSize = sizeof params;
        fw::CopyBounded(params.szEntryName, sizeof params.szEntryName, entry);
        return false;
    }
    params.dwSize = sizeof params;
    fw::CopyBounded(params.szEntryName, sizeof params.szEntryName, entry);
    saved = hasPassword != FALSE;
    return true;
}

DWORD StartDial(const RasDialApi& api, const RASDIALPARAMSA& params) {
    ForgetFinishedDials();
    if (!api.dial) return ERROR_PROC_NOT_FOUND;
    auto watcher = std::make_unique<DialWatcher>(api);
    DWORD result = ERROR_GEN_FAILURE;
    if (!watcher->Start(params, result)) return ERROR_NOT_ENOUGH_MEMORY;
    Watchers().push_back(std::move(watcher));
    return result;
}

int DialsInProgress() {
    int open = 0;
    for (const auto& w : Watchers()) open += w->Finished() ? 0 : 1;
    return open;
}

}  // namespace quon
