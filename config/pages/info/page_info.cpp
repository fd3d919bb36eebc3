#include "config/pages/info/page_info.h"

#include "config/dialog/settings_dialog.h"
#include "config/pages/common/theme_links.h"

namespace quon::config {

void PageInfo::OnInitDialog() {
    OnCommand(IDC_URL_HELP, STN_CLICKED, [this] { form.url_helpClick(); });
    OnCommand(IDC_WARNING_3, STN_CLICKED, [this] { form.warning_3Click(); });
    // The link labels: each opens the address in its Hint, mail labels as mail.
    const std::string site = kMakerWeb;
    const struct {
        int id;
        std::string address;
        bool mail;
    } links[] = {{IDC_URL_MAIL, std::string(kMakerMail) + kMailSubject, true},
                 {IDC_URL_EMAIL, std::string(kMakerMail) + kMailSubject, true},
                 {IDC_URL_WEB, site, false},
                 {IDC_URL_MIRROR, kMakerMirror, false},
                 {IDC_URL_OFFICIAL, site, false},
                 {IDC_URL_SKINS, site + "skins.html", false},
                 {IDC_URL_UPDATE, site + "update", false},
                 {IDC_URL_PLUGINS, site + "plugins.html", false},
                 {IDC_URL_WANTED, site + "wanted.html", false}};
    for (const auto& link : links) {
        SetHint(link.id, link.address);
        const int id = link.id;
        const bool mail = link.mail;
        OnCommand(id, STN_CLICKED, [this, id, mail] {
            const auto target = mail ? MailLinkTarget(Hint(id)) : WebLinkTarget(Hint(id));
            if (target) form.openAddress(*target);
        });
    }
}

}  // namespace quon::config
