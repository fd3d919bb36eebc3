#include "config/pages/common/extended_edits.h"

#include "controls/controls.h"

namespace quon::config {

ExtendedEdits::ExtendedEdits(HINSTANCE module) { controls::RegisterControlClasses(module); }

// Every window of the classes is gone by now: the dialog is destroyed before this object.
ExtendedEdits::~ExtendedEdits() { controls::ReleaseControlResources(); }

}  // namespace quon::config
