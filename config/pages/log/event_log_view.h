#pragma once
// The event-log viewer of the log page: the lines of data.log turned into the lines it shows, each
// with its colour, after the four filter boxes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/pages/log/log_files.h"

namespace quon::config {

struct ViewerFilter {
    bool state = true;       // connect and disconnect (codes 3, 4)
    bool statistics = true;  // the figures of a connection (codes 5, 6)
    bool program = true;     // start, restart, quit (codes 0, 1, 7)
    bool important = true;   // recovery, messages (codes 2, 8; a line without a code digit counts as 8)
    bool Any() const { return state || statistics || program || important; }
};

struct ViewerLine {
    std::string text;
    uint32_t colour = 0;  // 0x00BBGGRR
};

inline constexpr uint32_t kViewerGrey = 0x808080;

// raw: the lines of data.log in the order they are to be shown. An event line ("dd.mm.yy|hh:nn:ss|N=..."
// read at its fixed positions) is shown when its filter box is ticked; a line without a digit where the
// code stands counts as a message of the program (code 8), and code 9 is never shown. Section headers and
// empty lines are not lines of the log. showReceivedBalance and showSentBalance say whether the monthly
// and the upload limit are set (their balance sub-lines are left out otherwise).
std::vector<ViewerLine> BuildViewerLines(const std::vector<std::string_view>& raw, const ViewerFilter& filter,
                                         bool showReceivedBalance, bool showSentBalance);

// The viewer's lines over a log read once: which stored line, and which of its lines, each shown line is.
// A line's text is made when it is asked for (drawn or copied), so a long log costs one small entry per
// shown line and no text beside the file's own.
class ViewerModel {
public:
    void Build(LogLines log, const ViewerFilter& filter, bool showReceivedBalance, bool showSentBalance);
    void Show(std::vector<ViewerLine> lines);  // lines of their own: the hint at the start, the cleared log
    size_t Count() const { return fixed_.size() + entries_.size(); }  // one of them is empty
    ViewerLine Line(size_t index) const;  // an empty grey line past the end

private:
    struct Entry {
        uint32_t stored;  // the line of the log
        uint32_t part;    // which of the lines made from it
    };
    LogLines log_;
    std::vector<Entry> entries_;
    std::vector<ViewerLine> fixed_;
    ViewerFilter filter_;
    bool receivedBalance_ = true, sentBalance_ = true;
};

// The one line the viewer shows after the log was deleted.
std::string LogClearedLine(const SYSTEMTIME& now);

}  // namespace quon::config
