// The rig's folders and files: the per-test program folder, the RAS script and the double's call log.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/support/folder_tree.h"
#include "tests/support/test_modules.h"
#include "tests/support/test_name.h"

namespace rig {

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        // Sleeps up to 10 ms but wakes for anything sent or posted to this thread.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

int64_t NowMs() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    return static_cast<int64_t>(u.QuadPart / 10000) - 11644473600000LL;
}

std::wstring BuildFolder() {
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    std::wstring bin = exe.substr(0, exe.find_last_of(L"\\/"));
    return bin.substr(0, bin.find_last_of(L"\\/") + 1);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const std::wstring temp = path + L".rig-new";
    HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    CloseHandle(f);
    // A reader sees the old or the new file, never half of one. A reader that has the file open
    // without delete sharing makes the replacement fail for a moment: try again briefly.
    return ok && WaitUntil([&] { return MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0; },
                           2000);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string out;
    char buf[8192];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    CloseHandle(f);
    return out;
}

std::string RasCall::Field(const std::string& key) const {
    auto it = fields.find(key);
    return it == fields.end() ? std::string() : it->second;
}

// ---- RasScript ----

RasScript& RasScript::Raw(const std::string& section, const std::string& key, const std::string& value) {
    for (auto& [name, keys] : sections_) {
        if (name != section) continue;
        for (auto& kv : keys)
            if (kv.first == key) {
                kv.second = value;
                return *this;
            }
        keys.emplace_back(key, value);
        return *this;
    }
    sections_.push_back({section, {{key, value}}});
    return *this;
}

RasScript& RasScript::Offline() { return Raw("connection", "count", "0"); }

RasScript& RasScript::Connected(const std::string& entry, uint64_t in, uint64_t out, uint64_t durationMs) {
    return Raw("connection", "count", "1")
        .Raw("connection", "entry", entry)
        .Raw("connection", "in", std::to_string(in))
        .Raw("connection", "out", std::to_string(out))
        .Raw("connection", "duration", std::to_string(durationMs));
}

RasScript& RasScript::Second(const std::string& entry, uint64_t in, uint64_t out) {
    return Raw("connection", "count", "2")
        .Raw("connection", "entry2", entry)
        .Raw("connection", "in2", std::to_string(in))
        .Raw("connection", "out2", std::to_string(out));
}

RasScript& RasScript::Growing(uint64_t inPerSecond, uint64_t outPerSecond) {
    return Raw("connection", "rate_in", std::to_string(inPerSecond))
        .Raw("connection", "rate_out", std::to_string(outPerSecond))
        .Raw("connection", "clock", "1");
}

RasScript& RasScript::Since(int64_t beganMs) {
    return Raw("connection", "duration", std::to_string(std::max<int64_t>(0, NowMs() - beganMs)))
        .Raw("connection", "clock", "1");
}

RasScript& RasScript::Entries(const std::vector<std::string>& names) {
    Raw("entries", "count", std::to_string(names.size()));
    for (size_t i = 0; i < names.size(); ++i) Raw("entries", std::to_string(i + 1), names[i]);
    return *this;
}

RasScript& RasScript::DialParams(const std::string& entry, const std::string& user, const std::string& password,
                                 bool saved) {
    return Raw("entry:" + entry, "user", user)
        .Raw("entry:" + entry, "password", password)
        .Raw("entry:" + entry, "saved", saved ? "1" : "0");
}

RasScript& RasScript::DialResult(long code) { return Raw("dial", "result", std::to_string(code)); }

RasScript& RasScript::Error(const std::string& function, long code) {
    return Raw("errors", function, std::to_string(code));
}

std::string RasScript::Text() const {
    std::string text;
    for (const auto& [name, keys] : sections_) {
        text += "[" + name + "]\r\n";
        for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    }
    return text;
}

// ---- TestFolder ----

