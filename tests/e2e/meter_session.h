#pragma once
// A running meter in a program folder of the test's own, with a receiver window for its replies.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/harness.h"

namespace quon::e2e {

// Settings that keep the window and the tray quiet so that only the behaviour under test acts, with
// the test's own keys added to their sections ("section", "key=value" lines). A test's key comes before a
// quiet one of the same name, and the first one counts ("start=1" shows the window).
inline std::string QuietSettings(const std::vector<std::pair<std::string, std::string>>& extra = {}) {
    std::vector<std::pair<std::string, std::string>> sections = {
        {"visibility", "start=0\r\nshow=0\r\nhide=0\r\n"}, {"events", "balloon=0\r\n"}, {"data", "speed=0\r\n"}};
    for (const auto& [section, lines] : extra) {
        auto same = std::find_if(sections.begin(), sections.end(), [&](const auto& s) { return s.first == section; });
        if (same == sections.end()) sections.push_back({section, lines});
        else same->second = lines + same->second;
    }
    std::string text;
    for (const auto& [section, lines] : sections) text += "[" + section + "]\r\n" + lines;
    return text;
}

// [reset] lines that mark today as the day and month of the last start, so that the start does not
// roll the counters over.
inline std::string TodayStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[48];
    std::snprintf(text, sizeof text, "date=%02d\r\nmonth=%02d\r\n", now.wDay, now.wMonth);
    return text;
}

class MeterSession {
public:
    explicit MeterSession(const std::string& settings = QuietSettings(), const std::string& ras = "",
                          const std::string& folderSuffix = "")
        : folder(folderSuffix) {
        folder.WriteData(settings);
        folder.WriteRasScript(ras.empty() ? rig::RasScript().Offline().Text() : ras);
    }

    // Starts the program and waits for its window and the end of its start-up.
    HWND Start(const std::wstring& arguments = L"/instance") {
        program = std::make_unique<rig::Program>(folder, arguments);
        window = program->WaitForWindow();
        if (window) folder.WaitForStartUpEnd();
        return window;
    }

    std::string Ask(const std::string& name) {
        auto reply = commands.Query(window, name);
        return reply ? reply->text : "<no reply>";
    }

    // The first tick comes some seconds after the start; waits until the meter counts itself online.
    bool WaitCounted(bool online, DWORD timeoutMs = 15000) {
        const std::string want = online ? "1" : "0";
        return rig::WaitUntil([&] { return Ask("get(connection)") == want; }, timeoutMs);
    }
    // Waits until the first tick has polled RAS.
    bool WaitFirstPoll(DWORD timeoutMs = 15000) {
        return folder.WaitForRasCall("RasEnumConnectionsA", timeoutMs).has_value();
    }

    rig::TestFolder folder;
    std::unique_ptr<rig::Program> program;
    rig::Commands commands;
    HWND window = nullptr;
};

}  // namespace quon::e2e
