// A rasapi32.dll for tests. It answers from the script fakeras.ini beside the DLL, read again on
// every call (the program loads and frees rasapi32 on every poll), remembers a hang-up or a dialled
// connection in fakeras.state, and logs every call to fakeras.log. Structures whose dwSize is not
// this build's sizeof are refused with ERROR_INVALID_SIZE (632), as Windows refuses them.
//
// Script (every key optional):
//   [connection]
//   count=0|1|2                  active connections (2 makes RasEnumConnectionsA report 603)
//   entry=, in=, out=, duration= the first connection: entry name, cumulative bytes (reported modulo
//                                2^32, so a value above 4294967295 wraps) and duration in ms
//   rate_in=, rate_out=          bytes per second added since fakeras.ini was last written
//   clock=1                      the duration grows since fakeras.ini was last written
//   handle=                      the first connection's handle (default 0x1001): a new value is a new
//                                connection of the same entry, dialled again
//   entry2=, in2=, out2=, duration2=  the second connection
//   [entries]
//   count=N, 1=name, 2=name...   the phone book; an entry without a name is "Entry <i>"
//   [entry:<name>]               saved dial parameters of one entry:
//   user=, password=, domain=, phone=, saved=1 (a password is saved), dial=<RasDialA result>
//   [dial]
//   result=<code>                what RasDialA ends with (0 connects); [entry:<name>] dial= wins
//   delay_ms=<ms>                the notifications come this long after the call
//   [errors]
//   <Function>=<code>            the function returns this code (after the dwSize check)
//   RasEnumEntriesA_retry=<code> returned instead of success when the buffer is large enough
//   [errortext]
//   <code>=<text>                RasGetErrorStringA's text (otherwise "RAS error <code>")
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <cstring>
#include <string>
#include <vector>

#include "fake_ras_files.h"

using fakeras::Ini;

