#pragma once
// The program's names and version numbers, as replies, plug-ins and boxes give them.
namespace quon {

constexpr int kInterfaceVersion = 2010;  // passed to plug-ins and the settings library
inline constexpr const char* kVersionText = "2.1";
inline constexpr const char* kProductName = "Quon Tollen II";

}  // namespace quon
