#pragma once
// The test rig: run the real quonmain.exe in a fresh program folder and drive it from outside.
// Texts are code page 1251 like the program's (test sources are compiled to 1251 literals).
//
//   rig::TestFolder dir;                         // build/e2e-runs/<Suite.Test>/ = copy of build/program/
//                                                //   + the RAS test double rasapi32.dll
//   rig::TestFolder odd(" с пробелом");          // the folder name gets this suffix (blank, Cyrillic)
//   dir.WriteData("[visibility]\r\ndesktop=1\r\n");   // data.qif   (also WritePlugins, Write(name, text))
//   dir.WriteRasScript(rig::RasScript().Connected("Dial", 1000, 50));  // fakeras.ini, see below
//
//   rig::Program app(dir, L"/instance");         // CreateProcessW; Wine told to prefer the double;
//   HWND w = app.WaitForWindow();                //   its Tfrm_quonm window (null after the bound)
//   rig::WindowState s = rig::ReadWindow(w);     // rect, visible, extended style, top-most
//   rig::SettledBrightness(w);                   // waits for the end of a fade (the screen under w is steady)
//   auto box = app.WaitForBox();                 // its message box (#32770): text, caption, buttons
//   quon::test::AnswerMessageBox(*box, IDOK);    // posts the button's command (tests/support/message_box.h)
//   auto code = app.WaitForExit();               // exit code (only its low byte is meaningful under Wine)
//   // the destructor (or app.Terminate()) ends a process that still runs: no leftovers
//
//   rig::Commands cmd;                           // a receiver window of this test process
//   cmd.Send(w, 0, "0");                         // WM_COPYDATA command
//   auto reply = cmd.Query(w, "get(connection)"); // command 88; the reply arrives during the send
//
//   dir.WaitForRasCall("RasEnumConnectionsA");   // the double's call log (fakeras.log)
//   dir.WaitForStartUpEnd();                     // before the first command: the start-up has ended
//   rig::WaitUntil([&] { return ...; }, 5000);   // bounded polling that keeps this thread's messages moving
//
// The RAS script (fakeras.ini, read by the double on every call; all keys optional):
//   [connection] count=0|1|2, entry=, in=, out=, duration= (ms), rate_in=, rate_out= (bytes per second
//                since the script was written), clock=1 (duration grows likewise), handle= (of the first
//                connection, default 0x1001; another value is the entry dialled again), entry2=, in2=,
//                out2=, duration2=; byte values are reported modulo 2^32 (a larger value wraps)
//   [entries]    count=N, 1=name, 2=name, ...  (unnamed entries are "Entry <i>")
//   [entry:NAME] user=, password=, domain=, phone=, saved=1, dial=<RasDialA result>
//   [dial]       result=<code> (0 connects: the connection then is listed), delay_ms=
//   [errors]     <Function>=<code>, RasEnumEntriesA_retry=<code>
//   [errortext]  <code>=<text>
// State that outlives one load of the DLL (a hang-up, a dialled connection) is in fakeras.state;
// a hang-up keeps every connection away, also after a new script, until ResetRasState().
// Log lines: "<ms since 1970>\t<Function>\tresult=<n>\t<key=value>...".
//
// In-process tests of the main window use the same folder and the double loaded by path:
//   rig::TestFolder dir; rig::RasDouble ras(dir);   // later LoadLibraryA("rasapi32") gets this module
//   fw::OverrideProgramFolderForTests(dir.PathA());
//   quon::test::BoxAnswerer boxes;                   // answers this process's modal boxes meanwhile
//                                                    //   (tests/support/box_answerer.h)
// A test process gets the double only when Wine prefers it at the process start: build/wine-run.sh makes
// Wine prefer the modules beside a program (rasapi32=n,b), as Windows does (see also PreferNativeRas).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/message_box.h"

namespace rig {

// Polls done() every 10 ms until it is true or timeoutMs passed; messages sent or posted to this
// thread's windows are handled meanwhile. True when done() became true.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// The build tree (the parent of the test executable's folder), with a trailing backslash.
std::wstring BuildFolder();

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);  // replaces the file as a whole
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// Ends every process whose program file lies in folder (a path with its trailing backslash).
void EndProcessesIn(const std::wstring& folder);

// Makes Wine load the rasapi32.dll found beside the named program (e.g. L"quonmain.exe") instead of its
// own: HKCU\Software\Wine\AppDefaults\<exe>\DllOverrides rasapi32=native,builtin in this prefix. Wine takes
// WINEDLLOVERRIDES from the Unix environment a process inherits, not from CreateProcessW's environment
// block; the key works however the tests are started. Program and RasDouble call it.
void PreferNativeRas(const std::wstring& exeName);

// One call the double logged.
struct RasCall {
    int64_t ms = 0;  // wall clock, milliseconds since 1970 (rig::NowMs() is comparable)
    std::string function;
    long result = -1;
    std::map<std::string, std::string> fields;
    std::string Field(const std::string& key) const;
};
int64_t NowMs();