namespace {

constexpr ULONG_PTR kFirstHandle = 0x1001;
constexpr ULONG_PTR kSecondHandle = 0x1002;
constexpr ULONG_PTR kDialledHandle = 0x1003;

struct Connection {
    ULONG_PTR handle;
    std::string entry;
    uint32_t in, out, duration;
};

Ini Script() { return Ini::Load(fakeras::FilePath(L"fakeras.ini")); }
Ini State() { return Ini::Load(fakeras::FilePath(L"fakeras.state")); }
void Save(const Ini& state) { state.Save(fakeras::FilePath(L"fakeras.state")); }

uint32_t Wrap(int64_t v) { return static_cast<uint32_t>(static_cast<uint64_t>(v)); }

Connection Measured(const Ini& s, ULONG_PTR handle, const std::string& suffix, const std::string& entry) {
    const int64_t age = fakeras::ScriptAgeMs();
    Connection c{handle, entry, 0, 0, 0};
    c.in = Wrap(s.Int("connection", "in" + suffix) + s.Int("connection", "rate_in" + suffix) * age / 1000);
    c.out = Wrap(s.Int("connection", "out" + suffix) + s.Int("connection", "rate_out" + suffix) * age / 1000);
    c.duration = Wrap(s.Int("connection", "duration" + suffix) + (s.Int("connection", "clock") ? age : 0));
    return c;
}

std::vector<Connection> Connections(const Ini& s) {
    const Ini st = State();
    std::vector<Connection> list;
    if (!st.Int("state", "hung_up")) {
        const int64_t count = s.Int("connection", "count");
        const ULONG_PTR first = static_cast<ULONG_PTR>(s.Int("connection", "handle", kFirstHandle));
        if (count >= 1) list.push_back(Measured(s, first, "", s.Text("connection", "entry", "Fake")));
        if (count >= 2) list.push_back(Measured(s, kSecondHandle, "2", s.Text("connection", "entry2", "Fake 2")));
    }
    if (st.Int("state", "dialled"))
        list.push_back(Measured(s, kDialledHandle, "", st.Text("state", "dialled_entry")));
    return list;
}

const Connection* Find(const std::vector<Connection>& list, HRASCONN h) {
    for (const Connection& c : list)
        if (c.handle == reinterpret_cast<ULONG_PTR>(h)) return &c;
    return nullptr;
}

// The code the script forces on a function, or 0.
DWORD Forced(const Ini& s, const char* function) { return static_cast<DWORD>(s.Int("errors", function)); }

DWORD Logged(const std::string& function, DWORD result, const std::string& details = "") {
    fakeras::Log(function + "\tresult=" + std::to_string(result) + (details.empty() ? "" : "\t" + details));
    return result;
}

std::string Size(DWORD size) { return "size=" + std::to_string(size); }

std::string EntryName(const Ini& s, int64_t i) {
    return s.Text("entries", std::to_string(i), "Entry " + std::to_string(i));
}

void Copy(char* dest, size_t limit, const std::string& text) {
    size_t n = text.size() < limit ? text.size() : limit - 1;
    memcpy(dest, text.data(), n);
    dest[n] = '\0';
}

std::string Field(const char* text, size_t limit) { return std::string(text, strnlen(text, limit)); }

// Dial notifications, sent the way the caller asked for them.
struct Notice {
    DWORD type;
    LPVOID notifier;
    HRASCONN conn;
    DWORD error;
    DWORD delayMs;
};

void Deliver(const Notice& n) {
    const RASCONNSTATE last = n.error ? RASCS_ConnectDevice : RASCS_Connected;
    const RASCONNSTATE states[] = {RASCS_OpenPort, last};
    for (RASCONNSTATE state : states) {
        const DWORD err = state == last ? n.error : 0;
        if (n.type == 0xFFFFFFFF) {
            UINT msg = RegisterWindowMessageA(RASDIALEVENT);
            if (!msg) msg = WM_RASDIALEVENT;
            PostMessageA(static_cast<HWND>(n.notifier), msg, state, err);
        } else if (n.type == 0) {
            reinterpret_cast<RASDIALFUNC>(n.notifier)(WM_RASDIALEVENT, state, err);
        } else if (n.type == 1) {
            reinterpret_cast<RASDIALFUNC1>(n.notifier)(n.conn, WM_RASDIALEVENT, state, err, 0);
        } else if (n.type == 2) {
            reinterpret_cast<RASDIALFUNC2>(n.notifier)(0, 0, n.conn, WM_RASDIALEVENT, state, err, 0);
        }
    }
    fakeras::Log("RasDialA.notified\terror=" + std::to_string(n.error));
}

DWORD WINAPI NoticeThread(LPVOID param) {
    Notice n = *static_cast<Notice*>(param);
    delete static_cast<Notice*>(param);
    if (n.delayMs) Sleep(n.delayMs);
    Deliver(n);
    // The thread holds its own reference, so the caller may free the library while a dial is pending.
    FreeLibraryAndExitThread(fakeras::Module(), 0);
}

void NotifyLater(const Notice& n) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&NotifyLater), &self);
    HANDLE t = CreateThread(nullptr, 0, NoticeThread, new Notice(n), 0, nullptr);
    if (t) CloseHandle(t);
}

}  // namespace

// The C++ runtime linked into this double keeps an emergency exception pool on the heap; it is given back
// when the double is freed, so that a program loading and freeing it shows no growth of its own.
namespace __gnu_cxx {
void __freeres();
}

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) fakeras::SetModule(instance);
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) __gnu_cxx::__freeres();  // freed, not process end
    return TRUE;
}

// Lets a test tell this double from the system's rasapi32 (their file names are the same).
BOOL WINAPI FakeRas_IsFake() { return TRUE; }

DWORD WINAPI RasEnumConnectionsA(LPRASCONNA conns, LPDWORD bytes, LPDWORD count) {
    const char* fn = "RasEnumConnectionsA";
    if (!conns || !bytes || !count) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (conns->dwSize != sizeof(RASCONNA)) return Logged(fn, ERROR_INVALID_SIZE, Size(conns->dwSize));
    const Ini s = Script();
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced);
    const std::vector<Connection> list = Connections(s);
    const DWORD need = static_cast<DWORD>(list.size() * sizeof(RASCONNA));
    const DWORD given = *bytes;
    *count = static_cast<DWORD>(list.size());
    if (given < need) {
        *bytes = need;
        return Logged(fn, ERROR_BUFFER_TOO_SMALL, "count=" + std::to_string(list.size()));
    }
    for (size_t i = 0; i < list.size(); ++i) {
        RASCONNA& c = conns[i];
        memset(&c, 0, sizeof c);
        c.dwSize = sizeof(RASCONNA);
        c.hrasconn = reinterpret_cast<HRASCONN>(list[i].handle);
        Copy(c.szEntryName, sizeof c.szEntryName, list[i].entry);
        Copy(c.szDeviceType, sizeof c.szDeviceType, RASDT_Modem);
        Copy(c.szDeviceName, sizeof c.szDeviceName, "Fake modem");
    }
    *bytes = need;
    return Logged(fn, 0, "count=" + std::to_string(list.size()));
}

