#pragma once
// The log page's reading and deleting of data.log and traffic.log.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quon::config {

// The lines of a log, each a view into the text of the file, which they share; without their line breaks.
struct LogLines {
    std::shared_ptr<const std::string> text;
    std::vector<std::string_view> lines;
};

// The lines of the event log in a sorted list box's order (case-insensitive text order of the user's
// locale); nullopt when the file cannot be read.
std::optional<LogLines> ReadEventLogLines(const std::string& path);

// The whole activity log; nullopt when the file cannot be read.
std::optional<std::string> ReadActivityLog(const std::string& path);

// Deletes a log; true only when no file of that name is left (a missing file counts as deleted).
bool DeleteLogFile(const std::string& path);

}  // namespace quon::config
