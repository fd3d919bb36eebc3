#include "config/page_info.h"

#include "config/settings_dialog.h"

namespace quon::config {

void PageInfo::OnInitDialog() {
    OnCommand(IDC_URL_HELP, STN_CLICKED, [this] { form.url_helpClick(); });
    OnCommand(IDC_WARNING_3, STN_CLICKED, [this] { form.warning_3Click(); });
}

}  // namespace quon::config
