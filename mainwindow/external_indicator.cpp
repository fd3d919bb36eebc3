// The external indicator: a plug-in module that shows the activity level in a window of its own.
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/foreign_call.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {
using DoExecuteFn = void(int version, int event);
constexpr int kIndicatorEvent = 5;
constexpr const char* kIndicatorClassName = "Tfrm_quonx";
}  // namespace

void Tfrm_quonm::sub_floatingClick() {
    // A running indicator is asked to close; its still active first call then ends below.
    if (sub_floating->checked) {
        SendCopyData(kIndicatorClassName, 11, true, "Close()");
        return;
    }
    sub_floating->SetChecked(true);
    // Runs until the indicator closes; this window's messages are handled inside meanwhile.
    const fw::ForeignCall call = fw::CallLibraryExport<DoExecuteFn>(
        fw::ProgramFolder() + "PLUGINS\\Brastel.dll", "_doExecute",
        [](DoExecuteFn* doExecute) { doExecute(kInterfaceVersion, kIndicatorEvent); });
    if (!call.found || call.faulted) fw::Beep100();
    sub_floating->SetChecked(false);
}

}  // namespace quon
