// The "соединиться с..." items: dial an entry with its saved credentials or through the login box.
#include "framework/text.h"
#include "mainwindow/dial_up.h"
#include "mainwindow/login_box.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::sub_connectClick(fw::MenuItem& item) {
    // The item carries the entry name as the system listed it; the caption is only what the menu shows.
    const RasDialApi api = CurrentRasDialApi();
    RASDIALPARAMSA params;
    bool saved = false;
    GetEntryDialParams(api, item.data, params, saved);
    if (params.szEntryName[0] == '\0') return;
    struct Wipe {
        RASDIALPARAMSA& p;
        ~Wipe() { SecureZeroMemory(&p, sizeof p); }
    } wipe{params};

    if (!saved) {
        Tfrm_login* box = LoginBox();
        if (!box || box->Showing()) return;
        box->SetCredentials(params.szUserName, params.szPassword);
        mnu_popup.autoPopup = false;
        const bool accepted = box->ShowModal();
        mnu_popup.autoPopup = true;
        RestoreTopMosts();
        if (!accepted) return;
        fw::CopyBounded(params.szUserName, sizeof params.szUserName, box->UserName());
        fw::CopyBounded(params.szPassword, sizeof params.szPassword, box->Password());
    }
    StartDial(api, params);
}

}  // namespace quon
