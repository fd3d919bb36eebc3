#include "config/pages/common/option_change.h"

#include <string>

#include "config/dialog/settings_dialog.h"

namespace quon::config {

void OptionChanged(Tfrm_quons& form, const OptionHint& hint) {
    form.EnableApply();
    if (hint.kind < 0) return;
    const std::string text = hint.text;
    form.ShowHintMessage(!text.empty(), hint.kind, text);
}

}  // namespace quon::config
