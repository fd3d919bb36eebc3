// The statistics box: the current figures in a message box, one box at a time.
#include <windows.h>

#include "engine/quick_statistics.h"
#include "framework/message_box.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::sub_quickClick() {
    // The check mark says a box is open; the timers run on meanwhile and the box keeps its figures.
    if (sub_quick->checked) return;
    sub_quick->SetChecked(true);
    struct Uncheck {
        fw::MenuItem* item;
        ~Uncheck() { item->SetChecked(false); }
    } uncheck{sub_quick};

    QuickStatisticsInput in;
    in.connIn = eng.connIn;
    in.connOut = eng.connOut;
    const ConnectionTotals open = NotYetStored(eng);
    in.storedIn = eng.connIn - open.in;
    in.storedOut = eng.connOut - open.out;
    in.connDuration = eng.connDuration;
    in.entryName = eng.entryName;
    in.online = eng.countedOnline;
    in.counters = opt.counters;
    SYSTEMTIME now;
    GetLocalTime(&now);
    fw::ShowBox(QuickStatisticsText(in), MB_ICONINFORMATION,
                QuickStatisticsCaption(now.wHour, now.wMinute, now.wSecond));
}

}  // namespace quon
