// Stores a connection into data.qif and the counters back, again and again, as the meter's disconnect store
// writes them: day 5000, month 70000, up 3000 and no connection held; then 4000 bytes received and 400 sent
// added, with the record of the connection. Sets the named event after its first store.
//
// store_loop.exe <data.qif> <event name>
#include <windows.h>

#include <string>

#include "engine/stored_connection.h"
#include "framework/ini_file.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const fw::IniFile data(argv[1]);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    quon::Counters before;
    before.day = 5000;
    before.month = 70000;
    before.up = 3000;
    const quon::StoredConnection none;
    const quon::StoredConnection held{{0x1001, "Dial", 1700000000000}, {4000, 400, 60000}};
    for (;;) {
        if (!data.WriteKeys("bytes", quon::CounterStoreKeys(before, held.totals, held, ','))) return 3;
        if (ready) {
            SetEvent(ready);
            CloseHandle(ready);
            ready = nullptr;
        }
        if (!data.WriteKeys("bytes", quon::CounterStoreKeys(before, {}, none, ','))) return 3;
    }
}
