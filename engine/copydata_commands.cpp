#include "engine/copydata_commands.h"

#include <cmath>
#include <cstring>

#include "engine/byte_format.h"
#include "engine/product.h"
#include "framework/ini_file.h"
#include "framework/text.h"

namespace quon {
namespace {


std::string Flag(bool on) { return on ? "1" : "0"; }

// Characters from..to (counted from 1) of text, as far as it reaches.
std::string Characters(const std::string& text, size_t from, size_t to) {
    if (text.size() < from) return {};
    return text.substr(from - 1, to - from + 1);
}

std::string WholeDifference(double now, double before) {
    double d = std::trunc(now - before);
    return std::to_string(static_cast<int64_t>(d));
}

}  // namespace

std::string BoundedCommandText(const void* data, size_t size) {
    if (!data || size == 0) return {};
    const char* bytes = static_cast<const char*>(data);
    size_t limit = size < kCommandTextLimit ? size : kCommandTextLimit;
    const void* nul = std::memchr(bytes, '\0', limit);
    size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : limit;
    return std::string(bytes, n);
}

std::optional<bool> ParseShowWord(const std::string& text) {
    const std::string lower = fw::ToLower1251(text);
    if (text == "1" || lower == "true" || lower == "yes" || lower == "show") return true;
    if (text == "0" || lower == "false" || lower == "no" || lower == "hide") return false;
    return std::nullopt;
}

MoveRequest ParseMove(const std::string& text) {
    return {fw::ParseInteger(Characters(text, 1, 5)), fw::ParseInteger(Characters(text, 7, 11))};
}

int64_t MoveDistance(int64_t requested) { return requested < 50 ? 50 : requested; }

std::optional<int64_t> ParseOpacity(const std::string& text) { return fw::ParseInteger(text); }

Query ParseQuery(const std::string& text) {
    Query q;
    q.name = fw::ToLower1251(Characters(text, 1, 15));
    q.byClass = Characters(text, 17, 17) != "0";
    const std::string code = Characters(text, 19, 19);
    q.replyCode = code.size() == 1 && code[0] >= '0' && code[0] <= '9' ? code[0] - '0' : 0;
    q.requester = text.size() > 20 ? text.substr(20) : std::string();
    return q;
}

std::string QueryReply(const std::string& name, const QuerySource& s) {
    const EngineState& e = s.eng;
    if (name == "get(useronline)") return Flag(e.polledOnline);
    if (name == "get(connection)") return Flag(e.countedOnline);
    if (name == "get(versionnum)") return std::to_string(kInterfaceVersion);
    if (name == "get(versionstr)") return kVersionText;
    if (name == "get(isitnewday)") return Flag(e.newDay);
    if (name == "get(statistics)")
        return Flag(e.polledOnline) + ":" + DigitsOnly(e.connIn) + ":" + DigitsOnly(e.connOut) + ":" +
               e.entryName;
    if (name == "get(dlspeedbps)") return WholeDifference(e.connIn, e.prevIn);
    if (name == "get(ulspeedbps)") return WholeDifference(e.connOut, e.prevOut);
    if (name == "get(dlspeedtxt)") return s.speedText;
    if (name == "get(ulspeedtxt)") return s.uploadText;
    return {};
}

}  // namespace quon
