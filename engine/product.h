#pragma once
// The program's names and version numbers, as replies, plug-ins and boxes give them.
#include "engine/product_version.h"

namespace quon {

constexpr int kInterfaceVersion = 2010;  // passed to plug-ins and the settings library
inline constexpr const char* kVersionText = QUON_VERSION_TEXT;
inline constexpr const char* kProductName = QUON_PRODUCT_NAME;

}  // namespace quon
