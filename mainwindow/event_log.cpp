// The event log data.log, the activity log traffic.log and the event sounds.
#include <windows.h>

#include <mmsystem.h>

#include "engine/event_log_format.h"
#include "framework/ini_file.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

std::string LocaleTimeSeparator() {
    char buf[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, buf, sizeof buf) > 1 && buf[0]) return buf;
    return ":";
}

}  // namespace

void Tfrm_quonm::WriteEventLog(EventLogCode code, const std::string& value) {
    if (!opt.eventLogOn) return;
    try {
        SYSTEMTIME now;
        GetLocalTime(&now);
        fw::IniFile log(fw::ProgramFolder() + kEventLogFile);
        (void)log.WriteString(kEventLogSection, EventLogKey(now, LocaleTimeSeparator(), code), value);
    } catch (...) {
        // A lost event never stops what is being logged.
    }
}

bool Tfrm_quonm::AppendActivityLog(char levelDigit) {
    const std::string path = fw::ProgramFolder() + kActivityLogFile;
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, &levelDigit, 1, &written, nullptr) && written == 1;
    CloseHandle(file);
    return ok;
}

void Tfrm_quonm::PlayEventSound(const std::string& file) {
    if (file.empty()) return;
    PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace quon
