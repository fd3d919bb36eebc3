#pragma once
// The program's names and version numbers, as replies, plug-ins and boxes give them.
namespace quon {

constexpr int kInterfaceVersion = 2010;  // passed to plug-ins and the settings library
inline constexpr const char* kVersionText = "2.1";
inline constexpr const char* kProductName = "Quon Tollen II";

}  // namespace quon

namespace quon {

// The maker's addresses: the program's site, the help file to download and the support mail.
inline constexpr const char* kHelpFileDownloadUrl = "http://quon-tollen.example/download/help.hlp";
inline constexpr const char* kSupportMail = "support@quon-tollen.example";

}  // namespace quon
