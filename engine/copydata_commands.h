#pragma once
// The text commands other windows send the main window by WM_COPYDATA: the bounded copy of the text,
// the reading of each command's text, and the replies to the queries (code 88). The window side only
// carries out what these decide.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/engine_state.h"

namespace quon {

// The window classes the messages go to: the main window takes the commands below, the external
// indicator its level and close. Other programs and plug-ins find both by these names.
inline constexpr const char* kMainWindowClass = "Tfrm_quonm";
inline constexpr const wchar_t* kMainWindowClassW = L"Tfrm_quonm";
inline constexpr const char* kIndicatorWindowClass = "Tfrm_quonx";

enum CopyDataCode : int32_t {
    cdReloadSettings = 0,
    cdMoveWindow = 1,
    cdSetOpacity = 2,
    cdHangUp = 3,
    cdReboot = 4,
    cdShowWindow = 5,
    cdShowTrayIcon = 6,
    cdQuery = 88,
    // Sent by the program to other windows.
    cdLevel = 1,
    cdClose = 11,
    cdClear = 13,
};

inline constexpr size_t kCommandTextLimit = 255;  // bytes of text; the receiving buffer adds the NUL
inline constexpr const char* kHangUpText = "Perform(HangUp)";
inline constexpr const char* kRebootText = "Perform(Reboot)";
inline constexpr const char* kClearText = "Clear()";
inline constexpr const char* kCloseText = "Close()";

// The text of a received message: at most kCommandTextLimit bytes, up to the first NUL, never more than
// size bytes read. A null pointer or a zero size is the empty text.
std::string BoundedCommandText(const void* data, size_t size);

// Codes 5 and 6: true for a show word, false for a hide word, nullopt for anything else.
std::optional<bool> ParseShowWord(const std::string& text);

// Code 1: x from characters 1-5, y from characters 7-11; each nullopt when not a whole number.
struct MoveRequest {
    std::optional<int64_t> x, y;
};
MoveRequest ParseMove(const std::string& text);
// The distance of the window's edge from the screen's far edge: never less than 50 pixels.
int64_t MoveDistance(int64_t requested);

// Code 2: the opacity number, nullopt when the text is not a whole number.
std::optional<int64_t> ParseOpacity(const std::string& text);

// Code 88, by position: name 1-15 (lower case), 17 "0" for a title else a class, 19 the reply code,
// 21.. the requester.
struct Query {
    std::string name;
    bool byClass = true;
    int replyCode = 0;
    std::string requester;  // empty: no reply is sent
};
Query ParseQuery(const std::string& text);

// What a query reads: the engine state, the two speed texts and the new-day flag.
struct QuerySource {
    const EngineState& eng;
    const std::string& speedText;
    const std::string& uploadText;
};
// The reply to a query name (already in lower case); "" for an unknown name.
std::string QueryReply(const std::string& name, const QuerySource& source);

}  // namespace quon
