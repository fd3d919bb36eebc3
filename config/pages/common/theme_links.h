#pragma once
// The addresses the contact panels and link labels open. What a theme file names goes to the shell only
// as a web (http, https) or mail address, never as a program or a document on disk.
#include <optional>
#include <string>

namespace quon::config {

// The maker's contacts shown for the built-in theme and on the information page.
inline constexpr const char* kMakerMail = "author@quon-tollen.example";
inline constexpr const char* kMakerWeb = "http://quon-tollen.example/";
inline constexpr const char* kMakerMirror = "http://mirror.quon-tollen.example/";
inline constexpr const char* kMakerMessenger = "123-456-789";
inline constexpr const char* kMailSubject = "?subject=Quon%20Tollen%20II";
// The messenger's public search; the number follows the query key "to".
inline constexpr const char* kMessengerSearch = "http://messenger.example/scripts/search.dll?to=";

// The digits of a text, in order.
std::string DigitsOnlyText(const std::string& text);

// "mailto:" + address; nothing for an empty address or one holding a control character.
std::optional<std::string> MailLinkTarget(const std::string& address);
// The address itself when it is an http or https address (scheme in any letter case) without blanks
// or control characters; nothing otherwise.
std::optional<std::string> WebLinkTarget(const std::string& address);
// The messenger search for the digits of the number; nothing when it holds no digit.
std::optional<std::string> MessengerLinkTarget(const std::string& number);

}  // namespace quon::config
