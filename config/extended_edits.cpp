#include "config/extended_edits.h"

namespace quon::config {

// The fields are plain edits for now (extended_edit_classes.h); their own classes come with them.
ExtendedEdits::ExtendedEdits(HINSTANCE) {}
ExtendedEdits::~ExtendedEdits() {}

}  // namespace quon::config
