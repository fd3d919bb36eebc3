// A kill at any moment of a store leaves data.qif whole: a stand-in that stores into it as the meter's
// disconnect store does, over and over, is killed 200 times at random moments, and every time the file
// reads with all its sections and the counters from before a store or from after it.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/support/test_modules.h"

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

// The threads of a process, to be stopped where they are, as a kill would stop them, and let go again.
class Threads {
public:
    explicit Threads(DWORD pid) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != pid) continue;
            if (HANDLE t = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, entry.th32ThreadID))
                threads_.push_back(t);
        }
        CloseHandle(snapshot);
    }
    ~Threads() {
        for (HANDLE t : threads_) CloseHandle(t);
    }
    Threads(const Threads&) = delete;
    Threads& operator=(const Threads&) = delete;
    bool Any() const { return !threads_.empty(); }
    // Returns once every thread stands still.
    void Stop() {
        for (HANDLE t : threads_) {
            SuspendThread(t);
            CONTEXT context{};
            context.ContextFlags = CONTEXT_CONTROL;
            GetThreadContext(t, &context);  // returns once the thread has stopped
        }
    }
    void Go() {
        for (HANDLE t : threads_) ResumeThread(t);
    }

private:
    std::vector<HANDLE> threads_;
};

TEST(StoreKill, EveryKillLeavesTheCountersFromBeforeOrAfterAStore) {
    rig::TestFolder dir;
    ASSERT_TRUE(quon::test::CopyTestModule("store_loop.exe", dir.File("store_loop.exe")));
    const std::string notes = Notes();
    ASSERT_TRUE(dir.WriteData(notes + "[bytes]\r\nday=5000\r\nmonth=70000\r\nup=3000\r\ndaylim=1000000000\r\n" +
                              kTable));
    const std::wstring event = L"quon-store-kill-" + std::to_wstring(GetCurrentProcessId());
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, event.c_str());
    ASSERT_NE(ready, nullptr);
    std::mt19937 random(std::random_device{}());
    // A store takes some milliseconds: the kill comes within the first few of them.
    std::uniform_int_distribution<DWORD> moment(0, 60);
    // Every tenth kill ends the stand-in; the others stop it where it is, look at the file as such a kill
    // leaves it, and let it go on (a process start costs far more than a store).
    std::unique_ptr<rig::Program> loop;
    std::unique_ptr<Threads> threads;
    int before = 0, after = 0;
    for (int kill = 1; kill <= 200; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        if (!loop) {
            loop = std::make_unique<rig::Program>(dir, L"\"" + dir.File("data.qif") + L"\" " + event, L"store_loop.exe");
            ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0) << "the stand-in did not store";
            threads = std::make_unique<Threads>(loop->Pid());
            ASSERT_TRUE(threads->Any());
        }
        Sleep(moment(random));  // the random moment of the kill, not a wait for anything
        const bool ends = kill % 10 == 0;
        if (ends) {
            loop->Terminate();
            ASSERT_FALSE(loop->Running());
        } else {
            threads->Stop();
        }
        const std::string side = SideOfTheStore(dir, notes);
        if (ends) {
            threads.reset();
            loop.reset();
        } else {
            threads->Go();
        }
        if (side == "before") ++before;
        else if (side == "after") ++after;
        else ADD_FAILURE() << "a kill left data.qif so: " << side;
    }
    std::printf("200 kills: %d left the counters before a store, %d after one\n", before, after);
    CloseHandle(ready);
}

}  // namespace