TestFolder::TestFolder(const std::string& suffix) {
    const std::wstring build = BuildFolder();
    const std::wstring runs = build + L"e2e-runs";
    CreateDirectoryW(runs.c_str(), nullptr);
    const std::wstring folder = runs + L"\\" + fw::Widen(quon::test::CurrentTestName() + suffix);
    path_ = folder + L"\\";
    EndProcessesIn(path_);  // left over by an interrupted earlier run
    quon::test::RemoveTree(folder);
    EXPECT_TRUE(quon::test::CopyTree(build + L"program", folder)) << "could not copy the program folder";
    EXPECT_TRUE(quon::test::CopyTestModule("rasapi32.dll", folder + L"\\rasapi32.dll"))
        << "the RAS test double is missing from bin";
}

std::string TestFolder::PathA() const { return fw::Narrow(path_); }
std::wstring TestFolder::File(const std::string& name) const { return path_ + fw::Widen(name); }

bool TestFolder::Write(const std::string& name, const std::string& text) const {
    return WriteFileBytes(File(name), text);
}
std::optional<std::string> TestFolder::Read(const std::string& name) const { return ReadFileBytes(File(name)); }
bool TestFolder::Exists(const std::string& name) const {
    return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
void TestFolder::ResetRasState() const { DeleteFileW(File("fakeras.state").c_str()); }

bool TestFolder::WaitForFileText(const std::string& name, const std::string& needle, DWORD timeoutMs) const {
    return WaitUntil(
        [&] {
            auto text = Read(name);
            return text && text->find(needle) != std::string::npos;
        },
        timeoutMs);
}

std::vector<RasCall> TestFolder::RasCalls(const std::string& function) const {
    std::vector<RasCall> calls;
    auto text = Read("fakeras.log");
    if (!text) return calls;
    // The double may be writing a line right now: only whole lines count.
    text->resize(text->rfind('\n') == std::string::npos ? 0 : text->rfind('\n') + 1);
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> parts;
        size_t pos = 0;
        for (;;) {
            size_t tab = line.find('\t', pos);
            parts.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
            if (tab == std::string::npos) break;
            pos = tab + 1;
        }
        if (parts.size() < 2) continue;  // a line still being written
        RasCall call;
        call.ms = std::strtoll(parts[0].c_str(), nullptr, 10);
        call.function = parts[1];
        for (size_t i = 2; i < parts.size(); ++i) {
            size_t eq = parts[i].find('=');
            if (eq != std::string::npos) call.fields[parts[i].substr(0, eq)] = parts[i].substr(eq + 1);
        }
        if (call.fields.count("result")) call.result = std::strtol(call.fields["result"].c_str(), nullptr, 10);
        if (function.empty() || call.function == function) calls.push_back(std::move(call));
    }
    return calls;
}

std::optional<RasCall> TestFolder::WaitForRasCall(const std::string& function, DWORD timeoutMs,
                                                  const std::function<bool(const RasCall&)>& accept) const {
    std::optional<RasCall> found;
    WaitUntil(
        [&] {
            for (const RasCall& c : RasCalls(function))
                if (!accept || accept(c)) {
                    found = c;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

// ---- RasDouble ----

void PreferNativeRas(const std::wstring& exeName) {
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + exeName + L"\\DllOverrides";
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != 0)
        return;
    static const wchar_t value[] = L"native,builtin";
    RegSetValueExW(k, L"rasapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(k);
}

RasDouble::RasDouble(const TestFolder& folder) : module_(nullptr) {
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    // Even by its full path Wine loads its own rasapi32 unless this program prefers the native one.
    PreferNativeRas(exe.substr(exe.find_last_of(L"\\/") + 1));
    module_ = LoadLibraryW(folder.File("rasapi32.dll").c_str());
    EXPECT_NE(module_, nullptr) << "the RAS test double did not load";
    // Wine reads the preference when a process starts: ctest sets it beforehand (rig.PreferNativeRas.*).
    EXPECT_TRUE(module_ && GetProcAddress(module_, "FakeRas_IsFake"))
        << "Wine's own rasapi32 was loaded; the preference was set now and takes effect at the next start";
}

RasDouble::~RasDouble() {
    if (module_) FreeLibrary(module_);
}

}  // namespace rig
