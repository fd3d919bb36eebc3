#pragma once
// The program's names and version numbers, as replies, plug-ins and boxes give them.
#include "engine/product_version.h"

namespace quon {

constexpr int kInterfaceVersion = 2010;  // passed to plug-ins and the settings library
inline constexpr const char* kVersionText = QUON_VERSION_TEXT;
inline constexpr const char* kProductName = QUON_PRODUCT_NAME;
inline constexpr const wchar_t* kProductNameW = L"" QUON_PRODUCT_NAME;

// The maker's addresses: the help file to download and the support mail.
inline constexpr const char* kHelpFileDownloadUrl = "http://quon-tollen.example/download/help.hlp";
inline constexpr const char* kSupportMail = "support@quon-tollen.example";

}  // namespace quon
