// The external indicator: a plug-in module that shows the activity level in a window of its own.
#include "engine/copydata_commands.h"
#include "engine/plugin_list.h"
#include "engine/program_files.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/foreign_call.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {
using DoExecuteFn = void(int version, int event);
}  // namespace

void Tfrm_quonm::sub_floatingClick() {
    // A running indicator is asked to close; its still active first call then ends below.
    if (sub_floating->checked) {
        SendCopyData(kIndicatorWindowClass, cdClose, true, kCloseText);
        return;
    }
    sub_floating->SetChecked(true);
    // Runs until the indicator closes; this window's messages are handled inside meanwhile.
    const fw::ForeignCall call = fw::CallLibraryExport<DoExecuteFn>(
        fw::ProgramFolder() + kPluginFolder + kExternalIndicatorModule, "_doExecute",
        [](DoExecuteFn* doExecute) { doExecute(kInterfaceVersion, peRequest); });
    if (!call.found || call.faulted) fw::Beep100();
    sub_floating->SetChecked(false);
}

}  // namespace quon
