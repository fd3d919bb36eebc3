// Cost of one store of a connection into data.qif (the disconnect store: the counters and the record of
// what they hold, written by replacing the file whole), and of the settings load that follows it, on a
// file of the usual size and on files whose [bytes] section has 3,000, 30,000 and 300,000 one-key lines
// before its real keys. A store's cost grows with the file's size, not faster: the time per megabyte is
// printed beside each figure.
//
// Run: build/wine-run.sh build/bin/store_bench.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/options.h"
#include "engine/program_files.h"
#include "engine/settings_file.h"
#include "engine/stored_connection.h"
#include "framework/ini_file.h"
#include "framework/program_folder.h"

namespace {

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

bool WriteText(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
    CloseHandle(f);
    return ok;
}

// A data.qif as the dialog leaves it, with padding lines in [bytes] before the counters.
std::string SettingsText(int paddingLines) {
    std::string text =
        "[visibility]\r\nstart=1\r\nshow=1\r\nhide=1\r\ndesktop=0\r\nreaload=0\r\nclick=1\r\nfade=2\r\nover=0\r\n"
        "plugins=0\r\n[view]\r\nx=200\r\ny=100\r\no=225\r\nfix=0\r\n[log]\r\ntraffic=0\r\ndata=0\r\nclear=1\r\n"
        "[data]\r\nprotection=1\r\nlanguage=0\r\nmethod=0\r\nunits=2\r\nspeed=1\r\nbackup=0\r\nperiod=0\r\n"
        "unlim=0\r\n[reset]\r\nnotify=1\r\ninterval=60\r\ndate=11\r\nmonth=12\r\n[alt]\r\nnext=01.01.27\r\n"
        "remind=27.12.26\r\nwarn=5\r\nperiod=30\r\nnotify=1\r\n[bytes]\r\n";
    for (int i = 0; i < paddingLines; ++i) text += "pad" + std::to_string(i) + "=0\r\n";
    text += "float=3\r\nday=123456\r\ndaylim=1048576\r\nmonth=7654321\r\nmonthlim=31457280\r\nup=54321\r\n"
            "uplim=0\r\nbackup=0\r\nlevel_1=1024\r\nlevel_2=2048\r\nlevel_3=3072\r\nlevel_4=4096\r\n"
            "level_5=5120\r\n[skin]\r\nfile=Default\r\nvariation=0\r\nanimation=0\r\nfullstop=1\r\nhangup=1\r\n"
            "icons=1\r\n[events]\r\nhint=0\r\nballoon=1\r\nshutdown=0\r\nhangup=0\r\ninterval=1\r\n"
            "[ignore]\r\nitems=0\r\n[table]\r\nmonth1=0\r\nmonth2=0\r\nmonth3=0\r\n";
    return text;
}

struct Figures {
    double store = 0, load = 0;  // seconds per call
};

Figures Measure(const std::string& path, int rounds) {
    const fw::IniFile ini(path);
    quon::Counters counters;
    counters.day = 123456;
    counters.month = 7654321;
    counters.up = 54321;
    Figures sum;
    for (int i = 0; i < rounds; ++i) {
        const quon::StoredConnection record{{0x1001, "Dial", 1700000000000 + i}, {1000.0 * i, 100.0 * i, 1000.0 * i}};
        const double t0 = Now();
        if (!ini.WriteKeys(quon::keys::kBytes, quon::CounterStoreKeys(counters, {1000, 100, 1000}, record, ','))) {
            std::printf("the store failed\n");
            return {};
        }
        const double t1 = Now();
        quon::Options options;
        quon::ReadOptions(ini, options);  // the reload after the store reads the new file
        sum.store += t1 - t0;
        sum.load += Now() - t1;
    }
    sum.store /= rounds;
    sum.load /= rounds;
    return sum;
}

}  // namespace

int main() {
    const std::string folder = fw::ProgramFolder() + "store-bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + quon::kSettingsFile;
    std::printf("%-34s %10s %12s %14s %12s\n", quon::kSettingsFile, "size", "store", "store per MB", "load after");
    struct Size {
        const char* name;
        int padding, rounds;
    };
    const Size sizes[] = {{"usual", 0, 50},
                          {"3,000 lines before the counters", 3000, 20},
                          {"30,000 lines before the counters", 30000, 5},
                          {"300,000 lines before the counters", 300000, 3}};
    for (const Size& s : sizes) {
        const std::string text = SettingsText(s.padding);
        if (!WriteText(path, text)) {
            std::printf("cannot write %s\n", path.c_str());
            return 2;
        }
        const Figures f = Measure(path, s.rounds);
        const double mb = static_cast<double>(text.size()) / (1024.0 * 1024.0);
        std::printf("%-34s %8.2f MB %9.1f ms %11.1f ms %9.1f ms\n", s.name, mb, f.store * 1e3, f.store * 1e3 / mb,
                    f.load * 1e3);
    }
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
