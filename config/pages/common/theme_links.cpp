#include "config/pages/common/theme_links.h"

#include "framework/text.h"

namespace quon::config {

namespace {

bool HasControlCharacter(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

}  // namespace

std::string DigitsOnlyText(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

std::optional<std::string> MailLinkTarget(const std::string& address) {
    if (address.empty() || HasControlCharacter(address)) return std::nullopt;
    return "mailto:" + address;
}

std::optional<std::string> WebLinkTarget(const std::string& address) {
    const std::string lower = fw::ToLower1251(address);
    const bool web = (lower.rfind("http://", 0) == 0 && lower.size() > 7) ||
                     (lower.rfind("https://", 0) == 0 && lower.size() > 8);
    if (!web || HasControlCharacter(address) || address.find(' ') != std::string::npos) return std::nullopt;
    return address;
}

std::optional<std::string> MessengerLinkTarget(const std::string& number) {
    const std::string digits = DigitsOnlyText(number);
    if (digits.empty()) return std::nullopt;
    return kMessengerSearch + digits;
}

}  // namespace quon::config