// Builder of a RAS script for the common cases; Text() is what WriteRasScript takes.
class RasScript {
public:
    RasScript& Offline();
    RasScript& Connected(const std::string& entry, uint64_t in, uint64_t out, uint64_t durationMs = 0);
    RasScript& Second(const std::string& entry, uint64_t in = 0, uint64_t out = 0);
    RasScript& Growing(uint64_t inPerSecond, uint64_t outPerSecond);
    // The connection began at this instant (rig::NowMs()) and its connect time runs on from then, however
    // often the script is written again: the same connection, as RAS would report it.
    RasScript& Since(int64_t beganMs);
    RasScript& Entries(const std::vector<std::string>& names);
    RasScript& DialParams(const std::string& entry, const std::string& user, const std::string& password,
                          bool saved);
    RasScript& DialResult(long code);
    RasScript& Error(const std::string& function, long code);
    RasScript& Raw(const std::string& section, const std::string& key, const std::string& value);
    std::string Text() const;
    operator std::string() const { return Text(); }

private:
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

// A fresh program folder for the running test: build\e2e-runs\<Suite.Test><suffix>\, emptied, filled with
// a copy of build\program\ and the RAS test double. It stays after the test for inspection.
class TestFolder {
public:
    explicit TestFolder(const std::string& suffix = "");
    ~TestFolder();  // ends any process still running from this folder (a restarted program, say)
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    const std::wstring& Path() const { return path_; }  // with a trailing backslash
    std::string PathA() const;                          // the same in code page 1251
    std::wstring File(const std::string& name) const;

    bool Write(const std::string& name, const std::string& text) const;
    std::optional<std::string> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    bool WriteData(const std::string& text) const { return Write("data.qif", text); }
    bool WritePlugins(const std::string& text) const { return Write("plugins.qif", text); }
    bool WriteRasScript(const std::string& text) const { return Write("fakeras.ini", text); }
    void ResetRasState() const;
    // Waits until the file exists and holds needle (any text when needle is empty).
    bool WaitForFileText(const std::string& name, const std::string& needle, DWORD timeoutMs = 10000) const;

    std::vector<RasCall> RasCalls(const std::string& function = "") const;
    // Waits for a logged call of function (that also passes accept, when given); returns it.
    std::optional<RasCall> WaitForRasCall(const std::string& function, DWORD timeoutMs = 10000,
                                          const std::function<bool(const RasCall&)>& accept = {}) const;
    // Waits for the end of the program's start-up: its window exists early, and a command sent before
    // the start-up has ended may be handled during the start-up's own calls to other processes and then
    // be undone by its later steps. Reading the dial-up entries for the menu is the start-up's last call.
    bool WaitForStartUpEnd(DWORD timeoutMs = 10000) const {
        return WaitForRasCall("RasEnumEntriesA", timeoutMs).has_value();
    }

private:
    std::wstring path_;
};

// The RAS double of a test folder loaded into this process by its path. While it is loaded, the
// program code's LoadLibraryA("rasapi32") finds this module (a loaded module is found by its name).
class RasDouble {
public:
    explicit RasDouble(const TestFolder& folder);
    ~RasDouble();
    RasDouble(const RasDouble&) = delete;
    RasDouble& operator=(const RasDouble&) = delete;
    HMODULE Module() const { return module_; }
    template <class Fn>
    Fn* Proc(const char* name) const {
        return reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

struct WindowState {
    bool exists = false;
    RECT rect{};
    bool visible = false;
    LONG_PTR exStyle = 0;
    bool TopMost() const { return (exStyle & WS_EX_TOPMOST) != 0; }
};
WindowState ReadWindow(HWND window);

// The summed brightness of the screen under the window (a layered window's pixels as shown).
uint64_t Brightness(HWND window);
// Waits until what the screen shows of the window has not changed for a while (a fade has ended);
// the brightness then.
uint64_t SettledBrightness(HWND window, DWORD timeoutMs = 10000);

// One started quonmain.exe (or another program of the folder).
class Program {
public:
    Program(const TestFolder& folder, const std::wstring& arguments = L"",
            const std::wstring& exeName = L"quonmain.exe");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Pid() const { return pid_; }
    HANDLE Process() const { return process_; }

    HWND MainWindow() const;  // its Tfrm_quonm window now, or null
    HWND WaitForWindow(DWORD timeoutMs = 10000) const;
    std::vector<quon::test::MessageBoxInfo> MessageBoxes() const;  // its open message boxes with their text
    // Waits for a box whose text contains needle (any box with a text when needle is empty).
    std::optional<quon::test::MessageBoxInfo> WaitForBox(DWORD timeoutMs = 10000,
                                                         const std::string& needle = "") const;
    // Waits for the process to end; its exit code, or nullopt after the bound.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000) const;
    bool Running() const;
    void Terminate();

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// A receiver window of this process for WM_COPYDATA: sends commands and collects replies.
class Commands {
public:
    struct Message {
        long code;
        std::string text;
    };
    Commands();
    ~Commands();
    Commands(const Commands&) = delete;
    Commands& operator=(const Commands&) = delete;

    HWND Handle() const { return window_; }
    const std::string& Name() const { return name_; }  // its class name and its title

    // WM_COPYDATA with dwData = code and the text without a NUL; false when the send failed or timed out.
    bool Send(HWND target, long code, const std::string& text, DWORD timeoutMs = 5000);
    bool SendBytes(HWND target, long code, const void* data, DWORD size, DWORD timeoutMs = 5000);
    // Command 88: "<name padded to 15> <1 by class|0 by title> <replyCode> <this window's name>".
    // The reply that came back during the send, or nullopt.
    std::optional<Message> Query(HWND target, const std::string& name, bool byClass = true, char replyCode = '1');

    std::vector<Message> Received() const { return received_; }  // everything received so far
    void Clear() { received_.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND window_ = nullptr;
    std::string name_;
    std::wstring className_;
    std::vector<Message> received_;
};

}  // namespace rig
