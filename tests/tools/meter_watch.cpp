// Prints what a running meter shows, once a second: the connection state and the session, day and month
// figures, asked from the meter through its WM_COPYDATA queries and put together from its data.qif the
// way the meter's own tick does. Ends when the meter's window is gone or after the given seconds.
// Usage: meter_watch.exe <program folder> [seconds]     (output in code page 1251)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/display_figures.h"
#include "engine/settings_file.h"
#include "engine/value_forms.h"
#include "tests/e2e/harness.h"

namespace {

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == by)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

std::string Ask(rig::Commands& cmd, HWND meter, const char* query) {
    auto reply = cmd.Query(meter, query);
    return reply ? reply->text : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: meter_watch.exe <program folder> [seconds]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '\\') folder += '\\';
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
    const DWORD started = GetTickCount();

    HWND meter = nullptr;
    rig::WaitUntil([&] { return (meter = FindWindowA("Tfrm_quonm", nullptr)) != nullptr; }, 30000);
    if (!meter) {
        std::printf("watch: the meter's window did not appear within 30 s\n");
        return 1;
    }
    rig::Commands cmd;
    std::printf("watch: the meter (version %s) answers; figures as its window shows them:\n",
                Ask(cmd, meter, "get(versionstr)").c_str());
    std::fflush(stdout);
    const char separator = quon::LocaleDecimalSeparator();
    while (IsWindow(meter) && (seconds <= 0 || GetTickCount() - started < static_cast<DWORD>(seconds) * 1000)) {
        // get(statistics): "<polled online>:<received>:<sent>:<entry>".
        const std::vector<std::string> stats = Split(Ask(cmd, meter, "get(statistics)"), ':');
        quon::EngineState eng;
        eng.countedOnline = Ask(cmd, meter, "get(connection)") == "1";
        if (stats.size() >= 4) {
            eng.connIn = std::atof(stats[1].c_str());
            eng.connOut = std::atof(stats[2].c_str());
            eng.entryName = stats[3];
        }
        quon::Options opt;
        quon::DisplayTexts texts;
        try {
            quon::ReadOptions(fw::IniFile(folder + "data.qif"), opt);
        } catch (const quon::SettingsError&) {
        }
        if (eng.countedOnline)
            quon::ComputeOnlineFigures(eng, opt, separator, texts);
        else
            quon::ComputeOfflineFigures(eng, opt, separator, texts);
        const std::string state = eng.countedOnline ? "online (" + eng.entryName + ")" : "offline";
        std::printf("%4lus  %-16s session %s in, %s out | day %s | month %s | speed %s in, %s out\n",
                    static_cast<unsigned long>((GetTickCount() - started) / 1000), state.c_str(),
                    texts.d_now.c_str(), texts.u_now.c_str(), texts.d_day.c_str(), texts.d_month.c_str(),
                    Ask(cmd, meter, "get(dlspeedtxt)").c_str(), Ask(cmd, meter, "get(ulspeedtxt)").c_str());
        std::fflush(stdout);
        rig::WaitUntil([] { return false; }, 1000);
    }
    return 0;
}