DWORD WINAPI RasGetConnectionStatistics(HRASCONN conn, RAS_STATS* stats) {
    const char* fn = "RasGetConnectionStatistics";
    if (!stats) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (stats->dwSize != sizeof(RAS_STATS)) return Logged(fn, ERROR_INVALID_SIZE, Size(stats->dwSize));
    const Ini s = Script();
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced);
    const std::vector<Connection> list = Connections(s);
    const Connection* c = Find(list, conn);
    if (!c) return Logged(fn, ERROR_INVALID_HANDLE);
    memset(stats, 0, sizeof *stats);
    stats->dwSize = sizeof(RAS_STATS);
    stats->dwBytesRcved = c->in;
    stats->dwBytesXmited = c->out;
    stats->dwConnectDuration = c->duration;
    return Logged(fn, 0, "in=" + std::to_string(c->in) + "\tout=" + std::to_string(c->out));
}

DWORD WINAPI RasGetConnectStatusA(HRASCONN conn, LPRASCONNSTATUSA status) {
    const char* fn = "RasGetConnectStatusA";
    if (!status) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (status->dwSize != sizeof(RASCONNSTATUSA)) return Logged(fn, ERROR_INVALID_SIZE, Size(status->dwSize));
    const Ini s = Script();
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced);
    const std::vector<Connection> list = Connections(s);
    if (!Find(list, conn)) return Logged(fn, ERROR_INVALID_HANDLE);
    memset(status, 0, sizeof *status);
    status->dwSize = sizeof(RASCONNSTATUSA);
    status->rasconnstate = RASCS_Connected;
    Copy(status->szDeviceType, sizeof status->szDeviceType, RASDT_Modem);
    Copy(status->szDeviceName, sizeof status->szDeviceName, "Fake modem");
    return Logged(fn, 0);
}

DWORD WINAPI RasEnumEntriesA(LPCSTR, LPCSTR, LPRASENTRYNAMEA entries, LPDWORD bytes, LPDWORD count) {
    const char* fn = "RasEnumEntriesA";
    if (!entries || !bytes || !count) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (entries->dwSize != sizeof(RASENTRYNAMEA)) return Logged(fn, ERROR_INVALID_SIZE, Size(entries->dwSize));
    const Ini s = Script();
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced);
    const int64_t n = s.Int("entries", "count") > 0 ? s.Int("entries", "count") : 0;
    const DWORD need = static_cast<DWORD>(n * sizeof(RASENTRYNAMEA));
    const std::string asked = "bytes=" + std::to_string(*bytes);
    *count = static_cast<DWORD>(n);
    if (*bytes < need) {
        *bytes = need;
        return Logged(fn, ERROR_BUFFER_TOO_SMALL, asked + "\tcount=" + std::to_string(n));
    }
    if (DWORD retry = static_cast<DWORD>(s.Int("errors", "RasEnumEntriesA_retry"))) {
        *count = 0;
        return Logged(fn, retry, asked);
    }
    for (int64_t i = 0; i < n; ++i) {
        RASENTRYNAMEA& e = entries[i];
        memset(&e, 0, sizeof e);
        e.dwSize = sizeof(RASENTRYNAMEA);
        Copy(e.szEntryName, sizeof e.szEntryName, EntryName(s, i + 1));
    }
    *bytes = need;
    return Logged(fn, 0, asked + "\tcount=" + std::to_string(n));
}

