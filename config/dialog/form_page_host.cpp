#include "config/dialog/form_page_host.h"

#include "config/dialog/settings_dialog.h"

namespace quon::config {

void FormPageHost::ShowHint(bool show, int kind, const std::string& text) { form_.ShowHintMessage(show, kind, text); }

void FormPageHost::EnableApply() { form_.EnableApply(); }

void FormPageHost::EnableOkApply(bool on) {
    form_.Enable(IDC_BTN_OK, on);
    form_.Enable(IDC_BTN_APPLY, on);
}

bool FormPageHost::Loading() const { return form_.isLoading; }

int FormPageHost::StatisticsLock() const { return form_.StatisticsLock(); }

int FormPageHost::MainVersion() const { return form_.mainVersion; }

int FormPageHost::Box(const std::string& text, unsigned flags) {
    if (flags & MB_YESNO) return form_.ask(text) ? IDYES : IDNO;
    form_.showWarning(text);
    return IDOK;
}

}  // namespace quon::config
