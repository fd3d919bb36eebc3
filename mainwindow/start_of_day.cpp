// The start of a normal run on the window side: data.qif through FormCreate's file object, the
// protection copies and logs in the program folder, the boxes and the beeps.
#include <windows.h>

#include "engine/program_files.h"
#include "engine/protect_copy.h"
#include "engine/start_of_day.h"
#include "engine/ini_file_store.h"
#include "engine/value_forms.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

class MainWindowStartOfDayHost : public StartOfDayHost {
public:
    explicit MainWindowStartOfDayHost(Tfrm_quonm& form) : form_(form) {}
    std::string ReadProtectValue(ProtectCopy copy, const char* key) override {
        const char* name = copy == ProtectCopy::Prev ? kProtectPrevFile : kProtectNextFile;
        return fw::IniFile(fw::ProgramFolder() + name).ReadString(kProtectSection, key, "");
    }
    void DeleteProtectFiles() override { form_.DeleteProtectFiles(); }
    void WriteEventLog(EventLogCode code, const std::string& value) override { form_.WriteEventLog(code, value); }
    void DeleteLogs() override {
        DeleteFileA((fw::ProgramFolder() + kEventLogFile).c_str());
        DeleteFileA((fw::ProgramFolder() + kActivityLogFile).c_str());
    }
    void ShowBox(const std::string& text, BoxKind kind) override {
        fw::ShowBox(text, kind == BoxKind::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    }
    void Beep(unsigned hz, unsigned ms) override { ::Beep(hz, ms); }
    void Sleep(unsigned ms) override { ::Sleep(ms); }

private:
    Tfrm_quonm& form_;
};

CivilDate LocalToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return CivilDate{now.wYear, now.wMonth, now.wDay};
}

}  // namespace

void Tfrm_quonm::RunStartOfDay(const fw::IniFile& ini) {
    IniFileStore store(ini.Path(), IniFileStore::SingleWrites::WholeFile);
    MainWindowStartOfDayHost host(*this);
    StartOfDayInput in;
    in.today = LocalToday();
    in.counters = opt.counters;
    in.eventLogOn = opt.eventLogOn;
    in.decimalSeparator = LocaleDecimalSeparator();
    if (RunStartOfDaySteps(store, host, in)) eng.newDay = true;
    // The connection the counters hold in part, for a tick that finds it still up.
    eng.stored = ReadStoredConnection(store);
}

}  // namespace quon
