// A kill at any moment of a store leaves data.qif whole: stand-ins that store into it as the meter's
// disconnect store does, over and over, are killed 200 times at random moments, and every time the file
// reads with all its sections and the counters from before a store or from after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/text.h"
#include "tests/e2e/harness.h"

namespace {

// The notes before the counters make the file as long as one a user has kept for years, and give an
// in-place rewrite of it time to be caught half done.
std::string Notes() {
    std::string notes = "[visibility]\r\nstart=0\r\n[notes]\r\n";
    for (int i = 0; i < 2000; ++i) notes += "line" + std::to_string(i) + "=a line of somebody's notes\r\n";
    return notes;
}
const char* const kTable = "[table]\r\nmonth1=77\r\n";

// [bytes] as the platform's reader gives it: "key=value" lines.
std::string CounterSection(const rig::TestFolder& dir) {
    std::wstring buf(1 << 16, L'\0');
    const DWORD n = GetPrivateProfileSectionW(L"bytes", buf.data(), static_cast<DWORD>(buf.size()),
                                              dir.File("data.qif").c_str());
    std::string lines;
    for (size_t at = 0; at < n;) {
        const std::wstring line(buf.c_str() + at);
        lines += fw::Narrow(line) + "\n";
        at += line.size() + 1;
    }
    return lines;
}

// The file as a kill left it: the sections around the counters whole, and the counters of one side of a
// store; which side, or the text found.
std::string SideOfTheStore(const rig::TestFolder& dir, const std::string& notes) {
    const std::string text = dir.Read("data.qif").value_or("");
    if (text.substr(0, notes.size()) != notes) return "the sections before the counters are not whole";
    if (text.size() < notes.size() + strlen(kTable) || text.substr(text.size() - strlen(kTable)) != kTable)
        return "the sections after the counters are not whole";
    const std::string counters = CounterSection(dir);
    const std::string common = "daylim=1000000000\n";
    const std::string record = "session_handle=4097\nsession_entry=\"Dial\"\nsession_in=4000\nsession_out=400\n"
                               "session_time=60000\nsession_start=1700000000000\n";
    const std::string none = "session_handle=0\nsession_entry=\"\"\nsession_in=0\nsession_out=0\n"
                             "session_time=0\nsession_start=0\n";
    if (counters == "day=5000\nmonth=70000\nup=3000\n" + common + none) return "before";
    if (counters == "day=9000\nmonth=74000\nup=3400\n" + common + record) return "after";
    return counters;
}

TEST(StoreKill, EveryKillLeavesTheCountersFromBeforeOrAfterAStore) {
    // Eight stand-ins at once, each in a folder of its own, 25 kills each.
    constexpr int kFolders = 8, kRounds = 25;
    const std::string notes = Notes();
    struct Folder {
        std::unique_ptr<rig::TestFolder> dir;
        std::wstring event;
        HANDLE ready = nullptr;
        std::unique_ptr<rig::Program> loop;
    };
    std::vector<Folder> folders(kFolders);
    for (int f = 0; f < kFolders; ++f) {
        Folder& folder = folders[f];
        folder.dir = std::make_unique<rig::TestFolder>("-" + std::to_string(f));
        ASSERT_TRUE(CopyFileW((rig::BuildFolder() + L"bin\\store_loop.exe").c_str(),
                              folder.dir->File("store_loop.exe").c_str(), FALSE));
        ASSERT_TRUE(folder.dir->WriteData(notes + "[bytes]\r\nday=5000\r\nmonth=70000\r\nup=3000\r\n"
                                          "daylim=1000000000\r\n" + kTable));
        folder.event = L"quon-store-kill-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(f);
        folder.ready = CreateEventW(nullptr, FALSE, FALSE, folder.event.c_str());
        ASSERT_NE(folder.ready, nullptr);
    }
    std::mt19937 random(std::random_device{}());
    // A store takes some milliseconds: the kill comes within the first few of them.
    std::uniform_int_distribution<DWORD> moment(0, 60);
    int before = 0, after = 0;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (Folder& f : folders)
            f.loop = std::make_unique<rig::Program>(*f.dir, L"\"" + f.dir->File("data.qif") + L"\" " + f.event,
                                                    L"store_loop.exe");
        for (Folder& f : folders) {
            ASSERT_EQ(WaitForSingleObject(f.ready, 20000), WAIT_OBJECT_0) << "the stand-in did not store";
            Sleep(moment(random));  // the random moment of the kill, not a wait for anything
            f.loop->Terminate();
            ASSERT_FALSE(f.loop->Running());
        }
        for (Folder& f : folders) {
            const std::string side = SideOfTheStore(*f.dir, notes);
            if (side == "before") ++before;
            else if (side == "after") ++after;
            else ADD_FAILURE() << "a kill left data.qif so: " << side;
        }
    }
    std::printf("%d kills: %d left the counters before a store, %d after one\n", kFolders * kRounds, before, after);
    for (Folder& f : folders) CloseHandle(f.ready);
}

}  // namespace
