#pragma once
// The event-log viewer of the logs page: the lines of data.log turned into the lines it shows, each
// with its colour, after the four filter boxes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quon::config {

struct ViewerFilter {
    bool state = true;       // connect and disconnect (codes 3, 4)
    bool statistics = true;  // the figures of a connection (codes 5, 6)
    bool program = true;     // start, restart, quit (codes 0, 1, 7)
    bool important = true;   // recovery, messages (codes 2, 8) and lines not in the event format
    bool Any() const { return state || statistics || program || important; }
};

struct ViewerLine {
    std::string text;
    uint32_t colour = 0;  // 0x00BBGGRR
};

inline constexpr uint32_t kViewerGrey = 0x808080;

// raw: the lines of data.log in the order they are to be shown. Every event line ("dd.mm.yy|hh:nn:ss|N=..."
// with N 0..8) is shown when its filter box is ticked; section headers and empty lines are not lines of
// the log; any other line is shown as it stands. showReceivedBalance and showSentBalance say whether the
// monthly and the upload limit are set (their balance sub-lines are left out otherwise).
std::vector<ViewerLine> BuildViewerLines(const std::vector<std::string>& raw, const ViewerFilter& filter,
                                         bool showReceivedBalance, bool showSentBalance);

// The one line the viewer shows after the log was deleted.
std::string LogClearedLine(const SYSTEMTIME& now);

}  // namespace quon::config
