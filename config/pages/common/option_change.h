#pragma once
// What every option handler does after a change: Apply becomes possible and the hint panel explains
// the change (an empty text clears it; kind -1 leaves the panel as it is).
#include "config/pages/common/general_hints.h"

namespace quon::config {

class Tfrm_quons;

void OptionChanged(Tfrm_quons& form, const OptionHint& hint = {});

}  // namespace quon::config