DWORD WINAPI RasGetEntryDialParamsA(LPCSTR, LPRASDIALPARAMSA params, LPBOOL savedPassword) {
    const char* fn = "RasGetEntryDialParamsA";
    if (!params || !savedPassword) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (params->dwSize != sizeof(RASDIALPARAMSA)) return Logged(fn, ERROR_INVALID_SIZE, Size(params->dwSize));
    const Ini s = Script();
    const std::string entry = Field(params->szEntryName, sizeof params->szEntryName);
    const std::string detail = "entry=" + entry;
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced, detail);
    bool listed = false;
    for (int64_t i = 1; i <= s.Int("entries", "count") && !listed; ++i) listed = EntryName(s, i) == entry;
    if (!listed) return Logged(fn, ERROR_CANNOT_FIND_PHONEBOOK_ENTRY, detail);
    const std::string sec = "entry:" + entry;
    Copy(params->szUserName, sizeof params->szUserName, s.Text(sec, "user"));
    Copy(params->szPassword, sizeof params->szPassword, s.Text(sec, "password"));
    Copy(params->szDomain, sizeof params->szDomain, s.Text(sec, "domain"));
    Copy(params->szPhoneNumber, sizeof params->szPhoneNumber, s.Text(sec, "phone"));
    *savedPassword = s.Int(sec, "saved") ? TRUE : FALSE;
    return Logged(fn, 0, detail + "\tsaved=" + std::to_string(*savedPassword));
}

DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS, LPCSTR, LPRASDIALPARAMSA params, DWORD notifierType, LPVOID notifier,
                      LPHRASCONN conn) {
    const char* fn = "RasDialA";
    if (!params || !conn) return Logged(fn, ERROR_INVALID_PARAMETER);
    if (params->dwSize != sizeof(RASDIALPARAMSA)) return Logged(fn, ERROR_INVALID_SIZE, Size(params->dwSize));
    const Ini s = Script();
    const std::string entry = Field(params->szEntryName, sizeof params->szEntryName);
    const std::string detail = "entry=" + entry + "\tuser=" + Field(params->szUserName, sizeof params->szUserName) +
                               "\tpassword=" + Field(params->szPassword, sizeof params->szPassword) +
                               "\tdomain=" + Field(params->szDomain, sizeof params->szDomain) +
                               "\tnotifier=" + std::to_string(notifierType) + (notifier ? "" : "\tsync=1");
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced, detail);
    const std::string sec = "entry:" + entry;
    const DWORD outcome = static_cast<DWORD>(s.Has(sec, "dial") ? s.Int(sec, "dial") : s.Int("dial", "result"));
    // Even a failed dial hands out a handle, which the caller must hang up.
    *conn = reinterpret_cast<HRASCONN>(kDialledHandle);
    if (outcome == 0) {
        Ini st = State();
        st.Set("state", "hung_up", "0");
        st.Set("state", "dialled", "1");
        st.Set("state", "dialled_entry", entry);
        Save(st);
    }
    if (!notifier) return Logged(fn, outcome, detail);
    Logged(fn, 0, detail + "\toutcome=" + std::to_string(outcome));
    Notice n{notifierType, notifier, *conn, outcome, static_cast<DWORD>(s.Int("dial", "delay_ms"))};
    if (notifierType == 0xFFFFFFFF && n.delayMs == 0)
        Deliver(n);  // posted messages arrive after this call has returned
    else
        NotifyLater(n);
    return 0;
}

DWORD WINAPI RasHangUpA(HRASCONN conn) {
    const char* fn = "RasHangUpA";
    const Ini s = Script();
    const std::string detail = "handle=" + std::to_string(reinterpret_cast<ULONG_PTR>(conn));
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced, detail);
    if (!Find(Connections(s), conn) && reinterpret_cast<ULONG_PTR>(conn) != kDialledHandle)
        return Logged(fn, ERROR_INVALID_HANDLE, detail);
    Ini st = State();
    st.Set("state", "hung_up", "1");
    st.Set("state", "dialled", "0");
    Save(st);
    return Logged(fn, 0, detail);
}

DWORD WINAPI RasGetErrorStringA(UINT code, LPSTR text, DWORD size) {
    const char* fn = "RasGetErrorStringA";
    if (!text || size == 0) return Logged(fn, ERROR_INVALID_PARAMETER);
    const Ini s = Script();
    if (DWORD forced = Forced(s, fn)) return Logged(fn, forced);
    Copy(text, size, s.Text("errortext", std::to_string(code), "RAS error " + std::to_string(code)));
    return Logged(fn, 0, "code=" + std::to_string(code));
}

}  // extern "C"
